// Tests of the field-by-field comparison of two images.
#include "PlanTestSupport.h"

// model
#include "model/ImageDiff.h"

// std
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace
{
constexpr char kArrow[] = " \xE2\x86\x92 ";

std::string Line(const std::string& field, const std::string& a, const std::string& b)
{
    return field + " " + a + kArrow + b;
}

std::string AddressLine(std::uint32_t address, int a, int b)
{
    char text[64];
    std::snprintf(text, sizeof text, "address 0x%04X 0x%02X%s0x%02X", address, a, kArrow, b);
    return text;
}

// Channel 17 at 150.005 MHz both ways, named ABC, on a VHF(H) A Band image.
CRadioImage Base()
{
    CRadioImage image = PlanImage(5);
    PutChannel(image, 17, "ABC", Side("150.005"), Side("150.005"));
    return image;
}

std::string CheckLine(const CRadioImage& a, const CRadioImage& b, int n)
{
    int before = 0;
    int after = 0;
    EXPECT_TRUE(a.GetCheck(n - 1, before));
    EXPECT_TRUE(b.GetCheck(n - 1, after));
    return Line("ch " + std::to_string(n) + " check value", std::to_string(before),
                std::to_string(after));
}
} // namespace

TEST(ImageDiff, EachEditIsNamedByItsFieldOnItsFormAndNothingElseIsListed)
{
    using F = DiffForm;
    const std::uint32_t record200 = ImageMap::kChannels + 199 * kChannelRecordSize;
    struct Case
    {
        const char* name;
        std::function<void(CRadioImage&)> edit;
        std::vector<std::string> lines;
        DiffForm form;          // the form that edits the first line's field
        bool checkLine = false; // the channel's check value follows its words
    };
    const Case cases[] = {
        {"same", [](CRadioImage&) {}, {}, F::Manual},
        {"receiveFrequency",
         [](CRadioImage& b) { PutChannel(b, 17, "ABC", Side("150.01"), Side("150.005")); },
         {Line("ch 17 receive frequency", "150.00500", "150.01000")},
         F::Channel,
         true},
        {"name",
         [](CRadioImage& b) { ASSERT_TRUE(b.SetChannelName(16, "ABD")); },
         {Line("ch 17 name", "\"ABC\"", "\"ABD\"")},
         F::Channel},
        {"signalling",
         [](CRadioImage& b)
         { PutChannel(b, 17, "ABC", Side("150.005", 12), Side("150.005", -1, "-023")); },
         {Line("ch 17 receive signalling", "none", "CTCSS 103.5 Hz"),
          Line("ch 17 transmit signalling", "none", "DCS -23")},
         F::Channel},
        {"switchesAndAuxiliaryBits",
         [](CRadioImage& b)
         {
             ASSERT_TRUE(b.SetCompander(16, 0));
             ASSERT_TRUE(b.SetScanGroupB(16, 0));
             ASSERT_TRUE(b.SetAuxData(16, 0x5A));
         },
         {Line("ch 17 compander", "disabled", "enabled"),
          Line("ch 17 scan group B", "not a member", "member"),
          Line("ch 17 auxiliary bits", "11111111", "01011010")},
         F::Channel},
        {"serialNumber",
         [](CRadioImage& b) { ASSERT_TRUE(b.SetSerialNumber("12AB")); },
         {Line("serial number", "\"        \"", "\"12AB    \"")},
         F::Model},
        {"options",
         [](CRadioImage& b)
         {
             ASSERT_TRUE(b.SetTimeOutTimer(2));
             ASSERT_TRUE(b.SetScanType(0));
         },
         {Line("scan type", "PS", "Normal"), Line("time-out timer", "INF", "90 sec")},
         F::Option},
        // The injection side lives among the option bytes but is the Model form's.
        {"injection",
         [](CRadioImage& b) { PutByte(b, 0x19, ByteAt(b, 0x19) ^ 0x10); },
         {Line("injection", "HI", "LOW")},
         F::Model},
        {"alignment",
         [](CRadioImage& b) { ASSERT_TRUE(b.SetSqVolume(40)); },
         {Line("SQ Volume", "0", "40")},
         F::Adjust},
        // A level is its codec's bits; the bits it keeps are only bytes.
        {"modulationLevel",
         [](CRadioImage& b) { PutByte(b, 0x2C, 0xFC); },
         {Line("Wide Band Modulation", "0", "28")},
         F::Adjust},
        {"modulationKeptBits",
         [](CRadioImage& b) { PutByte(b, 0x2D, 0x00); },
         {AddressLine(0x2D, 0xE0, 0x00)},
         F::Manual},
        {"levelOutOfRange",
         [](CRadioImage& b) { PutByte(b, 0x28, 81); },
         {Line("SQ Volume", "0", "-1")},
         F::Adjust},
        {"groupName",
         [](CRadioImage& b) { ASSERT_TRUE(b.SetGroupName(2, "NORTH")); },
         {Line("group 3 name", "\"            \"", "\"NORTH\"")},
         F::Channel},
        {"ani",
         [](CRadioImage& b) { ASSERT_TRUE(b.SetAniNumber("12#")); },
         {Line("ANI number", "\"          \"", "\"12#       \"")},
         F::TwoTone},
        // Models 5 and 6 tune alike, so only the model itself differs.
        {"model",
         [](CRadioImage& b) { ASSERT_TRUE(b.SetModel(6)); },
         {Line("model", "VHF(H) A Band", "VHF(H) B Band")},
         F::Model},
        {"uninterpretedByte",
         [](CRadioImage& b) { PutByte(b, 0x30, 0x00); },
         {AddressLine(0x30, 0xFF, 0x00)},
         F::Manual},
        // A word behind an unused flag shows in no field, so its bytes are listed.
        {"wordOfAnUnusedSide",
         [](CRadioImage& b) { ASSERT_TRUE(b.SetRxWord(199, 0x12345)); },
         {AddressLine(record200 + 1, 0xFF, 0xF9), AddressLine(record200 + 2, 0xFF, 0x23),
          AddressLine(record200 + 3, 0xFF, 0x45)},
         F::Manual},
    };
    const CRadioImage a = Base();
    for (const Case& c : cases)
    {
        CRadioImage b = a;
        c.edit(b);
        std::vector<std::string> expected = c.lines;
        if (c.checkLine)
        {
            expected.push_back(CheckLine(a, b, 17));
        }
        CImageDiff diff;
        diff.Compare(a, 320, b, 320);
        EXPECT_EQ(diff.GetLines(), expected) << c.name;
        EXPECT_EQ(diff.IsSame(), expected.empty()) << c.name;
        // The parts of each entry are the line the command line prints.
        ASSERT_EQ(diff.GetEntries().size(), expected.size()) << c.name;
        if (!expected.empty())
        {
            const DiffEntry& entry = diff.GetEntries().front();
            EXPECT_EQ(entry.form, c.form) << c.name;
            EXPECT_EQ(Line(entry.field, entry.first, entry.second), expected.front()) << c.name;
        }
        // The other way round names the same fields with the values swapped.
        CImageDiff back;
        back.Compare(b, 320, a, 320);
        EXPECT_EQ(back.GetLines().size(), expected.size()) << c.name;
    }
}

