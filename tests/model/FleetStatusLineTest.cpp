// The fleet's status lines: what one side writes the other reads back, and
// every other line of the program is left alone.

// model
#include "model/FleetStatusLine.h"

// std
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace
{
TEST(FleetStatusLine, ReadsBackWhatItWritesAndNothingElse)
{
    const auto fields = [](const FleetStatus& s)
    { return std::tie(s.strPort, s.strPhase, s.nPercent, s.strSerial, s.strResult); };
    const struct
    {
        std::string line;
        FleetStatus expected;
    } statusLines[] = {
        {"fleet-status\tCOM1\twriting\t42\t12AB3400\t", {"COM1", "writing", 42, "12AB3400", ""}},
        {"fleet-status\t/dev/pts/3\tended\t100\t\tfailed: no answer from the radio\r",
         {"/dev/pts/3", "ended", 100, "", "failed: no answer from the radio"}},
        {"fleet-status\tCOM2\twaiting for a radio\t0\t7\tverified",
         {"COM2", "waiting for a radio", 0, "7", "verified"}},
    };
    for (const auto& c : statusLines)
    {
        SCOPED_TRACE(c.line);
        FleetStatus parsed;
        ASSERT_TRUE(CFleetStatusLine::Parse(c.line, parsed));
        EXPECT_EQ(fields(parsed), fields(c.expected));
        FleetStatus again;
        ASSERT_TRUE(CFleetStatusLine::Parse(CFleetStatusLine::Format(parsed), again));
        EXPECT_EQ(fields(again), fields(parsed));
    }
    // The lines for people, the summary, a message, a line cut short or too
    // long, no port, a percentage out of range or not a number.
    for (const char* line : {
             "COM1         12AB3400   writing                                      verified",
             "2 radios: 2 verified, 0 failed",
             "vesk4-cli: cannot open COM3",
             "fleet-status\tCOM1\twriting\t42\t12AB3400",
             "fleet-status\tCOM1\twriting\t42\t1\tverified\textra",
             "fleet-status\t\twriting\t42\t1\tverified",
             "fleet-status\tCOM1\twriting\t101\t1\t",
             "fleet-status\tCOM1\twriting\t-1\t1\t",
             "fleet-status\tCOM1\twriting\t4x\t1\t",
             "fleet-status\tCOM1\twriting\t\t1\t",
         })
    {
        SCOPED_TRACE(line);
        FleetStatus parsed;
        parsed.strPort = "untouched";
        EXPECT_FALSE(CFleetStatusLine::Parse(line, parsed));
        EXPECT_EQ(parsed.strPort, "untouched");
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
