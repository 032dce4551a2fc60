// POSIX terminal backend: open with an advisory lock for exclusivity, raw 8N1
// settings, poll-based waits that an eventfd can interrupt.

// own
#include "link/PosixSerialBackend.h"

// std
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace
{
bool IsGoneError(int error)
{
    return error == EIO || error == ENXIO || error == ENODEV || error == EBADF;
}

speed_t SpeedFor(std::uint32_t baud)
{
    switch (baud)
    {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}
} // namespace

CPosixSerialBackend::~CPosixSerialBackend()
{
    Close();
}

PortError CPosixSerialBackend::Open(const std::string& device)
{
    Close();
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
    {
        const int error = errno;
        if (error == ENOENT || error == ENXIO || error == ENODEV || error == ENOTDIR)
        {
            return PortError::Missing;
        }
        if (error == EACCES || error == EPERM || error == EROFS)
        {
            return PortError::Denied;
        }
        if (error == EBUSY)
        {
            return PortError::InUse;
        }
        return PortError::Failed;
    }
    // The advisory lock excludes every cooperating opener, root included;
    // TIOCEXCL below keeps out programs that do not lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? PortError::InUse : PortError::Failed;
    }
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
    {
        ::close(fd);
        return PortError::NotSerial;
    }
    if (::ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY)
    {
        ::close(fd);
        return PortError::Failed;
    }
    int lines = 0;
    m_bModemLines = true;
    if (::ioctl(fd, TIOCMGET, &lines) != 0)
    {
        const int error = errno;
        if (error == ENOTTY || error == EINVAL)
        {
            m_bModemLines = false;
        }
        else
        {
            ::close(fd);
            return IsGoneError(error) ? PortError::Missing : PortError::Failed;
        }
    }
    const int wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd < 0)
    {
        ::close(fd);
        return PortError::Failed;
    }
    m_nFd = fd;
    m_nWakeFd = wakeFd;
    return PortError::None;
}

bool CPosixSerialBackend::Configure(const LineSettings& line)
{
    if (m_nFd < 0)
    {
        return false;
    }
    termios settings{};
    if (::tcgetattr(m_nFd, &settings) != 0)
    {
        return false;
    }
    const speed_t speed = SpeedFor(line.baudRate);
    if (speed == B0)
    {
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    switch (line.dataBits)
    {
    case 5:
        settings.c_cflag |= CS5;
        break;
    case 6:
        settings.c_cflag |= CS6;
        break;
    case 7:
        settings.c_cflag |= CS7;
        break;
    default:
        settings.c_cflag |= CS8;
        break;
    }
    if (line.parity)
    {
        settings.c_cflag |= PARENB;
    }
    if (line.twoStopBits)
    {
        settings.c_cflag |= CSTOPB;
    }
    // CRTSCTS stays off: it would hand RTS to the driver, and Linux has no
    // CTS-only output flow control. The keyed write polls CTS itself.
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (::cfsetispeed(&settings, speed) != 0 || ::cfsetospeed(&settings, speed) != 0)
    {
        return false;
    }
    if (::tcsetattr(m_nFd, TCSANOW, &settings) != 0)
    {
        return false;
    }
    if (SetModemBit(TIOCM_DTR, line.dtrEnable) != SerialResult::Ok)
    {
        return false;
    }
    return SetModemBit(TIOCM_RTS, line.rtsEnable) == SerialResult::Ok;
}

void CPosixSerialBackend::Close()
{
    if (m_nFd >= 0)
    {
        // The exclusive flag outlives this descriptor when someone else (the
        // master side of a pseudo-terminal) keeps the terminal alive.
        (void)::ioctl(m_nFd, TIOCNXCL);
        ::close(m_nFd);
        m_nFd = -1;
    }
    if (m_nWakeFd >= 0)
    {
        ::close(m_nWakeFd);
        m_nWakeFd = -1;
    }
}

SerialResult CPosixSerialBackend::WaitReadable(int timeoutMs)
{
    if (m_nFd < 0)
    {
        return SerialResult::Gone;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;)
    {
        pollfd fds[2] = {{m_nFd, POLLIN, 0}, {m_nWakeFd, POLLIN, 0}};
        // Rounded up: a wait never ends before its time, so a line is never
        // dropped for a pause shorter than the stated one.
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        const int result = ::poll(fds, 2, left.count() > 0 ? static_cast<int>(left.count()) : 0);
        if (result < 0)
        {
            if (errno == EINTR)
            {
                continue;
            }
            return SerialResult::Failed;
        }
        if (result == 0)
        {
            return SerialResult::TimedOut;
        }
        if (fds[1].revents & POLLIN)
        {
            std::uint64_t count = 0;
            (void)!::read(m_nWakeFd, &count, sizeof count);
            return SerialResult::Woken;
        }
        // Bytes still queued are taken before the hang-up is reported.
        if (fds[0].revents & POLLIN)
        {
            return SerialResult::Ok;
        }
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL))
        {
            return SerialResult::Gone;
        }
    }
}

