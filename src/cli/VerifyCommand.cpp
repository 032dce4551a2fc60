// verify: reads the radio and lists every byte in which it differs from a
// dump file, as the Verify button does without asking at each difference.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
#include "cli/ExitCodes.h"
#include "cli/ListingSupport.h"
#include "cli/RadioSession.h"

// link
#include "link/LinkTexts.h"

// model
#include "model/RadioImage.h"

// std
#include <cstdio>

int RunVerify(const CCliOptions& options)
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
    std::uint8_t pc[kImageSize];
    (void)image.ReadBlock(pc, 0, kImageSize); // the whole image always fits

    CRadioSession session(options);
    if (const int status = session.Open(); status != kExitOk)
    {
        return status;
    }
    // What a 120-channel radio does not send compares equal, as in the form,
    // whose buffer starts as its own image.
    session.Conversation().SetUploadBuffer(pc);
    // A request that cannot be sent comes back as the conversation's upload
    // error, which RunReceive reports with its exit status.
    (void)session.Conversation().OnUpload();
    if (const int status = session.RunReceive(); status != kExitOk)
    {
        return status;
    }

    const std::uint8_t* radio = session.Conversation().UploadBuffer();
    const auto differences = session.Conversation().FindDifferences(pc);
    std::printf("%s\n", kVerifyHeading);
    for (const std::uint32_t address : differences)
    {
        std::printf("%s\n",
                    CRadioConversation::VerifyLine(address, pc[address], radio[address]).c_str());
    }
    std::fflush(stdout);
    std::fprintf(stderr, kVerifySummary, differences.size());
    const int beyond = ChannelsBeyondTheRadio(session, pc, ImageChannels(fileState.m_nChannelCode));
    return differences.empty() && beyond == 0 ? kExitOk : kExitDifferent;
}
