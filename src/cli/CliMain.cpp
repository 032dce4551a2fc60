// vesk4-cli: command dispatch.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/ListingSupport.h"

// std
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
int Dispatch(const CCliOptions& options)
{
    if (options.m_bHelp)
    {
        std::fputs(kCliUsage, stdout);
        return kExitOk;
    }
    if (options.m_bVersion)
    {
        std::printf(kCliVersion, VESK4_VERSION);
        return kExitOk;
    }
    const std::string& command = options.m_strCommand;
    if (command == "upload")
    {
        return RunUpload(options);
    }
    if (command == "download")
    {
        return RunDownload(options);
    }
    if (command == "verify")
    {
        return RunVerify(options);
    }
    if (command == "ram-read")
    {
        return RunRamRead(options);
    }
    if (command == "ram-write")
    {
        return RunRamWrite(options);
    }
    if (command == "report")
    {
        return RunReport(options);
    }
    if (command == "hexdump")
    {
        return RunHexDump(options);
    }
    if (command == "info")
    {
        return RunInfo(options);
    }
    if (command == "clone")
    {
        return RunClone(options);
    }
    if (command == "backups")
    {
        return RunBackups(options);
    }
    if (command == "check")
    {
        return RunCheck(options);
    }
    if (command == "diff")
    {
        return RunDiff(options);
    }
    if (command == "export-csv")
    {
        return RunExportCsv(options);
    }
    if (command == "import-csv")
    {
        return RunImportCsv(options);
    }
    if (command == "new")
    {
        return RunNew(options);
    }
    if (command == "fleet")
    {
        return RunFleet(options);
    }
    if (command == "journal")
    {
        return RunJournal(options);
    }
    if (command == "ports")
    {
        return RunPorts(options);
    }
    return UsageError(kUnknownCommand, command);
}
} // namespace

int main(int argc, char** argv)
{
    // A vanished device must show up as a failed write, not kill the program.
    std::signal(SIGPIPE, SIG_IGN);
    CCliOptions options;
    std::string error;
    if (!options.Parse(argc, argv, error))
    {
        return UsageError("%s", error);
    }
    const int status = Dispatch(options);
    // A listing that never reached its reader is no success, whichever
    // command wrote it; a command that failed has already said why.
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int reason = flushed || errno == 0 ? EIO : errno;
    if ((!flushed || std::ferror(stdout)) &&
        (status == kExitOk || status == kExitDifferent || status == kExitBadPlan))
    {
        EndIfReaderGone(reason);
        std::fprintf(stderr, kOutputWriteError, std::strerror(reason));
        return kExitFile;
    }
    return status;
}
