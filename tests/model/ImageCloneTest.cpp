// Cloning a plan onto a radio: which bytes come from which image, checked
// address by address against the memory map, and which plans are refused.
#include "TestSupport.h"

// model
#include "model/ImageClone.h"

// std
#include <string>

namespace
{
// Two images that differ in every bit of every byte.
void FillOpposite(CRadioImage& radio, CRadioImage& plan)
{
    std::vector<std::uint8_t> a(kImageSize);
    std::vector<std::uint8_t> b(kImageSize);
    for (std::uint32_t i = 0; i < kImageSize; ++i)
    {
        a[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
        b[i] = static_cast<std::uint8_t>(~a[i]);
    }
    ASSERT_TRUE(radio.WriteBlock(a.data(), 0, kImageSize));
    ASSERT_TRUE(plan.WriteBlock(b.data(), 0, kImageSize));
}

TEST(ImageClone, EveryAddressComesFromTheImageTheMemoryMapGivesIt)
{
    // Written out from the memory map, not from the clone's own table.
    const struct
    {
        std::uint32_t first;
        std::uint32_t last;
        std::uint8_t planBits;
        const char* what;
    } map[] = {
        {0x0000, 0x000C, 0x00, "serial number, customer, date"},
        {0x000D, 0x000D, 0x00, "model"},
        {0x000E, 0x0015, 0x00, "reference dividers and IF offsets"},
        {0x0016, 0x0016, 0x00, "fixed bits"},
        {0x0017, 0x0017, 0xF0, "scan hold times, not the fixed or kept bits"},
        {0x0018, 0x0018, 0xFF, "scan options"},
        {0x0019, 0x0019, 0x0F, "beeps, not the injection flag"},
        {0x001A, 0x001A, 0xFF, "priority time, 2-tone flags, DTMF timing"},
        {0x001B, 0x001B, 0xFC, "lock-out, time-out, scan stop"},
        {0x001C, 0x001D, 0x00, "fixed and uninterpreted"},
        {0x001E, 0x001E, 0x80, "defeat priority 2"},
        {0x001F, 0x0020, 0x00, "fixed and uninterpreted"},
        {0x0021, 0x0024, 0xFF, "2-tone groups and tones"},
        {0x0025, 0x0025, 0xFF, "group count"},
        {0x0026, 0x002F, 0x00, "alignment levels"},
        {0x0030, 0x009C, 0x00, "uninterpreted"},
        {0x009D, 0x00A1, 0xFF, "ANI number"},
        {0x00A2, 0x00A6, 0x00, "uninterpreted"},
        {0x00A7, 0x0286, 0xFF, "40 group names"},
        {0x0287, 0x033F, 0x00, "the slot past the names, uninterpreted"},
        {0x0340, 0x1FFF, 0xFF, "320 channel records"},
    };
    CRadioImage radio;
    CRadioImage plan;
    FillOpposite(radio, plan);
    CRadioImage merged;
    CImageClone::Merge(radio, plan, merged);
    const auto r = WholeImage(radio);
    const auto p = WholeImage(plan);
    const auto m = WholeImage(merged);
    std::uint32_t next = 0;
    for (const auto& stretch : map)
    {
        ASSERT_EQ(stretch.first, next) << "the table must cover the image: " << stretch.what;
        for (std::uint32_t a = stretch.first; a <= stretch.last; ++a)
        {
            const auto expected =
                static_cast<std::uint8_t>((r[a] & ~stretch.planBits) | (p[a] & stretch.planBits));
            ASSERT_EQ(m[a], expected) << stretch.what << " at 0x" << std::hex << a;
        }
        next = stretch.last + 1;
    }
    EXPECT_EQ(next, kImageSize);
}

TEST(ImageClone, FieldsReadBackFromTheirOwnImage)
{
    CRadioImage radio;
    CRadioImage plan;
    ASSERT_TRUE(radio.SetSerialNumber("1234ABCD"));
    ASSERT_TRUE(radio.SetCustomer("55"));
    ASSERT_TRUE(radio.SetDate(2019, 5, 6));
    ASSERT_TRUE(radio.SetModel(5));
    ASSERT_TRUE(radio.SetInjection(0));
    ASSERT_TRUE(radio.SetSqVolume(40));
    ASSERT_TRUE(radio.SetWideModulation(17));
    ASSERT_TRUE(plan.SetSerialNumber("9"));
    ASSERT_TRUE(plan.SetModel(5));
    ASSERT_TRUE(plan.SetInjection(1));
    ASSERT_TRUE(plan.SetSqVolume(3));
    ASSERT_TRUE(plan.SetChannelName(17, "DEPOT"));
    ASSERT_TRUE(plan.SetGroupName(39, "NORTH"));
    ASSERT_TRUE(plan.SetAniNumber("12#4"));
    ASSERT_TRUE(plan.SetTimeOutTimer(2));
    ASSERT_TRUE(plan.SetBeeps(0, 1, 0, 1));
    ASSERT_TRUE(plan.SetGroupCount(1, 8));
    ASSERT_TRUE(plan.SetFirstToneIndex(33));

    CRadioImage merged;
    CImageClone::Merge(radio, plan, merged);
    std::string text;
    int value = -1;
    int year = 0;
    int month = 0;
    int day = 0;
    EXPECT_TRUE(merged.GetSerialNumber(text) && text == "1234ABCD") << text;
    EXPECT_TRUE(merged.GetCustomer(text) && text == "55        ") << text;
    EXPECT_TRUE(merged.GetDate(year, month, day) && year == 2019 && month == 5 && day == 6);
    EXPECT_TRUE(merged.GetInjection(value) && value == 0);
    EXPECT_TRUE(merged.GetSqVolume(value) && value == 40);
    EXPECT_TRUE(merged.GetWideModulation(value) && value == 17);
    EXPECT_TRUE(merged.GetChannelName(17, text) && text.rfind("DEPOT", 0) == 0) << text;
    EXPECT_TRUE(merged.GetGroupName(39, text) && text.rfind("NORTH", 0) == 0) << text;
    EXPECT_TRUE(merged.GetAniNumber(text) && text.rfind("12#4", 0) == 0) << text;
    EXPECT_TRUE(merged.GetTimeOutTimer(value) && value == 2);
    int a = -1;
    int b = -1;
    int c = -1;
    int d = -1;
    EXPECT_TRUE(merged.GetBeeps(a, b, c, d) && a == 0 && b == 1 && c == 0 && d == 1);
    int big = 0;
    EXPECT_TRUE(merged.GetGroupCount(big, value) && value == 8);
    EXPECT_TRUE(merged.GetFirstToneIndex(value) && value == 33);
}

TEST(ImageClone, APlanThatDoesNotFitTheRadioIsRefused)
{
    struct Case
    {
        const char* name;
        int radioModel;
        int planModel;
        int radioChannels;
        int planChannels;
        double planWideStep;
        double planNarrowStep;
        int planIfSign; // the plan's wide IF offset: +1 low side, -1 high side
        CloneRefusal expected;
    };
    const Case cases[] = {
        {"a fitting plan", 5, 5, 320, 320, 5000, 6250, -1, CloneRefusal::None},
        {"a fitting 120-channel plan", 9, 9, 120, 120, 5000, 6250, -1, CloneRefusal::None},
        {"a radio without model", -1, 5, 320, 320, 5000, 6250, -1,
         CloneRefusal::RadioModelUnset},
        {"a plan without model", 5, -1, 320, 320, 5000, 6250, -1, CloneRefusal::PlanModelUnset},
        {"another band", 5, 6, 320, 320, 5000, 6250, -1, CloneRefusal::OtherModel},
        {"320 channels for a 120-channel radio", 5, 5, 120, 320, 5000, 6250, -1,
         CloneRefusal::OtherCapacity},
        {"120 channels for a 320-channel radio", 5, 5, 320, 120, 5000, 6250, -1,
         CloneRefusal::OtherCapacity},
        {"another wide step", 5, 5, 320, 320, 2500, 6250, -1, CloneRefusal::OtherReference},
        {"another narrow step", 5, 5, 320, 320, 5000, 5000, -1, CloneRefusal::OtherReference},
        {"the other injection side", 5, 5, 320, 320, 5000, 6250, +1,
         CloneRefusal::OtherInjection},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CRadioImage radio;
        CRadioImage plan;
        ASSERT_TRUE(radio.SetModel(c.radioModel));
        ASSERT_TRUE(plan.SetModel(c.planModel));
        ASSERT_TRUE(radio.SetWideReference(5000));
        ASSERT_TRUE(radio.SetNarrowReference(6250));
        ASSERT_TRUE(radio.SetWideIfOffset(-9000));
        ASSERT_TRUE(plan.SetWideReference(c.planWideStep));
        ASSERT_TRUE(plan.SetNarrowReference(c.planNarrowStep));
        ASSERT_TRUE(plan.SetWideIfOffset(9000 * c.planIfSign));
        EXPECT_EQ(CImageClone::Check(radio, c.radioChannels, plan, c.planChannels), c.expected);
    }
}

TEST(ImageClone, BitsTheDividerDoesNotUseDoNotRefuseAPlan)
{
    CRadioImage radio;
    ASSERT_TRUE(radio.SetModel(5));
    ASSERT_TRUE(radio.SetWideReference(5000));
    ASSERT_TRUE(radio.SetWideIfOffset(-9000));
    CRadioImage plan = radio;
    // Bits 7-6 of the divider's high byte are ignored when it is read.
    PutByte(plan, ImageMap::kWideRef, static_cast<std::uint8_t>(ByteAt(radio, ImageMap::kWideRef) | 0xC0));
    EXPECT_EQ(CImageClone::Check(radio, 320, plan, 320), CloneRefusal::None);
}
} // namespace
