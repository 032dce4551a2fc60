// Tests of the option bit fields, group count, DTMF timing and alignment levels.
#include "TestSupport.h"

// model
#include "model/OptionTables.h"

// std
#include <string>

namespace
{
// Where each field lies comes from the model's table; AddressMapTest checks
// the table against the address map.
struct OptionField
{
    const char* name;
    bool (CRadioImage::*set)(int);
    bool (CRadioImage::*get)(int&) const;
    ImageField field;
};

#define OPTION(name, field)                                                                        \
    {                                                                                              \
#name, &CRadioImage::Set##name, &CRadioImage::Get##name, field                             \
    }
const OptionField kOptionFields[] = {
    OPTION(ScanHoldOnRx, ImageFields::kScanHoldOnRx),
    OPTION(ScanHoldAfterTx, ImageFields::kScanHoldAfterTx),
    OPTION(ScanListClear, ImageFields::kScanListClear),
    OPTION(ScanHoldBy, ImageFields::kScanHoldBy),
    OPTION(ScanHoldAt, ImageFields::kScanHoldAt),
    OPTION(ScanType, ImageFields::kScanType),
    OPTION(ChannelRollOver, ImageFields::kChannelRollOver),
    OPTION(PriorityCycle, ImageFields::kPriorityCycle),
    OPTION(PriorityTime, ImageFields::kPriorityTime),
    OPTION(DtmfTiming, ImageFields::kDtmfTiming),
    OPTION(BusyLockout, ImageFields::kBusyLockout),
    OPTION(TimeOutTimer, ImageFields::kTimeOutTimer),
    OPTION(MicOffHookScanStop, ImageFields::kMicOffHookScanStop),
    OPTION(DefeatPriority2, ImageFields::kDefeatPriority2),
    OPTION(TwoToneUnused, ImageFields::kTwoToneUnused),
    OPTION(TwoToneFormat, ImageFields::kTwoToneFormat),
    OPTION(Injection, ImageFields::kInjection),
};
#undef OPTION
} // namespace

class OptionBits : public PinnedClockTest, public ::testing::WithParamInterface<OptionField>
{
};

// Every value of the field lands in its bits alone, over a background of both
// all-zero and all-one bytes, and reads back.
TEST_P(OptionBits, EveryValueWritesOnlyItsBits)
{
    const OptionField& f = GetParam();
    const ImageField& field = f.field;
    const int mask = ((1 << field.width) - 1) << field.shift;
    for (std::uint8_t background : {0x00, 0xFF})
    {
        for (int v = 0; v < (1 << field.width); ++v)
        {
            CRadioImage image;
            PutByte(image, field.offset, background);
            auto expected = WholeImage(image);
            expected[field.offset] =
                static_cast<std::uint8_t>((background & ~mask) | (v << field.shift));
            ASSERT_TRUE((image.*f.set)(v)) << f.name << " " << v;
            EXPECT_EQ(WholeImage(image), expected) << f.name << " " << v;
            int read = -1;
            ASSERT_TRUE((image.*f.get)(read));
            EXPECT_EQ(read, v) << f.name;
        }
    }
}

TEST_P(OptionBits, ValuesOnePastTheRangeAreRefused)
{
    const OptionField& f = GetParam();
    CRadioImage image;
    const auto before = WholeImage(image);
    EXPECT_FALSE((image.*f.set)(1 << f.field.width)) << f.name;
    EXPECT_FALSE((image.*f.set)(-1)) << f.name;
    EXPECT_EQ(WholeImage(image), before);
}

INSTANTIATE_TEST_SUITE_P(Fields, OptionBits, ::testing::ValuesIn(kOptionFields),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Options, BeepsShareTheLowNibbleOf0x19)
{
    CRadioImage image;
    PutByte(image, ImageMap::kInjBeep, 0xF0);
    ASSERT_TRUE(image.SetBeeps(1, 0, 1, 0));
    EXPECT_EQ(ByteAt(image, ImageMap::kInjBeep), 0xFA);
    EXPECT_FALSE(image.SetBeeps(1, 2, 1, 0));
    EXPECT_FALSE(image.SetBeeps(0, 0, 0, -1));
    EXPECT_EQ(ByteAt(image, ImageMap::kInjBeep), 0xFA);
    int a = -1, b = -1, c = -1, d = -1;
    ASSERT_TRUE(image.GetBeeps(a, b, c, d));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(d, 0);
}

