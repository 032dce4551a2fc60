// A device tree laid out in a folder as sysfs and udev lay it out, for the
// parts of a machine a test cannot make real: USB adapters with their
// attributes, by-id links, UARTs that answer and placeholders that do not.
#pragma once

// std
#include <string>

class CFakeDeviceTree
{
public:
    explicit CFakeDeviceTree(std::string root);

    // A USB serial adapter: its tty under its USB device's interface, the
    // node, and the by-id link udev would make (none when `byId` is empty).
    void AddUsb(const std::string& tty, const std::string& vendor, const std::string& product,
                const std::string& manufacturer, const std::string& productName,
                const std::string& serial, const std::string& driver, const std::string& byId);
    // A serial-core port; `type` "0" is a placeholder no UART answered for.
    void AddUart(const std::string& tty, const std::string& type);
    // A tty with no device behind it (a virtual console).
    void AddVirtual(const std::string& tty);
    // Unplugging: the tty, its node and every link to it go.
    void Remove(const std::string& tty);

private:
    void AddClassEntry(const std::string& tty, const std::string& deviceDir);

    std::string m_strRoot;
    int m_nUsbCount = 0;
};
