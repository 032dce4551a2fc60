// The text report: exact lines of each section, the channel blocks and paging.
#include "print/TextReport.h"

// model
#include "model/Clock.h"
#include "model/RadioImage.h"

// std
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

constexpr int kFirstChannelLine = CTextReport::kSectionLineCount;

class TextReportTest : public ::testing::Test
{
protected:
    void SetUp() override { SetClockForTesting(LocalDate{2024, 3, 9}); }
    void TearDown() override { SetClockForTesting(std::nullopt); }

    static std::vector<std::string> ReportOf(const CRadioImage& image, int channelMode = 0)
    {
        CTextReport report;
        report.Build(image, channelMode);
        return report.GetLines();
    }

    static std::string GroupLine(int g, const std::string& name)
    {
        char number[16];
        std::snprintf(number, sizeof number, " %02d  ", g);
        return std::string(" Group Number  : ") + number + "   Alpha Character : " + name;
    }

    // Model 5 (VHF(H) A Band), 5 kHz wide and 6.25 kHz narrow, low-side
    // injection: a receive word 0x0A408 is 150.000 MHz, a transmit word
    // 0x0EA30 is 150.000 MHz, as in the synthesizer examples.
    static CRadioImage VhfImage()
    {
        CRadioImage image;
        EXPECT_TRUE(image.SetModel(5));
        EXPECT_TRUE(image.SetWideReference(5000.0));
        EXPECT_TRUE(image.SetNarrowReference(6250.0));
        EXPECT_TRUE(image.SetInjection(1));
        return image;
    }

    // A channel with both sides in use on 150 MHz, no signalling, default flags.
    static void UseChannel(CRadioImage& image, int n)
    {
        EXPECT_TRUE(image.SetRxUnused(n, 0));
        EXPECT_TRUE(image.SetRxWord(n, 0x0A408));
        EXPECT_TRUE(image.SetTxUnused(n, 0));
        EXPECT_TRUE(image.SetTxWord(n, 0x0EA30));
    }

    static std::vector<std::string> BlockOf(const std::vector<std::string>& lines, int index)
    {
        const auto begin = lines.begin() + kFirstChannelLine + 14 * index;
        return {begin, begin + 14};
    }
};

TEST_F(TextReportTest, ResetImageGivesSeventyEightExactLines)
{
    std::vector<std::string> expected = {
        "[MODEL] ",
        " Model                  : ",
        " PLL Reference Freq     : Wide : 5.0 kHz   Narrow : 6.25 kHz",
        " Serial Number          :         ",
        " Customer               :           ",
        " Date                   : Mon : 3, Day : 9, Year : 2024",
        "[2TONE] ",
        " 2Tone                  : unused",
        " Format Type            : None",
        " Group Format Code      : None    1st Group : None    2nd Group : None ",
        " Tone Freq              : 1st None , 2nd None , 3rd None ",
        " ANI                    :           ",
        "[OPTION] ",
        " Scan Type              : PS",
        " Scan Hold on Rx        : 2.5 sec",
        " Scan Hold After Tx     : 5.0 sec",
        " Scan List Clear        : No Clear",
        " Scan Hold By           : SIGNALLING",
        " Scan Hold At           : BUSY CH",
        " PRI CH Moniter Cycle   : 1/8",
        " PRI CH Moniter Time    : 1.0 sec",
        " Defeat PRI 2 CH        : Disable",
        " DTMF Time              : ON Time : 600 ms OFF Time : 600 ms",
        " Channel Roll-Over      : Enable ",
        " Tx Time-Out Timer      : INF",
        " Mic Off-Hook Scan Stop : Disable",
        " Busy CH Lock-Out       : DIS",
        " Beep Control           : BeepA:use, BeepB:use, BeepC:use, BeepD:use",
        "[ADJUST] ",
        " Tx High Power Level     : 0",
        " Tx Low Power Level      : 0",
        " Tx Tone Level           : 0",
        " DTMF Low Tone Level     : 0",
        " Modulation Sensitivity  : 0",
        " Wide Band Modulation    : 0,  Narrow Band Modulation  : 0",
        " SQ Volume               : 0",
        " Wide Band DeModulation  : 0,  Narrow Band DeModulation: 0",
        " ",
    };
    for (int g = 1; g <= 40; ++g)
    {
        expected.push_back(GroupLine(g, "None"));
    }

    EXPECT_EQ(ReportOf(CRadioImage(), 0), expected);
    EXPECT_EQ(ReportOf(CRadioImage(), 1), expected);
}

