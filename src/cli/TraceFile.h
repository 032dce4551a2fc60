// The --trace file: every record sent to the radio and every line received,
// each with the milliseconds since the trace began, so a failing transfer
// can be sent on as it happened.
#pragma once

// link
#include "link/LinkTrace.h"

// std
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>

class CTraceFile : public ILinkTrace
{
public:
    CTraceFile() = default;
    ~CTraceFile() override;
    CTraceFile(const CTraceFile&) = delete;
    CTraceFile& operator=(const CTraceFile&) = delete;

    // Creates (or truncates) the file and writes the first line with the
    // wall-clock start; false, with errno set, when it cannot be written or
    // is neither a file nor a device (EINVAL), and never blocks in opening.
    [[nodiscard]] bool Open(const std::string& path);
    // Closes the file; false when anything written to it was lost.
    [[nodiscard]] bool Close();
    bool IsOpen() const { return m_pFile != nullptr; }

    void OnRecordSent(const std::uint8_t* bytes, std::size_t count) override;
    void OnRecordFailed(const std::uint8_t* bytes, std::size_t count) override;
    void OnLineReceived(const std::uint8_t* bytes, std::size_t count) override;

    // One trace line, without its time stamp: the direction mark, then the
    // bytes with the line ending left off and anything unprintable as \xNN.
    static std::string Describe(const char* mark, const std::uint8_t* bytes, std::size_t count);
    // The first line's wall-clock time, UTC with milliseconds.
    static std::string StartStamp(std::chrono::system_clock::time_point when);

private:
    void Write(const char* mark, const std::uint8_t* bytes, std::size_t count);

    // The reader thread and the writing thread both write here.
    std::mutex m_mutex;
    std::FILE* m_pFile = nullptr;
    bool m_bFailed = false;
    std::chrono::steady_clock::time_point m_start;
};
