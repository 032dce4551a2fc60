// The simulated radio on a pseudo-terminal: the link opens the device path it
// prints; a thread answers as the radio, optionally paced at a baud rate and
// with faults.
#pragma once

// own
#include "sim/SimFaults.h"
#include "sim/SimRadio.h"

// std
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class CSimPort
{
public:
    explicit CSimPort(CSimRadio& radio);
    ~CSimPort();
    CSimPort(const CSimPort&) = delete;
    CSimPort& operator=(const CSimPort&) = delete;

    // 0 (the default) sends and takes in as fast as the pseudo-terminal
    // allows; otherwise both at the pace of the given baud rate.
    void SetBaud(std::uint32_t baud) { m_nBaud = baud; }
    void SetFaults(const SimFaults& faults) { m_faults = faults; }
    // While paused the radio neither takes in nor answers: what the link
    // sends waits in the line's buffer (a long download stalls once it is
    // full) and an answer under way stops before its next record. Tests use
    // it to hold a transfer open for as long as they need, whatever the
    // machine's speed. May be called at any time, also before Start.
    void SetPaused(bool paused);
    bool IsPaused() const { return m_bPaused.load(); }
    // While detached the radio is off its cable: what the link sends is lost
    // unheard and nothing answers, as when a radio is taken away from a
    // programming lead that stays plugged in. May be called at any time.
    void SetDetached(bool detached) { m_bDetached = detached; }

    // Opens the pseudo-terminal (line set raw) and starts answering.
    [[nodiscard]] bool Start();
    void Stop();
    const std::string& DevicePath() const { return m_strDevice; }
    // The hang-up fault has closed the pseudo-terminal.
    bool IsHungUp() const { return m_bHungUp.load(); }
    bool IsRunning() const { return m_bRunning.load(); }
    int RecordsSent() const { return m_nSent.load(); }

private:
    void Run();
    // False when the other side went away or the port is stopping.
    [[nodiscard]] bool SendRecord(const std::string& record);
    [[nodiscard]] bool SendBytes(const char* bytes, std::size_t count);
    bool CountRecord();
    void HangUp();
    // Waits while paused; false when the port is stopping.
    [[nodiscard]] bool WaitWhilePaused();

    CSimRadio& m_radio;
    SimFaults m_faults;
    std::uint32_t m_nBaud = 0;
    std::string m_strDevice;
    int m_nMaster = -1;
    int m_nWake = -1;
    std::thread m_thread;
    std::atomic<bool> m_bRunning{false};
    std::atomic<bool> m_bHungUp{false};
    std::atomic<bool> m_bPaused{false};
    std::atomic<bool> m_bDetached{false};
    std::mutex m_pauseMutex;
    std::condition_variable m_pauseChanged;
    std::atomic<int> m_nSent{0};
    int m_nRecords = 0; // received and sent, for the hang-up fault
    std::chrono::steady_clock::time_point m_nextByte{};
    std::chrono::steady_clock::time_point m_nextInput{};
};