struct GroupCountCase
{
    int count;
    bool ok;
    int flag; // -1: the flag is not written
};

class GroupCount : public ::testing::TestWithParam<GroupCountCase>
{
};

TEST_P(GroupCount, IsStoredWholeAndReadWithItsFlag)
{
    const GroupCountCase& c = GetParam();
    CRadioImage image;
    ASSERT_TRUE(image.SetGroupCount(1, c.count));
    EXPECT_EQ(ByteAt(image, ImageMap::kGroupCount), c.count);
    int flag = -1, count = -1;
    EXPECT_EQ(image.GetGroupCount(flag, count), c.ok);
    EXPECT_EQ(count, c.count);
    EXPECT_EQ(flag, c.flag);
}

INSTANTIATE_TEST_SUITE_P(Counts, GroupCount,
                         ::testing::Values(GroupCountCase{1, true, 0}, GroupCountCase{4, true, 0},
                                           GroupCountCase{10, true, 1}, GroupCountCase{15, true, 1},
                                           GroupCountCase{16, false, -1},
                                           GroupCountCase{20, false, -1},
                                           GroupCountCase{40, false, -1}));

TEST(GroupCount, OutOfRangeArgumentsAreRefused)
{
    CRadioImage image;
    const auto before = WholeImage(image);
    EXPECT_FALSE(image.SetGroupCount(0, 41));
    EXPECT_FALSE(image.SetGroupCount(0, -1));
    EXPECT_FALSE(image.SetGroupCount(2, 4));
    EXPECT_FALSE(image.SetGroupCount(-1, 4));
    EXPECT_EQ(WholeImage(image), before);
}

TEST(OptionTables, DtmfTimes)
{
    int on = 0, off = 0;
    ASSERT_TRUE(DtmfTimes(0, on, off));
    EXPECT_EQ(on, 600);
    EXPECT_EQ(off, 600);
    ASSERT_TRUE(DtmfTimes(7, on, off));
    EXPECT_EQ(on, 75);
    EXPECT_EQ(off, 30);
    EXPECT_FALSE(DtmfTimes(8, on, off));
    EXPECT_FALSE(DtmfTimes(-1, on, off));
}

TEST(OptionTables, AllowedGroupCountsDivideTheCapacity)
{
    EXPECT_EQ(GroupCountChoices(0), 12);
    EXPECT_EQ(GroupCountChoices(1), 10);
    for (int mode : {0, 1})
    {
        const int capacity = mode == 0 ? 120 : 320;
        for (int i = 0; i < GroupCountChoices(mode); ++i)
        {
            const int count = GroupCountChoice(mode, i);
            EXPECT_EQ(capacity % count, 0) << count;
            EXPECT_TRUE(IsAllowedGroupCount(mode, count));
        }
        EXPECT_EQ(GroupCountChoice(mode, GroupCountChoices(mode)), -1);
    }
    EXPECT_TRUE(IsAllowedGroupCount(0, 3));
    EXPECT_FALSE(IsAllowedGroupCount(1, 3));
    EXPECT_TRUE(IsAllowedGroupCount(4, 32)); // any nonzero mode is 320 channels
    EXPECT_FALSE(IsAllowedGroupCount(0, 0));
}

