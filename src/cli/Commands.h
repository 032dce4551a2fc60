// The commands of vesk4-cli, one file each; each returns the exit status.
#pragma once

// own
#include "cli/CliOptions.h"

int RunUpload(const CCliOptions& options);
int RunDownload(const CCliOptions& options);
int RunVerify(const CCliOptions& options);
int RunRamRead(const CCliOptions& options);
int RunRamWrite(const CCliOptions& options);
int RunReport(const CCliOptions& options);
int RunHexDump(const CCliOptions& options);
int RunInfo(const CCliOptions& options);

// Shared checks: a usage message and kExitUsage, or kExitOk.
int RequirePort(const CCliOptions& options);
int UsageError(const char* format, const std::string& value);
