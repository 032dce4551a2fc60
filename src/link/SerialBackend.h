// The small interface between the port class and the operating system's serial
// device, so that a fake can show modem-line paths a pseudo-terminal cannot.
#pragma once

// std
#include <cstddef>
#include <cstdint>
#include <string>

// Why a port could not be opened or stopped working.
enum class PortError
{
    None,
    Missing,     // no such device
    InUse,       // another program (or port object) has it open
    Denied,      // no permission to open it
    NotSerial,   // opened, but it is not a terminal device
    Configure,   // the line settings were refused
    LockTimeout, // the port lock "Vesk4Mutex" was not had in time
    Lost,        // the device went away while open
    Failed,      // anything else
};

enum class [[nodiscard]] SerialResult{
    Ok,
    Empty,    // a read found nothing waiting
    TimedOut, // a wait or a stalled write ran out of time
    Woken,    // Wake() ended the wait
    Gone,     // the device went away (hang-up, unplugged adapter)
    Failed,
};

// The line settings that Open builds and ConfigureLine amends before they are
// applied.
struct LineSettings
{
    std::uint32_t baudRate = 9600;
    int dataBits = 8;
    bool parity = false; // even parity when set
    bool twoStopBits = false;
    bool dtrEnable = true;
    bool rtsEnable = true;
    bool ctsOutFlow = false; // send only while CTS is asserted
    bool dsrOutFlow = false; // send only while DSR is asserted
};

class ISerialBackend
{
public:
    virtual ~ISerialBackend() = default;

    [[nodiscard]] virtual PortError Open(const std::string& device) = 0;
    [[nodiscard]] virtual bool Configure(const LineSettings& settings) = 0;
    virtual void Close() = 0;

    // Waits up to timeoutMs for received bytes; Wake() from another thread
    // ends the wait at once with Woken.
    virtual SerialResult WaitReadable(int timeoutMs) = 0;
    virtual void Wake() = 0;
    // Takes whatever is waiting, without blocking.
    virtual SerialResult Read(std::uint8_t* dest, std::size_t capacity, std::size_t& got) = 0;
    // Writes every byte; fails with TimedOut when the device takes nothing for
    // stallTimeoutMs.
    virtual SerialResult Write(const std::uint8_t* source, std::size_t count,
                               int stallTimeoutMs) = 0;
    // Returns once every written byte has left the device.
    virtual SerialResult Drain() = 0;
    virtual SerialResult DiscardInput() = 0;
    virtual SerialResult SetRts(bool on) = 0;
    // A device without modem lines reports CTS and DSR as present.
    virtual SerialResult GetModemLines(bool& cts, bool& dsr) = 0;
};
