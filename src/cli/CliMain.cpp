// vesk4-cli: command dispatch.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"

// std
#include <csignal>
#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    // A vanished device must show up as a failed write, not kill the program.
    std::signal(SIGPIPE, SIG_IGN);
    CCliOptions options;
    std::string error;
    if (!options.Parse(argc, argv, error))
        return UsageError("%s", error);
    if (options.m_bHelp)
    {
        std::fputs(kCliUsage, stdout);
        return kExitOk;
    }
    const std::string& command = options.m_strCommand;
    if (command == "upload")
        return RunUpload(options);
    if (command == "download")
        return RunDownload(options);
    if (command == "verify")
        return RunVerify(options);
    if (command == "ram-read")
        return RunRamRead(options);
    if (command == "ram-write")
        return RunRamWrite(options);
    if (command == "report")
        return RunReport(options);
    if (command == "hexdump")
        return RunHexDump(options);
    if (command == "info")
        return RunInfo(options);
    return UsageError(kUnknownCommand, command);
}
