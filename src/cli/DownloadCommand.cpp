// download: a dump file into the radio's EEPROM.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
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
    if (const int status = WriteImage(session, bytes); status != kExitOk)
    {
        return status;
    }
    std::fputs(kDownloadDone, stderr);
    if (!options.m_bVerify)
    {
        return kExitOk;
    }
    const int status = ReadBackAndCompare(session, bytes, ImageChannels(fileState.m_nChannelCode));
    if (status == kExitOk)
    {
        std::fputs(kReadBackSame, stderr);
    }
    return status;
}
