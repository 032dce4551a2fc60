// Port lock on a flock'ed file.

// own
#include "link/PortLock.h"

// std
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

CPortLock::~CPortLock()
{
    Release();
}

std::string CPortLock::LockFilePath()
{
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir != nullptr && runtimeDir[0] != '\0')
        return std::string(runtimeDir) + "/Vesk4Mutex";
    return "/tmp/Vesk4Mutex-" + std::to_string(::getuid()) + ".lock";
}

int CPortLock::OpenLockFile()
{
    const std::string path = LockFilePath();
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // A lock file that another user created still locks when read-only.
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    // A runtime directory that has gone (a logged-out session) is no reason
    // to refuse every port.
    if (fd < 0 && errno == ENOENT && std::getenv("XDG_RUNTIME_DIR") != nullptr)
    {
        const std::string fallback = "/tmp/Vesk4Mutex-" + std::to_string(::getuid()) + ".lock";
        fd = ::open(fallback.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    }
    return fd;
}

bool CPortLock::Acquire(int timeoutMs, const std::atomic<bool>* keepTrying)
{
    Release();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const int fd = OpenLockFile();
    if (fd < 0)
        return false;
    for (;;)
    {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        {
            m_nFd = fd;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        if (keepTrying != nullptr && !keepTrying->load())
            break;
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        // Holders keep it for one record at most, so a short sleep keeps the
        // hand-over quick without spinning.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::close(fd);
    return false;
}

void CPortLock::Release()
{
    if (m_nFd >= 0)
    {
        ::close(m_nFd);
        m_nFd = -1;
    }
}
