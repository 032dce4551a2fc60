// Backups of what vesk4-cli reads from a radio.

// own
#include "cli/BackupSupport.h"
#include "cli/CliTexts.h"

// model
#include "model/RadioImage.h"

// std
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

std::string BackupFolder(const CCliOptions& options)
{
    if (options.m_strBackupDir.empty())
    {
        return CBackupStore::DefaultFolder();
    }
    // Absolute, so that the messages naming a backup say where it is from
    // anywhere.
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::absolute(options.m_strBackupDir, ec);
    return ec ? options.m_strBackupDir : folder.lexically_normal().string();
}

bool BackupsWanted(const CCliOptions& options)
{
    return !options.m_bNoBackup && !CBackupStore::TurnedOffByEnvironment();
}

std::string BackupErrorText(BackupError error, const std::string& folder)
{
    const char* format = kBackupWriteFailed;
    switch (error)
    {
    case BackupError::NoFolder:
        return kBackupNoFolder;
    case BackupError::FolderFailed:
        format = kBackupFolderFailed;
        break;
    case BackupError::NameExhausted:
        format = kBackupNameExhausted;
        break;
    default:
        break;
    }
    char text[1024];
    std::snprintf(text, sizeof text, format, folder.c_str());
    return text;
}

std::string KeepBackup(const CCliOptions& options, const CRadioImage& image,
                       const IAppState& app)
{
    if (!BackupsWanted(options))
    {
        return {};
    }
    const CBackupStore store(BackupFolder(options));
    std::string path;
    BackupError error = BackupError::None;
    if (!store.Save(image, app, std::time(nullptr), path, error))
    {
        std::fprintf(stderr, kBackupWarning, BackupErrorText(error, store.Folder()).c_str());
        return {};
    }
    std::fprintf(stderr, kBackupKept, path.c_str());
    return path;
}
