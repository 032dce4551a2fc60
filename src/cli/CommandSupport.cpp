// Checks and messages shared by the commands.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"

// std
#include <cstdio>
#include <string>

int UsageError(const char* format, const std::string& value)
{
    char reason[512];
    std::snprintf(reason, sizeof reason, format, value.c_str());
    std::fprintf(stderr, kBadCommandLine, reason);
    return kExitUsage;
}

int RequirePort(const CCliOptions& options)
{
    if (options.m_strPort.empty())
    {
        return UsageError("%s", kNeedPort);
    }
    return kExitOk;
}
