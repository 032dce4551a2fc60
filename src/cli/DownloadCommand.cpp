// download: a dump file into the radio's EEPROM.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/ListingSupport.h"
#include "cli/RadioSession.h"

// model
#include "model/RadioImage.h"

// std
#include <cstdio>

int RunDownload(const CCliOptions& options)
{
    if (const int status = RequirePort(options); status != kExitOk)
    {
        return status;
    }
    CRadioImage image;
    CPlainAppState fileState;
    if (const int status = LoadDumpArgument(options, image, fileState); status != kExitOk)
    {
        return status;
    }
    std::uint8_t bytes[kImageSize];
    (void)image.ReadBlock(bytes, 0, kImageSize); // the whole image always fits

    CRadioSession session(options);
    if (const int status = session.Open(); status != kExitOk)
    {
        return status;
    }
    // A download that cannot start posts its end as a failure, which
    // RunDownload reports with its exit status.
    (void)session.Conversation().OnDownload(bytes);
    const int status = session.RunDownload();
    if (status == kExitOk)
    {
        std::fputs(kDownloadDone, stderr);
    }
    return status;
}
