// Reasons for file errors.
#include "cli/FileReasons.h"

// own
#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"

// std
#include <cerrno>
#include <cstdio>
#include <cstring>

// POSIX
#include <sys/stat.h>

std::string FileReason(const std::string& path, int error)
{
    struct stat status = {};
    if (::stat(path.c_str(), &status) == 0)
    {
        if (S_ISDIR(status.st_mode))
        {
            return kReasonFolder;
        }
        if (!S_ISREG(status.st_mode))
        {
            return kReasonNotRegular;
        }
    }
    return std::strerror(error != 0 ? error : EIO);
}

std::string DumpReadReason(const std::string& path, DumpFileStatus status, int error)
{
    if (status == DumpFileStatus::TooShort)
    {
        return kReasonTooShort;
    }
    return FileReason(path, error);
}

int LoadDumpFile(const std::string& path, CRadioImage& image, CPlainAppState& app)
{
    DumpFileStatus status = DumpFileStatus::Loaded;
    errno = 0;
    // A file that cannot be opened or is too short to hold an image leaves the
    // image as it was; listing that would pass defaults off as the file.
    if (!image.LoadFromFile(path, app, &status))
    {
        const int error = errno;
        std::fprintf(stderr, kFileReadError, path.c_str(),
                     DumpReadReason(path, status, error).c_str());
        return kExitFile;
    }
    return kExitOk;
}
