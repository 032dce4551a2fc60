// Port-name mapping.

// own
#include "link/PortMap.h"

// std
#include <cctype>

CPortMap::CPortMap()
{
    for (int i = 0; i < kPortCount; ++i)
    {
        m_devices[static_cast<std::size_t>(i)] = "/dev/ttyS" + std::to_string(i);
    }
}

void CPortMap::Load(const CProfileFile& profile)
{
    for (int i = 1; i <= kPortCount; ++i)
    {
        const std::string path = profile.ReadString("Devices", "COM" + std::to_string(i), "");
        if (!path.empty())
        {
            SetDevicePath(i, path);
        }
    }
}

std::string CPortMap::DevicePath(int portNumber) const
{
    if (portNumber < 1 || portNumber > kPortCount)
    {
        return {};
    }
    return m_devices[static_cast<std::size_t>(portNumber - 1)];
}

void CPortMap::SetDevicePath(int portNumber, const std::string& path)
{
    if (portNumber >= 1 && portNumber <= kPortCount)
    {
        m_devices[static_cast<std::size_t>(portNumber - 1)] = path;
    }
}

bool CPortMap::ParsePortName(const std::string& name, int& portNumber)
{
    if (name.size() != 4)
    {
        return false;
    }
    for (int i = 0; i < 3; ++i)
    {
        if (std::toupper(static_cast<unsigned char>(name[static_cast<std::size_t>(i)])) != "COM"[i])
        {
            return false;
        }
    }
    if (name[3] < '1' || name[3] > '0' + kPortCount)
    {
        return false;
    }
    portNumber = name[3] - '0';
    return true;
}

bool CPortMap::Resolve(const std::string& name, std::string& device,
                       const CSerialDevices& devices) const
{
    int portNumber = 0;
    if (ParsePortName(name, portNumber))
    {
        device = DevicePath(portNumber);
        return true;
    }
    if (name.find('/') != std::string::npos)
    {
        device = name;
        return true;
    }
    // The link, not its target: the stable name survives replugging.
    return devices.FindById(name, device);
}
