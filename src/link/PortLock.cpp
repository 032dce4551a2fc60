// Port lock on a flock'ed file in a folder only its user can write.

// own
#include "link/PortLock.h"

// std
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace
{
constexpr char kLockFileName[] = "Vesk4Mutex";
// File names stay well inside NAME_MAX; a longer device path keeps its
// beginning and ends in a hash of the whole, so it still has a lock of its own.
constexpr std::size_t kMaxEscaped = 180;

std::string Escaped(const std::string& text)
{
    std::string out;
    for (const char c : text)
    {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') || byte == '.' || byte == '-' || byte == '_')
        {
            out += c;
        }
        else
        {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            out += hex;
        }
    }
    if (out.size() > kMaxEscaped)
    {
        // FNV-1a: only needs to tell long names apart, not to be secret.
        std::uint64_t hash = 1469598103934665603ULL;
        for (const char c : text)
        {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        }
        char tail[20];
        std::snprintf(tail, sizeof tail, "~%016llx", static_cast<unsigned long long>(hash));
        out = out.substr(0, kMaxEscaped) + tail;
    }
    return out;
}

std::mutex& FallbackMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::string& FallbackParentPath()
{
    static std::string parent = "/tmp";
    return parent;
}

// A folder (not a link to one) that this user owns and nobody else may
// write: no one else can put a lock file there or swap the folder.
bool IsPrivateFolder(const struct stat& info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 022) == 0;
}

// Opens the folder itself, never through a symbolic link, and keeps it only
// when it is private; -1 otherwise.
int OpenPrivateFolder(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
    {
        return -1;
    }
    struct stat info{};
    if (::fstat(fd, &info) != 0 || !IsPrivateFolder(info))
    {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string RuntimeFolder()
{
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    return runtimeDir != nullptr ? std::string(runtimeDir) : std::string();
}

std::string PerUserFolder()
{
    return CPortLock::FallbackParent() + "/vesk4-" + std::to_string(::geteuid());
}

// The folder for the lock file, opened: the runtime directory if it is
// private, else the per-user folder, made first if it does not exist.
int OpenLockFolder(std::string& path)
{
    path = RuntimeFolder();
    if (!path.empty() && path[0] == '/')
    {
        const int fd = OpenPrivateFolder(path);
        if (fd >= 0)
        {
            return fd;
        }
    }
    path = PerUserFolder();
    // An existing folder is checked just like a new one, so one that another
    // user made in its place is refused.
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
    {
        return -1;
    }
    return OpenPrivateFolder(path);
}
} // namespace

CPortLock::CPortLock(const std::string& device) : m_strFileName(LockFileName(device)) {}

std::string CPortLock::LockFileName(const std::string& device)
{
    if (device.empty())
    {
        return kLockFileName;
    }
    return std::string(kLockFileName) + "-" + Escaped(ResolvedDevice(device));
}

std::string CPortLock::ResolvedDevice(const std::string& device)
{
    // Two names of one device share a lock; a name that leads nowhere (yet)
    // is taken as it is written.
    char resolved[PATH_MAX];
    return ::realpath(device.c_str(), resolved) != nullptr ? std::string(resolved) : device;
}

CPortLock::~CPortLock()
{
    Release();
}

void CPortLock::SetFallbackParent(const std::string& parent)
{
    std::lock_guard<std::mutex> guard(FallbackMutex());
    FallbackParentPath() = parent;
}

std::string CPortLock::FallbackParent()
{
    std::lock_guard<std::mutex> guard(FallbackMutex());
    return FallbackParentPath();
}

bool CPortLock::LockFilePath(std::string& path)
{
    std::string folder;
    const int fd = OpenLockFolder(folder);
    if (fd < 0)
    {
        return false;
    }
    ::close(fd);
    path = folder + "/" + kLockFileName;
    return true;
}

int CPortLock::OpenLockFile() const
{
    std::string folder;
    const int folderFd = OpenLockFolder(folder);
    if (folderFd < 0)
    {
        return -1;
    }
    // Never read-only: a file this user cannot write is not this user's lock.
    const int fd = ::openat(folderFd, m_strFileName.c_str(),
                            O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    ::close(folderFd);
    if (fd < 0)
    {
        return -1;
    }
    struct stat info{};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
    {
        ::close(fd);
        return -1;
    }
    // A lock file left by an older version may be readable by others; in a
    // private folder that is harmless, but it need not stay so.
    if ((info.st_mode & 077) != 0)
    {
        (void)::fchmod(fd, 0600);
    }
    return fd;
}

bool CPortLock::Acquire(int timeoutMs, const std::atomic<bool>* keepTrying)
{
    Release();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const int fd = OpenLockFile();
    if (fd < 0)
    {
        return false;
    }
    for (;;)
    {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        {
            m_nFd = fd;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
        {
            break;
        }
        if (keepTrying != nullptr && !keepTrying->load())
        {
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline)
        {
            break;
        }
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
