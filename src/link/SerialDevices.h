// The serial devices present on this machine, as the kernel's device tree
// tells them: node, stable names, USB identity and driver.
#pragma once

// std
#include <string>
#include <vector>

struct SerialDevice
{
    std::string m_strNode;      // /dev/ttyUSB0
    std::string m_strById;      // /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0
    std::string m_strByPath;    // /dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0
    std::string m_strVendorId;  // "0403"; empty for a device that is not on USB
    std::string m_strProductId; // "6001"
    std::string m_strManufacturer;
    std::string m_strProduct;
    std::string m_strSerial;
    std::string m_strDriver; // ftdi_sio, cdc_acm, serial
    bool m_bUsb = false;
    bool m_bPseudo = false; // a pseudo-terminal named by the user

    // The stable name where there is one, else the node: what a choice is
    // stored as, so replugging into another socket keeps it.
    const std::string& StablePath() const { return m_strById.empty() ? m_strNode : m_strById; }
};

// Everything is read below a root folder ("" for the machine itself), so a
// test can lay out the parts of the tree that cannot be made real (USB
// attributes, by-id links) in a folder of its own.
class CSerialDevices
{
public:
    explicit CSerialDevices(std::string root = std::string());

    const std::string& Root() const { return m_strRoot; }

    // Every USB or other bus serial device, and the built-in UARTs that a real
    // UART answers for (not the placeholder ttyS entries the kernel makes for
    // every possible port), sorted by node.
    std::vector<SerialDevice> Scan() const;

    // What the list knows of `path` (a node, a by-id or by-path link, any
    // other link to a node); a pseudo-terminal or another device outside the
    // list is described by its path alone. False when nothing is at `path`.
    [[nodiscard]] bool Describe(const std::string& path, SerialDevice& device) const;

    // A bare name from /dev/serial/by-id ("usb-FTDI_..."): its full path, as
    // the link and not its target. False when there is no such link.
    [[nodiscard]] bool FindById(const std::string& name, std::string& path) const;

    // "USB serial cable FT232R USB UART", "built-in serial port",
    // "pseudo-terminal"; empty when nothing better than the path is known.
    static std::string Label(const SerialDevice& device);

private:
    std::string Sys(const std::string& rest) const { return m_strRoot + "/sys" + rest; }
    std::string Dev(const std::string& rest) const { return m_strRoot + "/dev" + rest; }
    bool ReadEntry(const std::string& name, SerialDevice& device) const;
    void AddLinks(std::vector<SerialDevice>& devices) const;

    std::string m_strRoot;
};