void CPosixSerialBackend::Wake()
{
    if (m_nWakeFd >= 0)
    {
        const std::uint64_t one = 1;
        (void)!::write(m_nWakeFd, &one, sizeof one);
    }
}

SerialResult CPosixSerialBackend::Read(std::uint8_t* dest, std::size_t capacity, std::size_t& got)
{
    got = 0;
    if (m_nFd < 0)
    {
        return SerialResult::Gone;
    }
    for (;;)
    {
        const ssize_t n = ::read(m_nFd, dest, capacity);
        if (n > 0)
        {
            got = static_cast<std::size_t>(n);
            return SerialResult::Ok;
        }
        if (n == 0)
        {
            return SerialResult::Gone; // end of file on a terminal: hung up
        }
        if (errno == EINTR)
        {
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK)
        {
            return SerialResult::Empty;
        }
        return IsGoneError(errno) ? SerialResult::Gone : SerialResult::Failed;
    }
}

SerialResult CPosixSerialBackend::Write(const std::uint8_t* source, std::size_t count,
                                        int stallTimeoutMs)
{
    if (m_nFd < 0)
    {
        return SerialResult::Gone;
    }
    using Clock = std::chrono::steady_clock;
    // The stall runs from the last byte the device took. It is polled in
    // short steps and the write tried again after each: a pseudo-terminal
    // whose reader takes a byte at a time makes room without ever waking a
    // writer that waits for it.
    constexpr int kRetryMs = 20;
    auto lastProgress = Clock::now();
    std::size_t done = 0;
    while (done < count)
    {
        const ssize_t n = ::write(m_nFd, source + done, count - done);
        if (n > 0)
        {
            done += static_cast<std::size_t>(n);
            lastProgress = Clock::now();
            continue;
        }
        if (n < 0 && errno == EINTR)
        {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
        {
            return IsGoneError(errno) ? SerialResult::Gone : SerialResult::Failed;
        }
        const auto waited =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - lastProgress);
        if (waited.count() >= stallTimeoutMs)
        {
            return SerialResult::TimedOut;
        }
        pollfd fd{m_nFd, POLLOUT, 0};
        const int step = std::min<int>(kRetryMs, stallTimeoutMs - static_cast<int>(waited.count()));
        const int result = ::poll(&fd, 1, step);
        if (result < 0 && errno == EINTR)
        {
            continue;
        }
        if (result < 0)
        {
            return SerialResult::Failed;
        }
        if (result == 0)
        {
            continue;
        }
        if (fd.revents & (POLLHUP | POLLERR | POLLNVAL))
        {
            return SerialResult::Gone;
        }
    }
    return SerialResult::Ok;
}

SerialResult CPosixSerialBackend::Drain()
{
    if (m_nFd < 0)
    {
        return SerialResult::Gone;
    }
    while (::tcdrain(m_nFd) != 0)
    {
        if (errno != EINTR)
        {
            return IsGoneError(errno) ? SerialResult::Gone : SerialResult::Failed;
        }
    }
    return SerialResult::Ok;
}

SerialResult CPosixSerialBackend::DiscardInput()
{
    if (m_nFd < 0)
    {
        return SerialResult::Gone;
    }
    if (::tcflush(m_nFd, TCIFLUSH) != 0)
    {
        return IsGoneError(errno) ? SerialResult::Gone : SerialResult::Failed;
    }
    return SerialResult::Ok;
}

SerialResult CPosixSerialBackend::SetModemBit(int bit, bool on)
{
    if (m_nFd < 0)
    {
        return SerialResult::Gone;
    }
    if (!m_bModemLines)
    {
        return SerialResult::Ok;
    }
    if (::ioctl(m_nFd, on ? TIOCMBIS : TIOCMBIC, &bit) != 0)
    {
        return IsGoneError(errno) ? SerialResult::Gone : SerialResult::Failed;
    }
    return SerialResult::Ok;
}

SerialResult CPosixSerialBackend::SetRts(bool on)
{
    return SetModemBit(TIOCM_RTS, on);
}

SerialResult CPosixSerialBackend::GetModemLines(bool& cts, bool& dsr)
{
    cts = true;
    dsr = true;
    if (m_nFd < 0)
    {
        return SerialResult::Gone;
    }
    if (!m_bModemLines)
    {
        return SerialResult::Ok;
    }
    int lines = 0;
    if (::ioctl(m_nFd, TIOCMGET, &lines) != 0)
    {
        return IsGoneError(errno) ? SerialResult::Gone : SerialResult::Failed;
    }
    cts = (lines & TIOCM_CTS) != 0;
    dsr = (lines & TIOCM_DSR) != 0;
    return SerialResult::Ok;
}
