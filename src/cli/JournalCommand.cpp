// journal: what a fleet journal says, in short.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/FileReasons.h"
#include "cli/FleetTexts.h"

// model
#include "model/CloneJournal.h"
#include "model/FileAccess.h"

// std
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

int RunJournal(const CCliOptions& options)
{
    if (options.m_args.size() != 1)
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    const std::string& path = options.m_args[0];
    FileOpenError error = FileOpenError::None;
    errno = 0;
    const FilePtr file = OpenRegularFile(path, error);
    if (!file)
    {
        std::fprintf(stderr, kJournalReadError, path.c_str(), FileReason(path, errno).c_str());
        return kExitFile;
    }
    std::string text;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
    {
        text.append(buffer, count);
    }
    if (std::ferror(file.get()))
    {
        std::fprintf(stderr, kJournalReadError, path.c_str(),
                     std::strerror(errno != 0 ? errno : EIO));
        return kExitFile;
    }
    std::vector<JournalRow> rows;
    if (!CCloneJournal::Parse(text, rows))
    {
        std::fprintf(stderr, kJournalNotJournal, path.c_str());
        return kExitFile;
    }
    const JournalSummary summary = CCloneJournal::Summarise(rows);
    std::printf(kJournalSummary, summary.nRadios, summary.nVerified, summary.nFailed);
    for (const auto& [serial, result] : summary.lastBySerial)
    {
        std::printf(kJournalSerialLine, serial.c_str(), result.c_str());
    }
    return kExitOk;
}
