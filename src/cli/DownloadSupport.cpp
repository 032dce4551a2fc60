// Taking images to and from the radio.

// own
#include "cli/DownloadSupport.h"
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/ListingSupport.h"

// model
#include "model/ImageCheck.h"
#include "model/RadioImage.h"

// std
#include <algorithm>
#include <cstdio>

int LoadDumpForRadio(const CCliOptions& options, DumpForRadio& file)
{
    CPlainAppState fileState;
    if (const int status = LoadDumpArgument(options, file.image, fileState); status != kExitOk)
    {
        return status;
    }
    file.path = options.m_args[0];
    (void)file.image.ReadBlock(file.bytes, 0, kImageSize); // the whole image always fits
    file.channels = ImageChannels(fileState.m_nChannelCode);
    return kExitOk;
}

int RunWithDumpOnRadio(
    const CCliOptions& options,
    const std::function<int(CRadioSession& session, const DumpForRadio& file)>& step)
{
    if (const int status = RequirePort(options); status != kExitOk)
    {
        return status;
    }
    DumpForRadio file;
    if (const int status = LoadDumpForRadio(options, file); status != kExitOk)
    {
        return status;
    }

    CRadioSession session(options);
    if (const int status = session.Open(); status != kExitOk)
    {
        return status;
    }
    return step(session, file);
}

int CheckOrRefuse(const CCliOptions& options, const CRadioImage& image, int channels,
                  const std::string& path)
{
    CImageCheck check;
    check.Check(image, channels);
    for (const std::string& line : check.Lines())
    {
        std::fprintf(stderr, "%s%s\n", kCliPrefix, line.c_str());
    }
    if (!check.HasErrors())
    {
        return kExitOk;
    }
    const auto errors = static_cast<std::size_t>(std::count_if(
        check.GetFindings().begin(), check.GetFindings().end(),
        [](const Finding& finding) { return finding.severity == FindingSeverity::Error; }));
    std::fprintf(stderr, options.m_bForce ? kCheckForced : kCheckRefused, path.c_str(), errors);
    return options.m_bForce ? kExitOk : kExitBadPlan;
}

int WriteImage(CRadioSession& session, const std::uint8_t* image)
{
    // A download that cannot start posts its end as a failure, which
    // RunDownload reports with its exit status.
    (void)session.Conversation().OnDownload(image);
    return session.RunDownload();
}

int ReadImage(CRadioSession& session, const std::uint8_t* start)
{
    session.Conversation().SetUploadBuffer(start);
    // A request that cannot be sent comes back as the conversation's upload
    // error, which RunReceive reports with its exit status.
    (void)session.Conversation().OnUpload();
    return session.RunReceive();
}

int UploadImage(CRadioSession& session, CRadioImage& image, const std::string& path)
{
    const CRadioImage fresh;
    std::uint8_t start[kImageSize];
    (void)fresh.ReadBlock(start, 0, kImageSize); // the whole image always fits
    if (const int status = ReadImage(session, start); status != kExitOk)
    {
        return status;
    }
    if (const int status = session.Interrupted(); status != kExitOk)
    {
        std::fputs(kInterrupted, session.Err());
        return status;
    }
    if (!session.Conversation().StoreUploadTo(image))
    {
        std::fprintf(session.Err(), kFileWriteError, path.c_str(), kReasonNotStored);
        return kExitFile;
    }
    return kExitOk;
}

int ImageChannels(std::int32_t code)
{
    return code == 2 ? 320 : 120;
}

int ChannelsBeyondTheRadio(CRadioSession& session, const std::uint8_t* image, int imageChannels)
{
    const int radioChannels = session.App().GetChannelMode() == 0 ? 120 : 320;
    CRadioImage file;
    if (radioChannels >= imageChannels || !file.WriteBlock(image, 0, kImageSize))
    {
        return 0;
    }
    int beyond = 0;
    for (int i = radioChannels; i < imageChannels; ++i)
    {
        int unused = 1;
        beyond += file.GetRxUnused(i, unused) && unused == 0 ? 1 : 0;
    }
    if (beyond > 0)
    {
        std::fprintf(session.Err(), kChannelsBeyondTheRadio, radioChannels, beyond,
                     radioChannels + 1, imageChannels);
    }
    return beyond;
}

int ReadBackAndCompare(CRadioSession& session, const std::uint8_t* image, int imageChannels,
                       std::int64_t* firstDifference)
{
    if (const int status = session.Interrupted(); status != kExitOk)
    {
        return status;
    }
    // What a 120-channel radio does not send compares equal, as in verify:
    // the radio never stores it either.
    if (const int status = ReadImage(session, image); status != kExitOk)
    {
        return status;
    }
    const int beyond = ChannelsBeyondTheRadio(session, image, imageChannels);
    const auto differences = session.Conversation().FindDifferences(image);
    if (differences.empty())
    {
        return beyond == 0 ? kExitOk : kExitVerifyFailed;
    }
    const std::uint32_t first = differences.front();
    if (firstDifference != nullptr)
    {
        *firstDifference = first;
    }
    std::fprintf(session.Err(), kReadBackDiffers, first, image[first],
                 session.Conversation().UploadBuffer()[first], differences.size());
    return kExitVerifyFailed;
}
