// download: a dump file into the radio's EEPROM.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/RadioSession.h"

// model
#include "model/RadioImage.h"

// std
#include <cstdio>

int RunDownload(const CCliOptions& options)
{
    if (const int status = RequirePort(options); status != kExitOk)
        return status;
    if (options.m_args.size() != 1)
        return UsageError(kWrongArguments, options.m_strCommand);
    const std::string& path = options.m_args[0];

    CRadioImage image;
    CPlainAppState fileState;
    std::uint8_t bytes[kImageSize];
    if (!image.LoadFromFile(path, fileState) || !image.ReadBlock(bytes, 0, kImageSize))
    {
        std::fprintf(stderr, kFileReadError, path.c_str());
        return kExitFile;
    }

    CRadioSession session(options);
    if (const int status = session.Open(); status != kExitOk)
        return status;
    (void)session.Conversation().OnDownload(bytes);
    const int status = session.RunDownload();
    if (status == kExitOk)
        std::fputs(kDownloadDone, stderr);
    return status;
}