TEST_F(TextReportTest, ListsChannelsInUseWithTheirSignalling)
{
    CRadioImage image = VhfImage();
    UseChannel(image, 0);
    ASSERT_TRUE(image.SetChannelName(0, "REPEATER 1"));
    ASSERT_TRUE(image.SetRxSignallingNone(0, 0));
    ASSERT_TRUE(image.SetRxSignallingType(0, 1));
    ASSERT_TRUE(image.SetRxDcs(0, 1, 19)); // 023 inverted
    ASSERT_TRUE(image.SetTxSignallingNone(0, 0));
    ASSERT_TRUE(image.SetTxSignallingType(0, 0));
    ASSERT_TRUE(image.SetTxCtcss(0, 12)); // 103.5 Hz

    UseChannel(image, 4);
    ASSERT_TRUE(image.SetWide(4, 0)); // the narrow step: 21000 x 6.25 kHz + 45 MHz
    ASSERT_TRUE(image.SetRxSignallingNone(4, 0));
    ASSERT_TRUE(image.SetRxSignallingType(4, 1));
    ASSERT_TRUE(image.SetRxDcs(4, 0, 492)); // 754
    ASSERT_TRUE(image.SetTxUnused(4, 1));
    ASSERT_TRUE(image.SetTxPower(4, 0));
    ASSERT_TRUE(image.SetCompander(4, 0));
    ASSERT_TRUE(image.SetAniEnable(4, 0));
    ASSERT_TRUE(image.SetScanGroupA(4, 0));
    ASSERT_TRUE(image.SetAuxData(4, 7));

    // A transmit frequency alone does not make a channel "in use".
    ASSERT_TRUE(image.SetTxUnused(6, 0));
    ASSERT_TRUE(image.SetTxWord(6, 0x0EA30));

    const std::vector<std::string> lines = ReportOf(image);
    ASSERT_EQ(lines.size(), 38u + 2 * 14u + 40u);
    EXPECT_EQ(
        BlockOf(lines, 0),
        (std::vector<std::string>{
            "[CHANNEL] ",
            " Channel Number         : 001              ",
            " Alpha Character        : REPEATER 1",
            " Wide / Narrow          : Wide",
            " Receive Channel Freq   : 150.00000 MHz  ",
            " Receive Signaling Type : DCS -> -23",
            " Transmit Channel Freq  : 150.00000 MHz  ",
            " Transmit Signaling Type: CTCSS -> 103.50Hz",
            " Tx Power Control       : NORMAL        ",
            " Compand                : Disable        DTone                  : Disable",
            " ANI                    : Disable",
            " Channel in Scan GroupA : unused         Channel in Scan GroupB : unused        ",
            " Auxiliary Data         : 255",
            " ",
        }));
    EXPECT_EQ(
        BlockOf(lines, 1),
        (std::vector<std::string>{
            "[CHANNEL] ",
            " Channel Number         : 005              ",
            " Alpha Character        :             ",
            " Wide / Narrow          : Narrow",
            " Receive Channel Freq   : 176.25000 MHz  ",
            " Receive Signaling Type : DCS -> 754",
            " Transmit Channel Freq  : Disable       ",
            " Transmit Signaling Type: None",
            " Tx Power Control       : DE-POWER      ",
            " Compand                : Enable         DTone                  : Disable",
            " ANI                    : Enable ",
            " Channel in Scan GroupA : used           Channel in Scan GroupB : unused        ",
            " Auxiliary Data         : 7",
            " ",
        }));
    EXPECT_EQ(lines[38 + 28], GroupLine(1, "None"));
}

TEST_F(TextReportTest, ReceiveFrequencyFollowsTheInjectionSide)
{
    CRadioImage image = VhfImage();
    UseChannel(image, 0);
    EXPECT_EQ(ReportOf(image)[kFirstChannelLine + 4], " Receive Channel Freq   : 150.00000 MHz  ");
    ASSERT_TRUE(image.SetInjection(0)); // high side: the IF is subtracted
    EXPECT_EQ(ReportOf(image)[kFirstChannelLine + 4], " Receive Channel Freq   : 60.00000 MHz  ");
}

