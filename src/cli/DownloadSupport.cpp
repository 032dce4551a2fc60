// Writing an image into the radio and reading it back to compare.

// own
#include "cli/DownloadSupport.h"
#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"

// model
#include "model/RadioImage.h"

// std
#include <cstdio>

int WriteImage(CRadioSession& session, const std::uint8_t* image)
{
    // A download that cannot start posts its end as a failure, which
    // RunDownload reports with its exit status.
    (void)session.Conversation().OnDownload(image);
    return session.RunDownload();
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
        std::fprintf(stderr, kChannelsBeyondTheRadio, radioChannels, beyond, radioChannels + 1,
                     imageChannels);
    }
    return beyond;
}

int ReadBackAndCompare(CRadioSession& session, const std::uint8_t* image, int imageChannels)
{
    if (const int status = session.Interrupted(); status != kExitOk)
    {
        return status;
    }
    // What a 120-channel radio does not send compares equal, as in verify:
    // the radio never stores it either.
    session.Conversation().SetUploadBuffer(image);
    (void)session.Conversation().OnUpload();
    if (const int status = session.RunReceive(); status != kExitOk)
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
    std::fprintf(stderr, kReadBackDiffers, first, image[first],
                 session.Conversation().UploadBuffer()[first], differences.size());
    return kExitVerifyFailed;
}