namespace
{
struct LevelField
{
    const char* name;
    bool (CRadioImage::*set)(int);
    bool (CRadioImage::*get)(int&) const;
    std::uint32_t offset;
    int setMax;
    int readMax;             // highest value that reads back as valid
    std::uint8_t storedByte; // a raw byte to read back
    bool readOk;
    int readValue;
};

const LevelField kLevelFields[] = {
    // name, setter, getter, offset, set max, read max, raw byte, read ok, read value
    {"TxHighPower", &CRadioImage::SetTxHighPowerLevel, &CRadioImage::GetTxHighPowerLevel,
     ImageFields::kTxHighPowerLevel.offset, 255, 255, 0xFF, true, 255},
    {"TxLowPower", &CRadioImage::SetTxLowPowerLevel, &CRadioImage::GetTxLowPowerLevel,
     ImageFields::kTxLowPowerLevel.offset, 255, 255, 0x80, true, 128},
    {"SqVolume", &CRadioImage::SetSqVolume, &CRadioImage::GetSqVolume,
     ImageFields::kSqVolume.offset, 255, 80, 81, false, -1},
    {"SqVolumeTop", &CRadioImage::SetSqVolume, &CRadioImage::GetSqVolume,
     ImageFields::kSqVolume.offset, 255, 80, 80, true, 80},
    {"TxTone", &CRadioImage::SetTxToneLevel, &CRadioImage::GetTxToneLevel,
     ImageFields::kTxToneLevel.offset, 127, 127, 0x80, false, -1},
    {"DtmfLowTone", &CRadioImage::SetDtmfLowToneLevel, &CRadioImage::GetDtmfLowToneLevel,
     ImageFields::kDtmfLowToneLevel.offset, 127, 127, 0x7F, true, 127},
    {"ModSensitivity", &CRadioImage::SetModulationSensitivity,
     &CRadioImage::GetModulationSensitivity, ImageFields::kModulationSensitivity.offset, 15, 15, 16,
     false, -1},
    {"WideMod", &CRadioImage::SetWideModulation, &CRadioImage::GetWideModulation,
     ImageFields::kWideModulation.offset, 31, 31, 0xFF, true, 31},
    {"NarrowMod", &CRadioImage::SetNarrowModulation, &CRadioImage::GetNarrowModulation,
     ImageFields::kNarrowModulation.offset, 31, 31, 0xE3, true, 3},
    {"WideDemod", &CRadioImage::SetWideDemodulation, &CRadioImage::GetWideDemodulation,
     ImageFields::kWideDemodulation.offset, 15, 15, 0xF5, true, 5},
    {"NarrowDemod", &CRadioImage::SetNarrowDemodulation, &CRadioImage::GetNarrowDemodulation,
     ImageFields::kNarrowDemodulation.offset, 15, 15, 0x3C, true, 12},
};
} // namespace

class AlignmentLevel : public PinnedClockTest, public ::testing::WithParamInterface<LevelField>
{
};

TEST_P(AlignmentLevel, AcceptsItsRangeAndRefusesOnePast)
{
    const LevelField& f = GetParam();
    CRadioImage image;
    for (int v : {0, f.setMax / 2, f.setMax})
    {
        ASSERT_TRUE((image.*f.set)(v)) << f.name << " " << v;
        int read = 1000;
        const bool valid = v <= f.readMax;
        EXPECT_EQ((image.*f.get)(read), valid) << f.name << " " << v;
        EXPECT_EQ(read, valid ? v : -1) << f.name << " " << v;
    }
    const auto before = WholeImage(image);
    EXPECT_FALSE((image.*f.set)(f.setMax + 1)) << f.name;
    EXPECT_FALSE((image.*f.set)(-1)) << f.name;
    EXPECT_EQ(WholeImage(image), before);
}

TEST_P(AlignmentLevel, ReadsBackARawByteByItsRule)
{
    const LevelField& f = GetParam();
    CRadioImage image;
    PutByte(image, f.offset, f.storedByte);
    int read = 1000;
    EXPECT_EQ((image.*f.get)(read), f.readOk) << f.name;
    EXPECT_EQ(read, f.readValue) << f.name;
}

INSTANTIATE_TEST_SUITE_P(Levels, AlignmentLevel, ::testing::ValuesIn(kLevelFields),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AlignmentLevel, ModulationKeepsTheTopBitsAndDemodulationWritesTheWholeByte)
{
    CRadioImage image;
    PutByte(image, 0x2C, 0xE0);
    PutByte(image, 0x2E, 0xF0);
    ASSERT_TRUE(image.SetWideModulation(31));
    ASSERT_TRUE(image.SetWideDemodulation(5));
    EXPECT_EQ(ByteAt(image, 0x2C), 0xFF);
    EXPECT_EQ(ByteAt(image, 0x2E), 0x05);
}
