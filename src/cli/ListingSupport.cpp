// Reading a dump file for a listing and writing the listing out.
#include "cli/ListingSupport.h"

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/FileReasons.h"

// std
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

// POSIX
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

int LoadDumpArgument(const CCliOptions& options, CRadioImage& image, CPlainAppState& app)
{
    if (options.m_args.size() != 1)
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    return LoadDumpFile(options.m_args[0], image, app);
}

int PrintListing(const CCliOptions& options,
                 const std::function<std::vector<std::string>(const CRadioImage&,
                                                              const CPlainAppState&)>& listing)
{
    CRadioImage image;
    CPlainAppState app;
    if (const int status = LoadDumpArgument(options, image, app); status != kExitOk)
    {
        return status;
    }
    return PrintLines(listing(image, app));
}

namespace
{
// A write that failed inside stdio may leave no errno to tell why; a pipe
// whose every reader has closed it says so to poll() as POLLERR.
bool StdoutPipeHasNoReader()
{
    struct stat status = {};
    if (::fstat(STDOUT_FILENO, &status) != 0 || !S_ISFIFO(status.st_mode))
    {
        return false;
    }
    pollfd out{STDOUT_FILENO, POLLOUT, 0};
    return ::poll(&out, 1, 0) == 1 && (out.revents & POLLERR) != 0;
}

int OutputFailed(int error)
{
    EndIfReaderGone(error);
    std::fprintf(stderr, kOutputWriteError, std::strerror(error));
    return kExitFile;
}
} // namespace

int PrintLines(const std::vector<std::string>& lines)
{
    // errno is taken at the first failure: a later call may overwrite it.
    for (const std::string& line : lines)
    {
        errno = 0;
        if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size() ||
            std::fputc('\n', stdout) == EOF)
        {
            return OutputFailed(errno != 0 ? errno : EIO);
        }
    }
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
    {
        return OutputFailed(errno != 0 ? errno : EIO);
    }
    return kExitOk;
}

void EndIfReaderGone(int error)
{
    if (error != EPIPE && !StdoutPipeHasNoReader())
    {
        return;
    }
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t pipeOnly;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    pthread_sigmask(SIG_UNBLOCK, &pipeOnly, nullptr);
    std::raise(SIGPIPE);
}