TEST(ImageDiff, CapacityAloneIsADifference)
{
    const CRadioImage a = Base();
    CImageDiff diff;
    diff.Compare(a, 120, a, 320);
    EXPECT_EQ(diff.GetLines(), std::vector<std::string>{Line("capacity", "120", "320")});
    EXPECT_FALSE(diff.IsSame());
    ASSERT_EQ(diff.GetEntries().size(), 1U);
    EXPECT_EQ(diff.GetEntries()[0].form, DiffForm::Option);
}

TEST(ImageDiff, EveryDifferingByteIsAccountedFor)
{
    // Random bytes everywhere: each differing byte must be named by a field or
    // listed as an address, so images that differ never compare the same.
    std::uint32_t seed = 12345;
    const auto next = [&seed]()
    {
        seed = seed * 1103515245U + 12345U;
        return static_cast<std::uint8_t>(seed >> 16);
    };
    for (int round = 0; round < 50; ++round)
    {
        CRadioImage a = Base();
        CRadioImage b = a;
        const std::uint32_t address = static_cast<std::uint32_t>(next()) * 32 + next() % 32;
        std::uint8_t value = ByteAt(a, address);
        value = static_cast<std::uint8_t>(value ^ (1U << (next() % 8)));
        PutByte(b, address, value);
        CImageDiff diff;
        diff.Compare(a, 320, b, 320);
        EXPECT_FALSE(diff.IsSame()) << "address " << address;
        EXPECT_LE(diff.GetLines().size(), 3U) << "address " << address;
    }
}
