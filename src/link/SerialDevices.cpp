// The serial device list, read from sysfs and /dev/serial.

// own
#include "link/SerialDevices.h"
#include "link/LinkTexts.h"

// std
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
std::string ReadAttribute(const fs::path& path)
{
    std::ifstream in(path);
    std::string value;
    if (in)
    {
        std::getline(in, value);
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\n' || value.back() == '\r'))
    {
        value.pop_back();
    }
    return value;
}

std::string LinkName(const fs::path& link)
{
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    return error ? std::string() : target.filename().string();
}

fs::path Canonical(const fs::path& path)
{
    std::error_code error;
    fs::path result = fs::canonical(path, error);
    return error ? fs::path() : result;
}

// The serial core's port and controller devices stand between a UART and the
// driver that found it; the name worth showing is that driver's.
bool IsSerialCoreLayer(const std::string& driver)
{
    return driver.empty() || driver == "port" || driver == "ctrl";
}
} // namespace

CSerialDevices::CSerialDevices(std::string root) : m_strRoot(std::move(root))
{
    while (!m_strRoot.empty() && m_strRoot.back() == '/')
    {
        m_strRoot.pop_back();
    }
}

bool CSerialDevices::ReadEntry(const std::string& name, SerialDevice& device) const
{
    const fs::path entry = Sys("/class/tty/" + name);
    std::error_code error;
    // Virtual consoles, ptmx and the console have no device behind them.
    if (!fs::exists(entry / "device", error))
    {
        return false;
    }
    // The serial core gives its ports a type; 0 (PORT_UNKNOWN) is a
    // placeholder where no UART answered.
    const std::string type = ReadAttribute(entry / "type");
    if (!type.empty() && type == "0")
    {
        return false;
    }
    device = SerialDevice{};
    device.m_strNode = Dev("/" + name);

    const fs::path devices = Canonical(Sys("/devices"));
    for (fs::path at = Canonical(entry / "device"); !at.empty() && at != devices;
         at = at.parent_path())
    {
        if (IsSerialCoreLayer(device.m_strDriver))
        {
            device.m_strDriver = LinkName(at / "driver");
        }
        if (fs::exists(at / "idVendor", error))
        {
            device.m_bUsb = true;
            device.m_strVendorId = ReadAttribute(at / "idVendor");
            device.m_strProductId = ReadAttribute(at / "idProduct");
            device.m_strManufacturer = ReadAttribute(at / "manufacturer");
            device.m_strProduct = ReadAttribute(at / "product");
            device.m_strSerial = ReadAttribute(at / "serial");
            break;
        }
        if (at == at.parent_path())
        {
            break;
        }
    }
    return true;
}

void CSerialDevices::AddLinks(std::vector<SerialDevice>& devices) const
{
    const struct
    {
        const char* folder;
        std::string SerialDevice::*member;
    } kinds[] = {{"/serial/by-id", &SerialDevice::m_strById},
                 {"/serial/by-path", &SerialDevice::m_strByPath}};
    for (const auto& kind : kinds)
    {
        std::error_code error;
        for (const auto& link : fs::directory_iterator(Dev(kind.folder), error))
        {
            const fs::path target = Canonical(link.path());
            for (SerialDevice& device : devices)
            {
                if (!target.empty() && Canonical(device.m_strNode) == target)
                {
                    device.*kind.member = link.path().string();
                }
            }
        }
    }
}

std::vector<SerialDevice> CSerialDevices::Scan() const
{
    std::vector<SerialDevice> devices;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(Sys("/class/tty"), error))
    {
        SerialDevice device;
        if (ReadEntry(entry.path().filename().string(), device))
        {
            devices.push_back(std::move(device));
        }
    }
    AddLinks(devices);
    std::sort(devices.begin(), devices.end(),
              [](const SerialDevice& a, const SerialDevice& b)
              { return a.m_strNode < b.m_strNode; });
    return devices;
}

bool CSerialDevices::Describe(const std::string& path, SerialDevice& device) const
{
    const fs::path target = Canonical(path);
    if (target.empty())
    {
        return false;
    }
    for (const SerialDevice& listed : Scan())
    {
        if (Canonical(listed.m_strNode) == target)
        {
            device = listed;
            std::error_code error;
            // A link the user named is kept as the link: it is the stable name.
            if (fs::is_symlink(path, error) && device.m_strById.empty())
            {
                device.m_strById = path;
            }
            return true;
        }
    }
    device = SerialDevice{};
    device.m_strNode = target.string();
    device.m_bPseudo = device.m_strNode.rfind("/dev/pts/", 0) == 0;
    std::error_code error;
    if (fs::is_symlink(path, error))
    {
        device.m_strById = path;
    }
    return true;
}

bool CSerialDevices::FindById(const std::string& name, std::string& path) const
{
    if (name.empty() || name.find('/') != std::string::npos)
    {
        return false;
    }
    const std::string link = Dev("/serial/by-id/" + name);
    std::error_code error;
    if (!fs::is_symlink(link, error))
    {
        return false;
    }
    path = link;
    return true;
}

std::string CSerialDevices::Label(const SerialDevice& device)
{
    if (device.m_bUsb)
    {
        std::string what = device.m_strProduct;
        if (what.empty())
        {
            what = device.m_strVendorId + ":" + device.m_strProductId;
        }
        return std::string(kUsbSerialLabel) + " " + what;
    }
    if (device.m_bPseudo)
    {
        return kPseudoTerminalLabel;
    }
    if (!device.m_strDriver.empty())
    {
        return kBuiltInSerialLabel;
    }
    return {};
}
