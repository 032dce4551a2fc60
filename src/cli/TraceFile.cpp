// The --trace file.

// own
#include "cli/TraceFile.h"
#include "cli/CliTexts.h"

// model
#include "model/TextFormat.h"

// std
#include <cerrno>
#include <cinttypes>

// POSIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CTraceFile::~CTraceFile()
{
    (void)Close();
}

bool CTraceFile::Open(const std::string& path)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    // Opened without blocking: a named pipe with no reader would otherwise
    // hold the program in open() with its signals not yet watched. Only a
    // file or a device (/dev/null, a terminal) is taken: a pipe that stops
    // being read would stall the link's threads at every record.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
    {
        return false;
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !(S_ISREG(status.st_mode) || S_ISCHR(status.st_mode)))
    {
        ::close(fd);
        errno = EINVAL;
        return false;
    }
    // Truncated only once it is known to be a file of its own.
    (void)::ftruncate(fd, 0);
    (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_pFile = ::fdopen(fd, "w");
    if (m_pFile == nullptr)
    {
        ::close(fd);
        return false;
    }
    m_start = std::chrono::steady_clock::now();
    const std::string stamp = StartStamp(std::chrono::system_clock::now());
    m_bFailed =
        std::fprintf(m_pFile, kTraceFirstLine, stamp.c_str()) < 0 || std::fflush(m_pFile) != 0;
    return !m_bFailed;
}

bool CTraceFile::Close()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (m_pFile == nullptr)
    {
        return !m_bFailed;
    }
    const bool closed = std::fclose(m_pFile) == 0;
    m_pFile = nullptr;
    return closed && !m_bFailed;
}

void CTraceFile::OnRecordSent(const std::uint8_t* bytes, std::size_t count)
{
    Write(kTraceSent, bytes, count);
}

void CTraceFile::OnRecordFailed(const std::uint8_t* bytes, std::size_t count)
{
    Write(kTraceFailed, bytes, count);
}

void CTraceFile::OnLineReceived(const std::uint8_t* bytes, std::size_t count)
{
    Write(kTraceReceived, bytes, count);
}

std::string CTraceFile::Describe(const char* mark, const std::uint8_t* bytes, std::size_t count)
{
    // The record's own CR LF ends the trace line; any other control byte is
    // part of what went over the wire and must stay visible.
    while (count > 0 && (bytes[count - 1] == '\n' || bytes[count - 1] == '\r'))
    {
        --count;
    }
    return mark + EscapeBytes({reinterpret_cast<const char*>(bytes), count}, "\\");
}

std::string CTraceFile::StartStamp(std::chrono::system_clock::time_point when)
{
    const auto sinceEpoch = when.time_since_epoch();
    const std::time_t seconds = static_cast<std::time_t>(
        std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch).count());
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(millis));
    return text;
}

void CTraceFile::Write(const char* mark, const std::uint8_t* bytes, std::size_t count)
{
    const std::string text = Describe(mark, bytes, count);
    std::lock_guard<std::mutex> guard(m_mutex);
    if (m_pFile == nullptr)
    {
        return;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - m_start)
                             .count();
    // Flushed line by line: a trace is wanted most when the program dies.
    if (std::fprintf(m_pFile, "%8" PRId64 " ms %s\n", static_cast<std::int64_t>(elapsed),
                     text.c_str()) < 0 ||
        std::fflush(m_pFile) != 0)
    {
        m_bFailed = true;
    }
}
