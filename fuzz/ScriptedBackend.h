// A serial backend that plays a script instead of a device: each step is what
// the next wait or read finds. When the script runs out the device is gone,
// so a reader on it always comes to an end by itself.
#pragma once

// link
#include "link/SerialBackend.h"

// std
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

class CScriptedBackend : public ISerialBackend
{
public:
    enum class StepKind
    {
        Data,        // the wait finds bytes; reads take them (in pieces if need be)
        TimedOut,    // the wait runs out
        Woken,       // the wait is ended by a wake nobody asked for
        EmptyRead,   // the wait says readable, the read finds nothing
        ReadFails,   // the wait says readable, the read fails
        DiscardFails // arms a failure of the next discard of input (device still there)
    };
    struct Step
    {
        StepKind kind = StepKind::Data;
        std::vector<std::uint8_t> bytes;
    };

    explicit CScriptedBackend(std::vector<Step> script);

    PortError Open(const std::string& device) override;
    bool Configure(const LineSettings& settings) override;
    void Close() override;
    SerialResult WaitReadable(int timeoutMs) override;
    void Wake() override;
    SerialResult Read(std::uint8_t* dest, std::size_t capacity, std::size_t& got) override;
    SerialResult Write(const std::uint8_t* source, std::size_t count, int stallTimeoutMs) override;
    SerialResult Drain() override;
    SerialResult DiscardInput() override;
    SerialResult SetRts(bool on) override;
    SerialResult GetModemLines(bool& cts, bool& dsr) override;

    // Every byte the port wrote, in order.
    std::vector<std::uint8_t> Written() const;

private:
    mutable std::mutex m_mutex;
    std::deque<Step> m_script;
    std::vector<std::uint8_t> m_written;
    bool m_bOpen = false;
    bool m_bWake = false;
    // A step that made the wait report readable and now belongs to Read.
    bool m_bReadPending = false;
    int m_nDiscardFailures = 0;
};
