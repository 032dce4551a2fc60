// Tests of the check an image passes before it is written to a radio.
#include "PlanTestSupport.h"

// model
#include "model/CheckTexts.h"
#include "model/ImageCheck.h"
#include "model/SignallingTables.h"

// std
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace
{
using namespace CheckTexts;
constexpr FindingSeverity E = FindingSeverity::Error;
constexpr FindingSeverity W = FindingSeverity::Warning;

// Two channels the check has nothing to say about, on a VHF(H) A Band image
// (136-160 MHz, 5 kHz wide and 6.25 kHz narrow steps).
CRadioImage Clean()
{
    CRadioImage image = PlanImage(5);
    PutChannel(image, 1, "CH1", Side("150.000", 12), Side("150.000", 12));
    PutChannel(image, 2, "CH2", Side("151.000", -1, "023"), Side("155.500", -1, "-023"));
    return image;
}

std::uint32_t RecordByte(int n, int byte)
{
    return ImageMap::kChannels + static_cast<std::uint32_t>((n - 1) * kChannelRecordSize + byte);
}

constexpr int kCapacity = 120; // the channels the radio holds

using Expected = std::tuple<FindingSeverity, int, std::string>;

struct CheckCase
{
    const char* name;
    std::function<void(CRadioImage&)> change;
    std::vector<Expected> expected; // severity, channel, field of every finding in order
    const char* firstText;          // a part of the first finding's text
};

class ImageCheckTest : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(ImageCheckTest, FindsWhatTheImageHolds)
{
    const CheckCase& c = GetParam();
    CRadioImage image = Clean();
    c.change(image);
    CImageCheck check;
    check.Check(image, kCapacity);

    std::vector<Expected> found;
    for (const Finding& finding : check.GetFindings())
    {
        found.emplace_back(finding.severity, finding.channel, finding.field);
    }
    const std::string all = ::testing::PrintToString(check.Lines());
    EXPECT_EQ(found, c.expected) << all;
    if (!check.GetFindings().empty())
    {
        EXPECT_NE(check.GetFindings().front().text.find(c.firstText), std::string::npos) << all;
    }
}

const CheckCase kCases[] = {
    {"Clean", [](CRadioImage&) {}, {}, ""},
    {"NoModel",
     [](CRadioImage& image) { ASSERT_TRUE(image.SetModel(-1)); },
     {{E, kNoChannel, kModel}},
     "No radio model"},
    {"TransmitOutsideTheBand",
     [](CRadioImage& image)
     {
         ASSERT_TRUE(image.SetTxWord(0, FrequencyToWord(170.0, true, 5, 5.0, true)));
         ASSERT_TRUE(image.UpdateCheck(0));
     },
     {{E, 1, kTransmitFreq}},
     "170.00000 MHz is outside 136\xE2\x80\x93"
     "160 MHz, the transmit band of VHF(H) A Band"},
    // A swallow count of 100 with a prescaler of 64: no frequency of the grid
    // has this word, whatever frequency it comes to.
    {"WordOffTheGrid",
     [](CRadioImage& image)
     {
         ASSERT_TRUE(image.SetTxWord(0, (468u << 7) | 100u));
         ASSERT_TRUE(image.UpdateCheck(0));
     },
     {{E, 1, kTransmitFreq}},
     "0x0EA64 is not that of a frequency on the 5 kHz grid"},
    {"SideInUseWithoutFrequency",
     [](CRadioImage& image) { ASSERT_TRUE(image.SetRxWord(1, kUnusedWord)); },
     {{E, 2, kReceiveFreq}},
     "no frequency"},
    {"ToneOutsideTheTable",
     [](CRadioImage& image) { PutByte(image, RecordByte(1, 0), 50); },
     {{E, 1, kReceiveSignaling}},
     "CTCSS index 50"},
    {"CodeOutsideTheTable",
     [](CRadioImage& image) { ASSERT_TRUE(image.SetTxDcs(1, 0, 020)); },
     {{E, 2, kTransmitSignaling}},
     "DCS code 20 is not one"},
    {"NoGroups",
     [](CRadioImage& image) { PutByte(image, ImageMap::kGroupCount, 0); },
     {{E, kNoChannel, kGroupCount}},
     "0 is outside 1..40"},
    {"TwoToneOutsideItsTable",
     [](CRadioImage& image)
     {
         ASSERT_TRUE(image.SetTwoToneUnused(0));
         ASSERT_TRUE(image.SetTwoToneFormat(kFormatMotorola22));
         ASSERT_TRUE(image.SetThirdToneIndex(40));
     },
     {{E, kNoChannel, k3rdTone}},
     "40 is not in the 36 tones of MOTOROLA 2+2"},
    {"TwoToneOutsideItsGroups",
     [](CRadioImage& image)
     {
         ASSERT_TRUE(image.SetTwoToneUnused(0));
         ASSERT_TRUE(image.SetTwoToneFormat(kFormatMotorola11));
         ASSERT_TRUE(image.SetTwoToneGroups(1, 3)); // no code has this pair
         ASSERT_TRUE(image.SetFirstToneIndex(5));   // group 1
         ASSERT_TRUE(image.SetSecondToneIndex(5));  // not in group 3
     },
     {{E, kNoChannel, kGroupFor1st}, {E, kNoChannel, k2ndTone}},
     "1 and 3 are not a group pair"},
    {"AniBeyondDtmf",
     [](CRadioImage& image) { PutByte(image, ImageMap::kAni, 0x1C); },
     {{W, kNoChannel, kAniNumber}},
     "cannot send"},
    {"SameReceiver",
     [](CRadioImage& image)
     { PutChannel(image, 7, "SEVEN", Side("150.000", 12), Side("152.000")); },
     {{W, 7, kReceiveFreq}},
     "150.00000 MHz with the same receive signalling as channel 1"},
    {"SameFrequencyOtherTone",
     [](CRadioImage& image) { PutChannel(image, 7, "SEVEN", Side("150.000", 13), Side("0")); },
     {},
     ""},
    {"SameName",
     [](CRadioImage& image) { PutChannel(image, 9, "CH2", Side("140.000"), Side("140.000")); },
     {{W, 9, kAlphaCharacter}},
     "\"CH2\" is the name of channel 2"},
    {"TransmitsWithoutName",
     [](CRadioImage& image)
     {
         PutChannel(image, 3, "", Side("140.000"), Side("140.000"));
         PutChannel(image, 4, "", Side("141.000"), Side("0"));
     },
     {{W, 3, kAlphaCharacter}},
     "no name"},
    {"UncommonTones",
     [](CRadioImage& image)
     {
         PutChannel(image, 3, "A", Side("140.000", 38), Side("0"));
         PutChannel(image, 4, "B", Side("141.000"), Side("141.000", 40));
         PutChannel(image, 5, "C", Side("142.000", 41), Side("142.000", 39));
     },
     {{W, 3, kReceiveSignaling}, {W, 4, kTransmitSignaling}, {W, 5, kReceiveSignaling}},
     "CTCSS 74.0 Hz"},
    {"CheckValueChanged",
     [](CRadioImage& image) { PutByte(image, RecordByte(2, 9), 3); },
     {{W, 2, kReceiveFreq}},
     "check value is 3 where"},
    {"TransmitOnly",
     [](CRadioImage& image)
     {
         PutChannel(image, 5, "E", Side("140.000"), Side("140.000"));
         ASSERT_TRUE(image.SetRxUnused(4, 1));
     },
     {{W, 5, kTransmitFreq}},
     "takes the channel as empty"},
    {"GroupsNotDividing",
     [](CRadioImage& image) { ASSERT_TRUE(image.SetGroupCount(1, 7)); },
     {{W, kNoChannel, kGroupCount}, {W, kNoChannel, kGroupCount}},
     "channels 120 to 120 fall in a group 8"},
    {"EmptyGroups",
     [](CRadioImage& image)
     {
         ASSERT_TRUE(image.SetGroupCount(1, 4));
         PutChannel(image, 70, "G3", Side("140.000"), Side("140.000"));
     },
     {{W, kNoChannel, kGroupCount}},
     "group 2, 4"},
    {"NoChannels",
     [](CRadioImage& image)
     {
         ASSERT_TRUE(StoreEmptyChannel(image, 1));
         ASSERT_TRUE(StoreEmptyChannel(image, 2));
     },
     {{W, kNoChannel, kChannelNumber}},
     "no channel is in use"},
    {"ChannelsBeyondTheCapacity",
     [](CRadioImage& image) { PutChannel(image, 200, "HIGH", Side("140.000"), Side("140.000")); },
     {{W, kNoChannel, kChannelNumber}},
     "1 channels in use above channel 120"},
    {"ErrorsBeforeWarnings",
     [](CRadioImage& image)
     {
         PutChannel(image, 3, "CH1", Side("140.000"), Side("140.000"));
         PutChannel(image, 4, "ANY", Side("141.000"), Side("141.000"));
         ASSERT_TRUE(image.SetTxWord(3, (468u << 7) | 100u));
         ASSERT_TRUE(image.UpdateCheck(3));
     },
     {{E, 4, kTransmitFreq}, {W, 3, kAlphaCharacter}},
     "grid"},
};

INSTANTIATE_TEST_SUITE_P(Rules, ImageCheckTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CheckCase>& info)
                         { return std::string(info.param.name); });
} // namespace
