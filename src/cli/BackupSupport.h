// Backups of what vesk4-cli reads from a radio: where they go, whether they
// are wanted, and keeping one with its message.
#pragma once

// own
#include "cli/CliOptions.h"

// model
#include "model/AppState.h"
#include "model/BackupStore.h"

// std
#include <string>

class CRadioImage;

// --backup-dir, else the default folder (empty when there is none).
std::string BackupFolder(const CCliOptions& options);
// Neither --no-backup nor VESK4_BACKUPS=off.
bool BackupsWanted(const CCliOptions& options);
// Why a backup could not be kept, for the warning.
std::string BackupErrorText(BackupError error, const std::string& folder);

// Keeps a backup of image when backups are wanted and says where on stderr;
// a failure is only a warning. The path kept, or empty.
std::string KeepBackup(const CCliOptions& options, const CRadioImage& image,
                       const IAppState& app);
