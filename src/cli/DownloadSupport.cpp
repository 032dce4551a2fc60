// Writing an image into the radio and reading it back to compare.

// own
#include "cli/DownloadSupport.h"
#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"

// std
#include <cstdio>

int WriteImage(CRadioSession& session, const std::uint8_t* image)
{
    // A download that cannot start posts its end as a failure, which
    // RunDownload reports with its exit status.
    (void)session.Conversation().OnDownload(image);
    return session.RunDownload();
}

int ReadBackAndCompare(CRadioSession& session, const std::uint8_t* image)
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
    const auto differences = session.Conversation().FindDifferences(image);
    if (differences.empty())
    {
        return kExitOk;
    }
    const std::uint32_t first = differences.front();
    std::fprintf(stderr, kReadBackDiffers, first, image[first],
                 session.Conversation().UploadBuffer()[first], differences.size());
    return kExitVerifyFailed;
}
