// The commands of vesk4-cli, one file each; each returns the exit status.
#pragma once

// own
#include "cli/CliOptions.h"

[[nodiscard]] int RunUpload(const CCliOptions& options);
[[nodiscard]] int RunDownload(const CCliOptions& options);
[[nodiscard]] int RunVerify(const CCliOptions& options);
[[nodiscard]] int RunRamRead(const CCliOptions& options);
[[nodiscard]] int RunRamWrite(const CCliOptions& options);
[[nodiscard]] int RunReport(const CCliOptions& options);
[[nodiscard]] int RunHexDump(const CCliOptions& options);
[[nodiscard]] int RunInfo(const CCliOptions& options);
[[nodiscard]] int RunClone(const CCliOptions& options);
[[nodiscard]] int RunBackups(const CCliOptions& options);
[[nodiscard]] int RunCheck(const CCliOptions& options);
[[nodiscard]] int RunDiff(const CCliOptions& options);
[[nodiscard]] int RunExportCsv(const CCliOptions& options);
[[nodiscard]] int RunImportCsv(const CCliOptions& options);
[[nodiscard]] int RunNew(const CCliOptions& options);
[[nodiscard]] int RunFleet(const CCliOptions& options);
[[nodiscard]] int RunJournal(const CCliOptions& options);
[[nodiscard]] int RunPorts(const CCliOptions& options);

// Shared checks: a usage message and kExitUsage, or kExitOk.
[[nodiscard]] int RequirePort(const CCliOptions& options);
[[nodiscard]] int UsageError(const char* format, const std::string& value);
