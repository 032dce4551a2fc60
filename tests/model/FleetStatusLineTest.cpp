// The fleet's status lines: what one side writes the other reads back, and
// every other line of the program is left alone.

// model
#include "model/FleetStatusLine.h"

// std
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
TEST(FleetStatusLine, ReadsBackWhatItWritesAndNothingElse)
{
    struct Case
    {
        std::string line;
        bool status;
        FleetStatus expected;
    };
    const std::vector<Case> cases = {
        {"fleet-status\tCOM1\twriting\t42\t12AB3400\t",
         true,
         {"COM1", "writing", 42, "12AB3400", ""}},
        {"fleet-status\t/dev/pts/3\tended\t100\t\tfailed: no answer from the radio\r",
         true,
         {"/dev/pts/3", "ended", 100, "", "failed: no answer from the radio"}},
        {"fleet-status\tCOM2\twaiting for a radio\t0\t7\tverified",
         true,
         {"COM2", "waiting for a radio", 0, "7", "verified"}},
        // The lines for people, the summary, a message, a line cut short.
        {"COM1         12AB3400   writing                                      verified",
         false,
         {}},
        {"2 radios: 2 verified, 0 failed", false, {}},
        {"vesk4-cli: cannot open COM3", false, {}},
        {"fleet-status\tCOM1\twriting\t42\t12AB3400", false, {}},
        {"fleet-status\tCOM1\twriting\t42\t1\tverified\textra", false, {}},
        {"fleet-status\t\twriting\t42\t1\tverified", false, {}},
        {"fleet-status\tCOM1\twriting\t101\t1\t", false, {}},
        {"fleet-status\tCOM1\twriting\t-1\t1\t", false, {}},
        {"fleet-status\tCOM1\twriting\t4x\t1\t", false, {}},
        {"fleet-status\tCOM1\twriting\t\t1\t", false, {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        FleetStatus parsed;
        parsed.strPort = "untouched";
        ASSERT_EQ(CFleetStatusLine::Parse(c.line, parsed), c.status);
        if (!c.status)
        {
            EXPECT_EQ(parsed.strPort, "untouched");
            continue;
        }
        EXPECT_EQ(parsed.strPort, c.expected.strPort);
        EXPECT_EQ(parsed.strPhase, c.expected.strPhase);
        EXPECT_EQ(parsed.nPercent, c.expected.nPercent);
        EXPECT_EQ(parsed.strSerial, c.expected.strSerial);
        EXPECT_EQ(parsed.strResult, c.expected.strResult);
        // Written again it reads back the same, tab-free fields or not.
        FleetStatus again;
        ASSERT_TRUE(CFleetStatusLine::Parse(CFleetStatusLine::Format(parsed), again));
        EXPECT_EQ(again.strResult, parsed.strResult);
        EXPECT_EQ(again.nPercent, parsed.nPercent);
    }
    // A reason with a tab or a line break in it stays one line of six fields.
    FleetStatus odd{"COM4", "ended", 250, "9", "failed: a\tb\nc"};
    const std::string line = CFleetStatusLine::Format(odd);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    FleetStatus parsed;
    ASSERT_TRUE(CFleetStatusLine::Parse(line, parsed));
    EXPECT_EQ(parsed.strResult, "failed: a b c");
    EXPECT_EQ(parsed.nPercent, 100);
}
} // namespace
