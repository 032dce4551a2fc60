// backups: the backups kept of every radio read, newest last.

// own
#include "cli/BackupSupport.h"
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/ListingSupport.h"

// model
#include "model/BandTable.h"

// std
#include <cstdio>
#include <string>
#include <vector>

int RunBackups(const CCliOptions& options)
{
    if (!options.m_args.empty())
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    const CBackupStore store(BackupFolder(options));
    std::vector<BackupEntry> entries;
    if (!store.List(entries))
    {
        std::fprintf(stderr, kBackupsUnreadable,
                     store.Folder().empty() ? kBackupNoFolder : store.Folder().c_str());
        return kExitFile;
    }
    std::fprintf(stderr, kBackupsFolder, store.Folder().c_str());
    if (entries.empty())
    {
        std::fprintf(stderr, kBackupsNone, store.Folder().c_str());
        return kExitOk;
    }
    std::vector<std::string> lines;
    char line[512];
    std::snprintf(line, sizeof line, kBackupsHeading, kBackupsFile, kBackupsSerial, kBackupsModel,
                  kBackupsTime);
    lines.emplace_back(line, std::string(line).size() - 1);
    for (const BackupEntry& entry : entries)
    {
        const BandInfo* band = FindBand(entry.nModel);
        const char* model = !entry.bReadable ? kBackupsUnreadableFile
                            : band != nullptr ? band->name
                                              : kBackupsNoModel;
        std::snprintf(line, sizeof line, kBackupsHeading, entry.strName.c_str(),
                      entry.strSerial.c_str(), model, CBackupStore::TimeText(entry.nTime).c_str());
        lines.emplace_back(line, std::string(line).size() - 1);
    }
    return PrintLines(lines);
}
