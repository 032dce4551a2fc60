// download: a dump file into the radio's EEPROM.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
#include "cli/ExitCodes.h"

// std
#include <cstdio>

int RunDownload(const CCliOptions& options)
{
    return RunWithDumpOnRadio(
        options,
        [&options](CRadioSession& session, const DumpForRadio& file) -> int
        {
            if (const int status = CheckOrRefuse(options, file.image, file.channels, file.path);
                status != kExitOk)
            {
                return status;
            }
            if (const int status = WriteImage(session, file.bytes); status != kExitOk)
            {
                return status;
            }
            std::fputs(kDownloadDone, stderr);
            if (!options.m_bVerify)
            {
                return kExitOk;
            }
            const int status = ReadBackAndCompare(session, file.bytes, file.channels);
            if (status == kExitOk)
            {
                std::fputs(kReadBackSame, stderr);
            }
            return status;
        });
}