// Stored values that no table holds print as no tone instead of reading past a
// table or inventing a frequency.
TEST_F(TextReportTest, TonesOutsideTheirTablesPrintAsNone)
{
    CRadioImage image = VhfImage();
    UseChannel(image, 0);
    const std::uint8_t ctcss45 = 0x2D; // signalling used, CTCSS, index 45
    ASSERT_TRUE(image.WriteBlock(&ctcss45, 0x340, 1));
    ASSERT_TRUE(image.SetTwoToneUnused(0));
    ASSERT_TRUE(image.SetTwoToneFormat(1)); // 36 tones
    ASSERT_TRUE(image.SetFirstToneIndex(40));
    ASSERT_TRUE(image.SetSecondToneIndex(35));
    const std::uint8_t thirdTone = 0xFF;
    ASSERT_TRUE(image.WriteBlock(&thirdTone, 0x24, 1));
    const std::vector<std::string> lines = ReportOf(image);
    EXPECT_EQ(lines[10], " Tone Freq              : 1st None , 2nd 1084.00 Hz ,3rd None ,");
    EXPECT_EQ(lines[kFirstChannelLine + 5], " Receive Signaling Type : CTCSS -> None");
}

TEST_F(TextReportTest, NoModelChosenPrintsNoNameAndNoIf)
{
    CRadioImage image = VhfImage();
    ASSERT_TRUE(image.SetModel(-1));
    UseChannel(image, 0);
    const std::vector<std::string> lines = ReportOf(image);
    EXPECT_EQ(lines[1], " Model                  : ");
    EXPECT_EQ(lines[kFirstChannelLine + 4], " Receive Channel Freq   : 105.00000 MHz  ");
    EXPECT_EQ(lines[kFirstChannelLine + 6], " Transmit Channel Freq  : 150.00000 MHz  ");
}

TEST_F(TextReportTest, ModelSectionNamesModelStepsAndIdentification)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetModel(13));
    ASSERT_TRUE(image.SetWideReference(12500.0));
    ASSERT_TRUE(image.SetNarrowReference(5000.0));
    ASSERT_TRUE(image.SetSerialNumber("12AB"));
    ASSERT_TRUE(image.SetCustomer("abc"));
    ASSERT_TRUE(image.SetDate(1998, 7, 4));
    const std::vector<std::string> lines = ReportOf(image);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{
                  "[MODEL] ",
                  " Model                  : 800 MHz",
                  " PLL Reference Freq     : Wide : 12.5 kHz   Narrow : 5.0 kHz",
                  " Serial Number          : 12AB    ",
                  " Customer               : ABC       ",
                  " Date                   : Mon : 7, Day : 4, Year : 1998",
              }));

    ASSERT_TRUE(image.SetModel(0));
    ASSERT_TRUE(image.SetWideReference(2500.0));
    EXPECT_EQ(ReportOf(image)[2], " PLL Reference Freq     : Wide : 2.5 kHz   Narrow : 5.0 kHz");
}

struct TwoToneCase
{
    const char* name;
    int unused;
    int format;
    int first;
    int second;
    int tone1;
    int tone2;
    int tone3;
    std::vector<std::string> lines; // lines 2 to 5 of the section
};

class TwoToneReportTest : public TextReportTest, public ::testing::WithParamInterface<TwoToneCase>
{
};

