// upload: the radio's EEPROM into a dump file, as the Radio Comm form would
// copy it into the shared image.

// own
#include "cli/BackupSupport.h"
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
#include "cli/ExitCodes.h"
#include "cli/FileReasons.h"
#include "cli/RadioSession.h"

// model
#include "model/FileAccess.h"
#include "model/RadioImage.h"

// std
#include <cerrno>
#include <cstdio>

int RunUpload(const CCliOptions& options)
{
    if (const int status = RequirePort(options); status != kExitOk)
    {
        return status;
    }
    if (options.m_strOutput.empty())
    {
        return UsageError("%s", kNeedOutput);
    }
    if (!options.m_args.empty())
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }

    // Checked before the transfer, which takes minutes at the radio's speed.
    if (!CanSaveFileSafely(options.m_strOutput))
    {
        const int error = errno;
        std::fprintf(stderr, kFileWriteError, options.m_strOutput.c_str(),
                     FileReason(options.m_strOutput, error).c_str());
        return kExitFile;
    }

    CRadioSession session(options);
    if (const int status = session.Open(); status != kExitOk)
    {
        return status;
    }
    // A signal after the last record still stops the save: an existing file
    // is replaced only by a run that was let finish.
    CRadioImage shared;
    if (const int status = UploadImage(session, shared, options.m_strOutput); status != kExitOk)
    {
        return status;
    }
    // Kept whatever becomes of the output file: the radio was read.
    (void)KeepBackup(options, shared, session.App());
    errno = 0;
    if (!shared.SaveToFile(options.m_strOutput, session.App()))
    {
        const int error = errno;
        std::fprintf(stderr, kFileWriteError, options.m_strOutput.c_str(),
                     FileReason(options.m_strOutput, error).c_str());
        return kExitFile;
    }
    std::fprintf(stderr, kUploadDone, session.App().GetChannelMode() == 0 ? 120 : 320,
                 options.m_strOutput.c_str());
    return kExitOk;
}
