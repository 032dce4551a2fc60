// Simulated radio on a pseudo-terminal.

// own
#include "sim/SimPort.h"

// std
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

namespace
{
// Neither a record start ("S", "M") nor a line feed, so the receiver sees
// bytes outside any line.
constexpr char kGarbage[] = "#?*%!";
} // namespace

CSimPort::CSimPort(CSimRadio& radio) : m_radio(radio) {}

CSimPort::~CSimPort()
{
    Stop();
}

bool CSimPort::Start()
{
    Stop();
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
    {
        return false;
    }
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0)
    {
        ::close(master);
        return false;
    }
    char name[128];
    if (::ptsname_r(master, name, sizeof name) != 0)
    {
        ::close(master);
        return false;
    }
    // Raw both ways, as a radio's serial line: no echo, no line editing, no
    // CR/LF translation.
    termios settings{};
    if (::tcgetattr(master, &settings) == 0)
    {
        ::cfmakeraw(&settings);
        (void)::tcsetattr(master, TCSANOW, &settings);
    }
    const int flags = ::fcntl(master, F_GETFL);
    (void)::fcntl(master, F_SETFL, flags | O_NONBLOCK);
    m_nWake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_nWake < 0)
    {
        ::close(master);
        return false;
    }
    m_nMaster = master;
    m_strDevice = name;
    m_nRecords = 0;
    m_nSent = 0;
    m_bHungUp = false;
    m_bRunning = true;
    m_thread = std::thread(&CSimPort::Run, this);
    return true;
}

void CSimPort::SetPaused(bool paused)
{
    std::lock_guard<std::mutex> lock(m_pauseMutex);
    m_bPaused = paused;
    m_pauseChanged.notify_all();
}

bool CSimPort::WaitWhilePaused()
{
    std::unique_lock<std::mutex> lock(m_pauseMutex);
    m_pauseChanged.wait(lock, [this] { return !m_bPaused.load() || !m_bRunning.load(); });
    return m_bRunning.load();
}

void CSimPort::Stop()
{
    m_bRunning = false;
    {
        // Taken so that a wait that has just seen the port running cannot
        // miss this wake-up.
        std::lock_guard<std::mutex> lock(m_pauseMutex);
        m_pauseChanged.notify_all();
    }
    if (m_thread.joinable())
    {
        const std::uint64_t one = 1;
        (void)!::write(m_nWake, &one, sizeof one);
        m_thread.join();
    }
    if (m_nMaster >= 0)
    {
        ::close(m_nMaster);
        m_nMaster = -1;
    }
    if (m_nWake >= 0)
    {
        ::close(m_nWake);
        m_nWake = -1;
    }
}

void CSimPort::Run()
{
    char buffer[512];
    while (m_bRunning && m_nMaster >= 0)
    {
        if (!WaitWhilePaused())
        {
            break;
        }
        pollfd fds[2] = {{m_nMaster, POLLIN, 0}, {m_nWake, POLLIN, 0}};
        const int result = ::poll(fds, 2, 200);
        if (result < 0 && errno != EINTR)
        {
            break;
        }
        if (result <= 0 || (fds[1].revents & POLLIN))
        {
            continue;
        }
        if (!(fds[0].revents & POLLIN))
        {
            // No one has the device open: nothing to read until someone does.
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        std::size_t wanted = sizeof buffer;
        if (m_nBaud != 0)
        {
            // A paced radio takes in what it hears as a serial line delivers
            // it: one byte each byte time, the next one left waiting in the
            // line. Taking a chunk and sleeping through it instead would let
            // the sender find the line full for the whole chunk's time.
            const auto byteTime = std::chrono::nanoseconds(10'000'000'000LL / m_nBaud);
            const auto now = std::chrono::steady_clock::now();
            m_nextInput = std::max(m_nextInput, now - byteTime) + byteTime;
            std::this_thread::sleep_until(m_nextInput);
            wanted = 1;
        }
        const ssize_t n = ::read(m_nMaster, buffer, wanted);
        if (n <= 0)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (m_bDetached)
        {
            continue;
        }
        std::vector<std::string> replies;
        const int received = m_radio.Receive(reinterpret_cast<const std::uint8_t*>(buffer),
                                             static_cast<std::size_t>(n), replies);
        bool alive = true;
        for (int i = 0; i < received && alive; ++i)
        {
            alive = CountRecord();
        }
        m_nextByte = std::chrono::steady_clock::now();
        for (const std::string& reply : replies)
        {
            if (!alive || !SendRecord(reply))
            {
                break;
            }
        }
    }
}

bool CSimPort::CountRecord()
{
    ++m_nRecords;
    if (m_nRecords == m_faults.pauseAfter)
    {
        SetPaused(true);
    }
    if (m_faults.hangupAfter >= 0 && m_nRecords >= m_faults.hangupAfter)
    {
        HangUp();
        return false;
    }
    return true;
}

void CSimPort::HangUp()
{
    ::close(m_nMaster);
    m_nMaster = -1;
    m_bHungUp = true;
    m_bRunning = false;
}

bool CSimPort::SendRecord(const std::string& record)
{
    if (m_faults.silent)
    {
        return false;
    }
    if (m_faults.noise)
    {
        (void)SendBytes(kGarbage, sizeof kGarbage - 1);
        return false;
    }
    if (!WaitWhilePaused())
    {
        return false;
    }
    const int number = m_nSent + 1; // from 1
    if (m_faults.stallAfter >= 0 && number > m_faults.stallAfter)
    {
        return false;
    }
    if (number == m_faults.garbageBefore)
    {
        if (!SendBytes(kGarbage, sizeof kGarbage - 1))
        {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(m_faults.garbagePauseMs));
        m_nextByte = std::chrono::steady_clock::now();
    }
    std::string text = record;
    if (number == m_faults.corruptRecord && text.size() >= 4)
    {
        // The last checksum digit changed: still hexadecimal, no longer right.
        char& digit = text[text.size() - 3];
        digit = digit == '0' ? '1' : '0';
    }
    if (!SendBytes(text.data(), text.size()))
    {
        return false;
    }
    m_radio.NoteSent(text);
    ++m_nSent;
    if (m_nSent == m_faults.pauseAfterSent)
    {
        SetPaused(true);
    }
    return CountRecord();
}

bool CSimPort::SendBytes(const char* bytes, std::size_t count)
{
    using Clock = std::chrono::steady_clock;
    // At a given baud rate every byte takes ten bit times (start, 8 data,
    // stop); each is handed over when its last bit would have arrived, on
    // a schedule that does not drift.
    const bool paced = m_nBaud != 0;
    const auto byteTime =
        paced ? std::chrono::nanoseconds(10'000'000'000LL / m_nBaud) : std::chrono::nanoseconds(0);
    std::size_t done = 0;
    while (done < count)
    {
        if (!m_bRunning || m_nMaster < 0)
        {
            return false;
        }
        std::size_t chunk = count - done;
        if (paced)
        {
            chunk = 1;
            m_nextByte = std::max(m_nextByte, Clock::now() - byteTime) + byteTime;
            std::this_thread::sleep_until(m_nextByte);
        }
        const ssize_t n = ::write(m_nMaster, bytes + done, chunk);
        if (n > 0)
        {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
        {
            return false;
        }
        pollfd fds[2] = {{m_nMaster, POLLOUT, 0}, {m_nWake, POLLIN, 0}};
        (void)::poll(fds, 2, 100);
        if (fds[0].revents & (POLLHUP | POLLERR))
        {
            return false; // the other side closed the device
        }
    }
    return true;
}