TEST_P(TwoToneReportTest, PrintsEachFormat)
{
    const TwoToneCase& c = GetParam();
    CRadioImage image;
    ASSERT_TRUE(image.SetTwoToneUnused(c.unused));
    ASSERT_TRUE(image.SetTwoToneFormat(c.format));
    ASSERT_TRUE(image.SetTwoToneGroups(c.first, c.second));
    ASSERT_TRUE(image.SetFirstToneIndex(c.tone1));
    ASSERT_TRUE(image.SetSecondToneIndex(c.tone2));
    ASSERT_TRUE(image.SetThirdToneIndex(c.tone3));
    ASSERT_TRUE(image.SetAniNumber("123#*"));
    const std::vector<std::string> lines = ReportOf(image);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.begin() + 11), c.lines);
    EXPECT_EQ(lines[11], " ANI                    : 123#*     ");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Formats, TwoToneReportTest,
    ::testing::Values(
        TwoToneCase{"Motorola11", 0, 0, 3, 3, 19, 40, 0,
                    {" 2Tone                  : used",
                     " Format Type            : Motorola 1+1",
                     " Group Format Code      : a,   1st Group : 3,   2nd Group : 3",
                     " Tone Freq              : 1st 569.10 Hz , 2nd 584.80 Hz , 3rd None "}},
        TwoToneCase{"Motorola11NoCode", 0, 0, 1, 3, 0, 9, 0,
                    {" 2Tone                  : used",
                     " Format Type            : Motorola 1+1",
                     " Group Format Code      : None    1st Group : None    2nd Group : None ",
                     " Tone Freq              : 1st 349.00 Hz , 2nd 330.50 Hz , 3rd None "}},
        TwoToneCase{"Motorola11Unused", 1, 0, 4, 2, 0, 0, 0,
                    {" 2Tone                  : unused",
                     " Format Type            : None",
                     " Group Format Code      : None ,   1st Group : None ,   2nd Group : None ",
                     " Tone Freq              : 1st None , 2nd None , 3rd None "}},
        TwoToneCase{"Motorola22", 0, 1, 0, 0, 0, 1, 35,
                    {" 2Tone                  : used",
                     " Format Type            : Motorola 2+2",
                     " Group Format Code      : None    1st Group : None    2nd Group : None ",
                     " Tone Freq              : 1st 398.10 Hz , 2nd 441.60 Hz , 3rd 1084.00 Hz "}},
        TwoToneCase{"Motorola22Unused", 1, 1, 0, 0, 0, 1, 2,
                    {" 2Tone                  : unused",
                     " Format Type            : None",
                     " Group Format Code      : None    1st Group : None    2nd Group : None ",
                     " Tone Freq              : 1st None , 2nd None ,3rd None ,"}},
        TwoToneCase{"Reach", 0, 2, 14, 11, 40, 10, 0,
                    {" 2Tone                  : used",
                     " Format Type            : Reach",
                     " Group Format Code      : 0,   1st Group : e,   2nd Group : b",
                     " Tone Freq              : 1st 804.00 Hz , 2nd 1912.00 Hz , 3rd None "}},
        TwoToneCase{"ReachUnused", 1, 2, 13, 10, 0, 0, 0,
                    {" 2Tone                  : unused",
                     " Format Type            : None",
                     " Group Format Code      : None ,   1st Group : None ,   2nd Group : None ",
                     " Tone Freq              : 1st None , 2nd None , 3rd None "}},
        TwoToneCase{"Plectron", 0, 3, 0, 0, 58, 0, 0,
                    {" 2Tone                  : used",
                     " Format Type            : Plectoron",
                     " Group Format Code      : None    1st Group : None    2nd Group : None ",
                     " Tone Freq              : 1st 3487.00 Hz , 2nd 282.20 Hz , 3rd None "}}),
    [](const ::testing::TestParamInfo<TwoToneCase>& info) { return info.param.name; });
// clang-format on

TEST_F(TextReportTest, OptionWordsFollowEveryField)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetScanType(0));
    ASSERT_TRUE(image.SetScanHoldOnRx(0));
    ASSERT_TRUE(image.SetScanHoldAfterTx(3));
    ASSERT_TRUE(image.SetScanListClear(0));
    ASSERT_TRUE(image.SetScanHoldBy(0));
    ASSERT_TRUE(image.SetScanHoldAt(0));
    ASSERT_TRUE(image.SetPriorityCycle(0));
    ASSERT_TRUE(image.SetPriorityTime(3));
    ASSERT_TRUE(image.SetDefeatPriority2(0));
    ASSERT_TRUE(image.SetDtmfTiming(7));
    ASSERT_TRUE(image.SetChannelRollOver(0));
    ASSERT_TRUE(image.SetTimeOutTimer(0));
    ASSERT_TRUE(image.SetMicOffHookScanStop(0));
    ASSERT_TRUE(image.SetBusyLockout(1));
    ASSERT_TRUE(image.SetBeeps(0, 1, 0, 0));
    const std::vector<std::string> lines = ReportOf(image);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 13, lines.begin() + 28),
              (std::vector<std::string>{
                  " Scan Type              : Normal",
                  " Scan Hold on Rx        : 0.5 sec",
                  " Scan Hold After Tx     : INF",
                  " Scan List Clear        : Power/Scan",
                  " Scan Hold By           : NSQ",
                  " Scan Hold At           : VACANT CH",
                  " PRI CH Moniter Cycle   : 1/4",
                  " PRI CH Moniter Time    : 1.5 sec",
                  " Defeat PRI 2 CH        : Enable ",
                  " DTMF Time              : ON Time : 75 ms OFF Time : 30 ms",
                  " Channel Roll-Over      : Disable",
                  " Tx Time-Out Timer      : 30 sec",
                  " Mic Off-Hook Scan Stop : Enable ",
                  " Busy CH Lock-Out       : SGNL",
                  " Beep Control           : BeepA:unuse, BeepB:use, BeepC:unuse, BeepD:unuse",
              }));
}

