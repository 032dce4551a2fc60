// diff: the differences between two dump files, or between a dump file and
// the radio, field by field.

// own
#include "cli/BackupSupport.h"
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
#include "cli/ExitCodes.h"
#include "cli/FileReasons.h"
#include "cli/ListingSupport.h"
#include "cli/RadioSession.h"

// model
#include "model/ChannelGroups.h"
#include "model/ImageDiff.h"
#include "model/RadioImage.h"

// std
#include <cstdio>

namespace
{
// What the radio holds, read as verify reads it: a 120-channel radio does not
// send the upper channels, which then compare equal to the file's.
int ReadRadio(const CCliOptions& options, const CRadioImage& file, CRadioImage& radioOut,
              int& capacityOut)
{
    std::uint8_t pc[kImageSize];
    (void)file.ReadBlock(pc, 0, kImageSize); // the whole image always fits
    CRadioSession session(options);
    if (const int status = session.Open(); status != kExitOk)
    {
        return status;
    }
    if (const int status = ReadImage(session, pc); status != kExitOk)
    {
        return status;
    }
    if (const int status = session.Interrupted(); status != kExitOk)
    {
        return status;
    }
    // What was read is kept as every upload is.
    CRadioImage read;
    if (session.Conversation().StoreUploadTo(read))
    {
        (void)KeepBackup(options, read, session.App());
    }
    radioOut = file;
    (void)radioOut.WriteBlock(session.Conversation().UploadBuffer(), 0, kImageSize);
    capacityOut = CChannelGroups::CapacityOfChannelMode(session.App().GetChannelMode());
    return kExitOk;
}
} // namespace

int RunDiff(const CCliOptions& options)
{
    const bool radio = !options.m_strPort.empty();
    if (options.m_args.size() != (radio ? 1U : 2U))
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    CRadioImage a;
    CPlainAppState appA;
    if (const int status = LoadDumpFile(options.m_args[0], a, appA); status != kExitOk)
    {
        return status;
    }
    const int capacityA = CChannelGroups::CapacityOfChannelMode(appA.GetChannelMode());
    CRadioImage b;
    int capacityB = 0;
    if (radio)
    {
        if (const int status = ReadRadio(options, a, b, capacityB); status != kExitOk)
        {
            return status;
        }
    }
    else
    {
        CPlainAppState appB;
        if (const int status = LoadDumpFile(options.m_args[1], b, appB); status != kExitOk)
        {
            return status;
        }
        capacityB = CChannelGroups::CapacityOfChannelMode(appB.GetChannelMode());
    }

    CImageDiff diff;
    diff.Compare(a, capacityA, b, capacityB);
    if (const int status = PrintLines(diff.GetLines()); status != kExitOk)
    {
        return status;
    }
    std::fprintf(stderr, kDiffSummary, diff.GetLines().size());
    return diff.IsSame() ? kExitOk : kExitDifferent;
}
