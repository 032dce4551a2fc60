// Helpers for the tests of the link and of what talks over it (the simulated
// radio, the Radio Comm form): a real pseudo-terminal pair whose master side
// plays the radio, short port timings, and waits for a state rather than for
// a time.
#pragma once

// link
#include "link/CommPort.h"
#include "link/LinkQueue.h"
#include "link/RadioLink.h"

// std
#include <gtest/gtest.h>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>

class CPtyPair
{
public:
    CPtyPair()
    {
        m_nMaster = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_nMaster < 0 || ::grantpt(m_nMaster) != 0 || ::unlockpt(m_nMaster) != 0)
        {
            return;
        }
        char name[128];
        if (::ptsname_r(m_nMaster, name, sizeof name) != 0)
        {
            return;
        }
        m_strSlave = name;
        termios settings{};
        ::tcgetattr(m_nMaster, &settings);
        ::cfmakeraw(&settings);
        ::tcsetattr(m_nMaster, TCSANOW, &settings);
    }
    ~CPtyPair() { CloseMaster(); }
    CPtyPair(const CPtyPair&) = delete;
    CPtyPair& operator=(const CPtyPair&) = delete;

    bool IsValid() const { return m_nMaster >= 0 && !m_strSlave.empty(); }
    const std::string& SlavePath() const { return m_strSlave; }
    int Master() const { return m_nMaster; }

    void CloseMaster()
    {
        if (m_nMaster >= 0)
        {
            ::close(m_nMaster);
        }
        m_nMaster = -1;
    }

    bool Send(const std::string& bytes)
    {
        return ::write(m_nMaster, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Reads until count bytes came or timeoutMs passed.
    std::string Receive(std::size_t count, int timeoutMs = 2000)
    {
        std::string data;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (data.size() < count && std::chrono::steady_clock::now() < deadline)
        {
            pollfd fd{m_nMaster, POLLIN, 0};
            if (::poll(&fd, 1, 20) > 0 && (fd.revents & POLLIN))
            {
                char buffer[4096];
                const ssize_t n = ::read(m_nMaster, buffer, sizeof buffer);
                if (n > 0)
                {
                    data.append(buffer, static_cast<std::size_t>(n));
                }
            }
        }
        return data;
    }

    // Everything that arrives until the line has been quiet for quietMs.
    std::string ReceiveAll(int quietMs = 150)
    {
        std::string data;
        for (;;)
        {
            pollfd fd{m_nMaster, POLLIN, 0};
            if (::poll(&fd, 1, quietMs) <= 0 || !(fd.revents & POLLIN))
            {
                return data;
            }
            char buffer[4096];
            const ssize_t n = ::read(m_nMaster, buffer, sizeof buffer);
            if (n <= 0)
            {
                return data;
            }
            data.append(buffer, static_cast<std::size_t>(n));
        }
    }

private:
    int m_nMaster = -1;
    std::string m_strSlave;
};

// Opens link on the pair's slave side with its reader, posting kLinkMessage
// to queue as the forms' link does, and drops RTS as a finished write leaves
// it.
inline ::testing::AssertionResult OpenOnPty(CRadioLink& link, const CPtyPair& pty,
                                            CLinkQueue& queue)
{
    if (!pty.IsValid())
    {
        return ::testing::AssertionFailure() << "no pseudo-terminal pair";
    }
    link.SetDevicePath(pty.SlavePath());
    link.SetNotifyWindow(&queue);
    link.SetNotifyMessage(kLinkMessage);
    if (!link.Open(0, true))
    {
        return ::testing::AssertionFailure() << "cannot open " << pty.SlavePath();
    }
    link.ReleaseRts();
    return ::testing::AssertionSuccess();
}

inline std::string Text(const std::vector<std::uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// Takes messages until one arrives or timeoutMs passes.
inline bool NextMessage(CLinkQueue& queue, LinkMessage& message, int timeoutMs = 2000)
{
    return queue.Wait(timeoutMs, message);
}

// Waits for a state that another thread brings about; true as soon as it
// holds. The limit only ends a test that has already failed.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done())
    {
        if (std::chrono::steady_clock::now() >= deadline)
        {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Port timings short enough that a test can wait out each of them. The lock
// wait stays long: tests that need it short say so.
inline PortTimings ShortTimings()
{
    PortTimings timings;
    timings.readWaitMs = 100;
    timings.writeStallMs = 200;
    timings.ctsPolls = 5;
    timings.ctsPollMs = 2;
    return timings;
}