TEST_F(TextReportTest, AdjustLevelsPrintWhatTheImageReadsBack)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetTxHighPowerLevel(200));
    ASSERT_TRUE(image.SetTxLowPowerLevel(100));
    ASSERT_TRUE(image.SetTxToneLevel(127));
    ASSERT_TRUE(image.SetDtmfLowToneLevel(5));
    ASSERT_TRUE(image.SetModulationSensitivity(15));
    ASSERT_TRUE(image.SetWideModulation(31));
    ASSERT_TRUE(image.SetNarrowModulation(7));
    ASSERT_TRUE(image.SetWideDemodulation(15));
    ASSERT_TRUE(image.SetNarrowDemodulation(3));
    const std::uint8_t sqVolume = 81; // out of range: reads back as -1
    ASSERT_TRUE(image.WriteBlock(&sqVolume, 0x28, 1));
    const std::vector<std::string> lines = ReportOf(image);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 29, lines.begin() + 37),
              (std::vector<std::string>{
                  " Tx High Power Level     : 200",
                  " Tx Low Power Level      : 100",
                  " Tx Tone Level           : 127",
                  " DTMF Low Tone Level     : 5",
                  " Modulation Sensitivity  : 15",
                  " Wide Band Modulation    : 31,  Narrow Band Modulation  : 7",
                  " SQ Volume               : -1",
                  " Wide Band DeModulation  : 15,  Narrow Band DeModulation: 3",
              }));
}

TEST_F(TextReportTest, GroupNamesPrintAsStoredOrNone)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetGroupName(0, "NORTH"));
    ASSERT_TRUE(image.SetGroupName(1, ""));             // empty, not blank
    ASSERT_TRUE(image.SetGroupName(2, "ABCDEFGHIJKL")); // all twelve used
    ASSERT_TRUE(image.SetGroupName(3, "  "));           // two blanks are a name
    ASSERT_TRUE(image.SetGroupName(4, "\x1b[2J\n"));    // no control reaches the line
    ASSERT_TRUE(image.SetGroupName(40, "HIDDEN"));      // the 41st slot is not listed
    const std::vector<std::string> lines = ReportOf(image);
    ASSERT_EQ(lines.size(), 78u);
    EXPECT_EQ(lines[38], GroupLine(1, "NORTH"));
    EXPECT_EQ(lines[39], GroupLine(2, ""));
    EXPECT_EQ(lines[40], GroupLine(3, "ABCDEFGHIJKL"));
    EXPECT_EQ(lines[41], GroupLine(4, "  "));
    EXPECT_EQ(lines[42], GroupLine(5, ".[2J."));
    EXPECT_EQ(lines[77], GroupLine(40, "None"));
}

TEST_F(TextReportTest, ChannelModeDecidesHowManyChannelsAreListed)
{
    CRadioImage image = VhfImage();
    for (int n = 0; n < kChannelCount; ++n)
    {
        UseChannel(image, n);
    }
    CTextReport report;
    report.Build(image, 1);
    const std::vector<std::string>& all = report.GetLines();
    EXPECT_EQ(report.GetChannelsListed(), 320);
    ASSERT_EQ(all.size(), 38u + 320u * 14u + 40u);
    EXPECT_EQ(all[38 + 319 * 14 + 1], " Channel Number         : 320              ");
    EXPECT_EQ(all[38 + 320 * 14], GroupLine(1, "None"));
    for (const std::string& line : all)
    {
        EXPECT_LE(line.size(), 99u);
    }

    // Any nonzero mode counts as 320 channels; 0 lists the first 120.
    report.Build(image, 4);
    EXPECT_EQ(report.GetChannelsListed(), 320);
    report.Build(image, 0);
    EXPECT_EQ(report.GetChannelsListed(), 120);
    EXPECT_EQ(report.GetLines()[38 + 119 * 14 + 1], " Channel Number         : 120              ");
}

