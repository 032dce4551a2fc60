// Port names "COM1".."COM4" and the device paths they stand for.
#pragma once

// own
#include "link/ProfileFile.h"
#include "link/SerialDevices.h"

// std
#include <array>
#include <string>

// Defaults /dev/ttyS0../dev/ttyS3; section "Devices" of "Comport.ini" may name
// others ("COM1=/dev/ttyUSB0").
class CPortMap
{
public:
    static constexpr int kPortCount = 4;

    CPortMap();

    // Takes COM1..COM4 from section "Devices"; keys that are missing or empty
    // keep their defaults.
    void Load(const CProfileFile& profile);

    // The device path of port 1..4; empty for any other number.
    std::string DevicePath(int portNumber) const;
    void SetDevicePath(int portNumber, const std::string& path);

    // "COM1".."COM4" (any case) gives 1..4; anything else false.
    [[nodiscard]] static bool ParsePortName(const std::string& name, int& portNumber);
    // A port name through the map, a device path (anything with a '/') as it
    // stands, or a name in /dev/serial/by-id as the path of that link.
    [[nodiscard]] bool Resolve(const std::string& name, std::string& device,
                               const CSerialDevices& devices = CSerialDevices()) const;

private:
    std::array<std::string, kPortCount> m_devices;
};
