// verify: reads the radio and lists every byte in which it differs from a
// dump file, as the Verify button does without asking at each difference.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
#include "cli/ExitCodes.h"

// link
#include "link/LinkTexts.h"

// std
#include <cstdio>

int RunVerify(const CCliOptions& options)
{
    return RunWithDumpOnRadio(
        options,
        [](CRadioSession& session, const DumpForRadio& file) -> int
        {
            const std::uint8_t* pc = file.bytes;
            // What a 120-channel radio does not send compares equal, as in the
            // form, whose buffer starts as its own image.
            if (const int status = ReadImage(session, pc); status != kExitOk)
            {
                return status;
            }

            const std::uint8_t* radio = session.Conversation().UploadBuffer();
            const auto differences = session.Conversation().FindDifferences(pc);
            std::printf("%s\n", kVerifyHeading);
            for (const std::uint32_t address : differences)
            {
                std::printf(
                    "%s\n",
                    CRadioConversation::VerifyLine(address, pc[address], radio[address]).c_str());
            }
            std::fflush(stdout);
            std::fprintf(stderr, kVerifySummary, differences.size());
            const int beyond = ChannelsBeyondTheRadio(session, pc, file.channels);
            return differences.empty() && beyond == 0 ? kExitOk : kExitDifferent;
        });
}