TEST_F(TextReportTest, AssembleUsesTheSectionsOfThePrintCommand)
{
    CRadioImage image = VhfImage();
    CTextReport report;
    report.BuildSections(image);
    ASSERT_TRUE(image.SetSerialNumber("99"));
    UseChannel(image, 2);
    report.Assemble(image, 0);
    EXPECT_EQ(report.GetLines()[3], " Serial Number          :         ");
    EXPECT_EQ(report.GetLines()[kFirstChannelLine + 1],
              " Channel Number         : 003              ");

    // Without a print command the sections are built at assembly.
    CTextReport fresh;
    fresh.Assemble(image, 0);
    EXPECT_EQ(fresh.GetLines()[3], " Serial Number          : 99      ");
}

// Height H with character height 10 gives L = ((H / 12) * 11) / 15 lines.
struct ReportPagingCase
{
    int height;
    int lines;
    int pages;
    int lastPageLines;
    int pageNumberLine; // the page number sits below this many lines
};

class ReportPagingTest : public TextReportTest,
                         public ::testing::WithParamInterface<ReportPagingCase>
{
};

TEST_P(ReportPagingTest, SplitsTheResetReport)
{
    const ReportPagingCase& c = GetParam();
    CTextReport report;
    report.Build(CRadioImage(), 0);
    const CPageGeometry geometry({0, 0, 1000, c.height}, 10);
    ASSERT_EQ(geometry.GetLinesPerPage(), c.lines);
    EXPECT_EQ(report.PageCount(geometry), c.pages);

    int first = 0;
    int count = 0;
    ASSERT_TRUE(report.GetPageLines(geometry, c.pages, first, count));
    EXPECT_EQ(first, (c.pages - 1) * c.lines);
    EXPECT_EQ(count, c.lastPageLines);
    EXPECT_FALSE(report.GetPageLines(geometry, c.pages + 1, first, count));
    EXPECT_FALSE(report.GetPageLines(geometry, 0, first, count));

    CPageLayout layout;
    ASSERT_TRUE(report.LayOutPage(geometry, c.pages, "title", layout));
    const auto& texts = layout.GetTexts();
    ASSERT_EQ(texts.size(), static_cast<std::size_t>(c.lastPageLines + 2));
    EXPECT_EQ(texts.front().m_role, PageTextRole::Title);
    EXPECT_EQ(texts.front().m_nY, geometry.TitleY());
    EXPECT_EQ(texts[1].m_strText, report.GetLines()[static_cast<std::size_t>(first)]);
    EXPECT_EQ(texts[1].m_nY, geometry.LineY(0));
    EXPECT_EQ(texts.back().m_role, PageTextRole::PageNumber);
    EXPECT_EQ(texts.back().m_strText,
              "Page " + std::to_string(c.pages) + " / " + std::to_string(c.pages) + " ");
    EXPECT_EQ(texts.back().m_nX, 500);
    EXPECT_EQ(texts.back().m_nY, geometry.LineY(c.pageNumberLine));
}

INSTANTIATE_TEST_SUITE_P(Heights, ReportPagingTest,
                         ::testing::Values(
                             // 78 lines: 40 + 38 on A4-like pages.
                             ReportPagingCase{660, 40, 2, 38, 40},
                             // Exactly one page.
                             ReportPagingCase{1284, 78, 1, 78, 78},
                             // One line short: the last page holds one line.
                             ReportPagingCase{1260, 77, 2, 1, 77},
                             // Taller than the report: the number sits below it.
                             ReportPagingCase{2400, 146, 1, 78, 78},
                             // Too small: two lines a page.
                             ReportPagingCase{12, 2, 39, 2, 2}));

} // namespace
