// The fake device tree.

// own
#include "FakeDeviceTree.h"
#include "TestFiles.h"

// std
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

CFakeDeviceTree::CFakeDeviceTree(std::string root) : m_strRoot(std::move(root))
{
    std::error_code error;
    fs::create_directories(m_strRoot + "/sys/class/tty", error);
    fs::create_directories(m_strRoot + "/sys/devices", error);
    fs::create_directories(m_strRoot + "/dev/serial/by-id", error);
    fs::create_directories(m_strRoot + "/dev/serial/by-path", error);
}

void CFakeDeviceTree::AddClassEntry(const std::string& tty, const std::string& deviceDir)
{
    std::error_code error;
    // The class entry is the tty's own folder below its device, as in sysfs.
    const fs::path own = fs::path(deviceDir) / "tty" / tty;
    fs::create_directories(own, error);
    fs::create_directory_symlink(deviceDir, own / "device", error);
    fs::create_directory_symlink(own, m_strRoot + "/sys/class/tty/" + tty, error);
    (void)WriteText(m_strRoot + "/dev/" + tty, "");
}

void CFakeDeviceTree::AddUsb(const std::string& tty, const std::string& vendor,
                             const std::string& product, const std::string& manufacturer,
                             const std::string& productName, const std::string& serial,
                             const std::string& driver, const std::string& byId)
{
    ++m_nUsbCount;
    const std::string port = "1-" + std::to_string(m_nUsbCount);
    const std::string usb = m_strRoot + "/sys/devices/pci0000:00/usb1/" + port;
    const std::string interface = usb + "/" + port + ":1.0";
    std::error_code error;
    fs::create_directories(interface, error);
    const std::string drivers = m_strRoot + "/sys/bus/usb/drivers/" + driver;
    fs::create_directories(drivers, error);
    fs::create_directory_symlink(drivers, interface + "/driver", error);
    (void)WriteText(usb + "/idVendor", vendor + "\n");
    (void)WriteText(usb + "/idProduct", product + "\n");
    (void)WriteText(usb + "/manufacturer", manufacturer + "\n");
    (void)WriteText(usb + "/product", productName + "\n");
    (void)WriteText(usb + "/serial", serial + "\n");
    AddClassEntry(tty, interface);
    if (!byId.empty())
    {
        fs::create_symlink("../../" + tty, m_strRoot + "/dev/serial/by-id/" + byId, error);
    }
    fs::create_symlink("../../" + tty,
                       m_strRoot + "/dev/serial/by-path/pci-0000:00:14.0-usb-0:" +
                           std::to_string(m_nUsbCount) + ":1.0",
                       error);
}

void CFakeDeviceTree::AddUart(const std::string& tty, const std::string& type)
{
    const std::string platform = m_strRoot + "/sys/devices/platform/serial8250";
    const std::string port = platform + "/serial8250:0." + tty;
    std::error_code error;
    fs::create_directories(port, error);
    const std::string drivers = m_strRoot + "/sys/bus/platform/drivers/serial8250";
    const std::string core = m_strRoot + "/sys/bus/serial-base/drivers/port";
    fs::create_directories(drivers, error);
    fs::create_directories(core, error);
    fs::create_directory_symlink(drivers, platform + "/driver", error);
    // The serial core's own port device stands between, as on newer kernels.
    fs::create_directory_symlink(core, port + "/driver", error);
    AddClassEntry(tty, port);
    (void)WriteText(port + "/tty/" + tty + "/type", type + "\n");
}

void CFakeDeviceTree::AddVirtual(const std::string& tty)
{
    const std::string own = m_strRoot + "/sys/devices/virtual/tty/" + tty;
    std::error_code error;
    fs::create_directories(own, error);
    fs::create_directory_symlink(own, m_strRoot + "/sys/class/tty/" + tty, error);
    (void)WriteText(m_strRoot + "/dev/" + tty, "");
}

void CFakeDeviceTree::Remove(const std::string& tty)
{
    std::error_code error;
    const fs::path entry = m_strRoot + "/sys/class/tty/" + tty;
    const fs::path own = fs::canonical(entry, error);
    fs::remove(entry, error);
    if (!own.empty())
    {
        fs::remove_all(own, error);
    }
    fs::remove(m_strRoot + "/dev/" + tty, error);
    for (const char* folder : {"/dev/serial/by-id", "/dev/serial/by-path"})
    {
        for (const auto& link : fs::directory_iterator(m_strRoot + folder, error))
        {
            if (!fs::exists(link.path(), error))
            {
                fs::remove(link.path(), error);
            }
        }
    }
}
