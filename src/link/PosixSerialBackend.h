// The serial backend for POSIX terminals: real serial ports, USB adapters and
// pseudo-terminals.
#pragma once

// own
#include "link/SerialBackend.h"

class CPosixSerialBackend : public ISerialBackend
{
public:
    CPosixSerialBackend() = default;
    ~CPosixSerialBackend() override;
    CPosixSerialBackend(const CPosixSerialBackend&) = delete;
    CPosixSerialBackend& operator=(const CPosixSerialBackend&) = delete;

    [[nodiscard]] PortError Open(const std::string& device) override;
    [[nodiscard]] bool Configure(const LineSettings& settings) override;
    void Close() override;
    SerialResult WaitReadable(int timeoutMs) override;
    void Wake() override;
    SerialResult Read(std::uint8_t* dest, std::size_t capacity, std::size_t& got) override;
    SerialResult Write(const std::uint8_t* source, std::size_t count, int stallTimeoutMs) override;
    SerialResult Drain() override;
    SerialResult DiscardInput() override;
    SerialResult SetRts(bool on) override;
    SerialResult GetModemLines(bool& cts, bool& dsr) override;

private:
    SerialResult SetModemBit(int bit, bool on);

    int m_nFd = -1;
    int m_nWakeFd = -1;
    // A pseudo-terminal has no modem lines; RTS changes then do nothing and
    // CTS and DSR count as present.
    bool m_bModemLines = false;
};
