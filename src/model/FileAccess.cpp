// File reading and replacing. The operations here need a few POSIX calls that
// standard C++ has no words for (opening without blocking, flushing to the
// disk, creating a file exclusively); they stay in this one file.
#include "model/FileAccess.h"

// std
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

// POSIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0)
    {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
        {
            continue;
        }
        if (n <= 0)
        {
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a path finally names: a symbolic link is replaced through, so that
// saving over a linked dump file keeps the link.
std::filesystem::path ResolveTarget(const std::filesystem::path& path)
{
    std::error_code ec;
    std::filesystem::path target = path;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(target, ec); ++hops)
    {
        std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec)
        {
            break;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

// Opens a fresh file beside the target; the name is unlikely to clash, and
// O_EXCL makes sure an existing file is never taken over.
int CreateTemporary(const std::filesystem::path& target, std::string& nameOut)
{
    std::random_device seed;
    std::mt19937 random(seed());
    const std::filesystem::path dir = target.parent_path();
    for (int attempt = 0; attempt < 16; ++attempt)
    {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
        const std::string name = "." + target.filename().string() + suffix;
        nameOut = (dir.empty() ? std::filesystem::path(name) : dir / name).string();
        // 0666 lets the user's umask decide a new file's permissions as for any
        // other file the user creates; a replaced file gets its old bits below.
        const int fd = ::open(nameOut.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
        {
            return fd;
        }
    }
    return -1;
}

void SyncFolder(const std::filesystem::path& dir)
{
    const std::string name = dir.empty() ? std::string(".") : dir.string();
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
    {
        // The data is safe by now; this only makes the new name durable.
        (void)::fsync(fd);
        ::close(fd);
    }
}
} // namespace

void FileCloser::operator()(std::FILE* file) const
{
    if (file != nullptr)
    {
        std::fclose(file);
    }
}

FilePtr OpenRegularFile(const std::string& path, FileOpenError& error)
{
    error = FileOpenError::None;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
    {
        switch (errno)
        {
        case ENOENT:
        case ENOTDIR:
            error = FileOpenError::Missing;
            break;
        case EACCES:
        case EPERM:
            error = FileOpenError::Denied;
            break;
        default:
            error = FileOpenError::Unreadable;
            break;
        }
        return nullptr;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        ::close(fd);
        error = FileOpenError::NotRegular;
        return nullptr;
    }
    FilePtr file(::fdopen(fd, "rb"));
    if (!file)
    {
        ::close(fd);
        error = FileOpenError::Unreadable;
    }
    return file;
}

namespace
{
// A target that may be replaced: a regular file, or none yet. errno says why not.
bool ReplaceableTarget(const std::filesystem::path& target, struct stat& old, bool& replacing)
{
    replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
    {
        errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    return true;
}

// The temporary file beside what `target` resolves to, once that is a file a
// save may replace; -1 with errno set otherwise.
int OpenTemporaryFor(const std::filesystem::path& target, struct stat& old, bool& replacing,
                     std::string& temp)
{
    if (!ReplaceableTarget(target, old, replacing))
    {
        return -1;
    }
    return CreateTemporary(target, temp);
}
} // namespace

bool CanSaveFileSafely(const std::string& path)
{
    if (path.empty())
    {
        errno = ENOENT;
        return false;
    }
    struct stat old = {};
    bool replacing = false;
    std::string temp;
    const int fd = OpenTemporaryFor(ResolveTarget(path), old, replacing, temp);
    if (fd < 0)
    {
        return false;
    }
    ::close(fd);
    ::unlink(temp.c_str());
    return true;
}

bool SaveFileSafely(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    if (path.empty() || (data == nullptr && size > 0))
    {
        errno = EINVAL;
        return false;
    }
    const std::filesystem::path target = ResolveTarget(path);
    struct stat old = {};
    bool replacing = false;
    std::string temp;
    const int fd = OpenTemporaryFor(target, old, replacing, temp);
    if (fd < 0)
    {
        return false;
    }
    bool ok = WriteAll(fd, data, size);
    ok = ok && (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0);
    ok = ok && ::fsync(fd) == 0;
    // close can be the first to report a full disk on some file systems.
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
    {
        // The reason is the failed step's, not the clean-up's.
        const int error = errno;
        ::unlink(temp.c_str());
        errno = error;
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

bool MakeOwnerOnlyFolders(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
    {
        std::vector<fs::path> missing;
        for (fs::path step = folder; !step.empty() && !fs::exists(step, ec);
             step = step.parent_path())
        {
            missing.push_back(step);
            if (step == step.parent_path())
            {
                break;
            }
        }
        (void)fs::create_directories(folder, ec);
        for (const fs::path& step : missing)
        {
            fs::permissions(step, fs::perms::owner_all, fs::perm_options::replace, ec);
        }
    }
    return fs::is_directory(folder, ec);
}
