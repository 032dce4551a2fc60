// Tests of the channel records, their check value and the group-name slots.
#include "TestSupport.h"

// std
#include <functional>
#include <random>
#include <string>

namespace
{
std::uint32_t RecordStart(int n)
{
    return ImageMap::kChannels + static_cast<std::uint32_t>(n) * kChannelRecordSize;
}

// Flag fields share one shape: a setter and a getter taking (n, value). Where
// each lies comes from the model's table; AddressMapTest checks the table
// against the address map.
struct FlagField
{
    const char* name;
    bool (CRadioImage::*set)(int, int);
    bool (CRadioImage::*get)(int, int&) const;
    ImageField field;
};

#define FLAG(name)                                                                                 \
    {                                                                                              \
#name, &CRadioImage::Set##name, &CRadioImage::Get##name, ImageFields::k##name              \
    }
const FlagField kFlagFields[] = {
    FLAG(RxSignallingNone),
    FLAG(TxSignallingNone),
    FLAG(RxSignallingType),
    FLAG(TxSignallingType),
    FLAG(RxUnused),
    FLAG(TxUnused),
    FLAG(TxPower),
    FLAG(Scrambler),
    FLAG(ScanGroupA),
    FLAG(ScanGroupB),
    FLAG(Compander),
    FLAG(Wide),
    FLAG(DTone),
    FLAG(AniEnable),
};
#undef FLAG
} // namespace

class ChannelFlag : public PinnedClockTest, public ::testing::WithParamInterface<FlagField>
{
};

TEST_P(ChannelFlag, WritesOnlyItsOwnBit)
{
    const FlagField& f = GetParam();
    for (int n : {0, 119, 120, 319})
    {
        CRadioImage image;
        auto expected = WholeImage(image);
        ASSERT_TRUE((image.*f.set)(n, 0)) << f.name;
        expected[RecordStart(n) + f.field.offset] &=
            static_cast<std::uint8_t>(~(1 << f.field.shift));
        EXPECT_EQ(WholeImage(image), expected) << f.name << " channel " << n;
        int value = -1;
        ASSERT_TRUE((image.*f.get)(n, value));
        EXPECT_EQ(value, 0);
        ASSERT_TRUE((image.*f.set)(n, 1));
        ASSERT_TRUE((image.*f.get)(n, value));
        EXPECT_EQ(value, 1);
    }
}

TEST_P(ChannelFlag, RefusesBadIndexesAndValues)
{
    const FlagField& f = GetParam();
    CRadioImage image;
    const auto before = WholeImage(image);
    EXPECT_FALSE((image.*f.set)(320, 0)) << f.name;
    EXPECT_FALSE((image.*f.set)(-1, 0)) << f.name;
    EXPECT_FALSE((image.*f.set)(0, 2)) << f.name;
    EXPECT_FALSE((image.*f.set)(0, -1)) << f.name;
    EXPECT_EQ(WholeImage(image), before);
    int value = 7;
    EXPECT_FALSE((image.*f.get)(320, value)) << f.name;
    EXPECT_FALSE((image.*f.get)(-1, value)) << f.name;
}

INSTANTIATE_TEST_SUITE_P(Fields, ChannelFlag, ::testing::ValuesIn(kFlagFields),
                         [](const auto& info) { return std::string(info.param.name); });

class ChannelRecord : public PinnedClockTest
{
};

TEST_F(ChannelRecord, RecordsSitWhereTheMapSays)
{
    const std::pair<int, std::uint32_t> starts[] = {
        {0, 0x0340}, {119, 0x0DF1}, {120, 0x0E08}, {319, 0x1FE9}};
    for (const auto& [n, start] : starts)
    {
        CRadioImage image;
        ASSERT_TRUE(image.SetAuxData(n, 0x5A));
        EXPECT_EQ(ByteAt(image, start + 10), 0x5A) << n;
    }
    CRadioImage image;
    ASSERT_TRUE(image.SetChannelName(319, "ABCDEFGHIJKL"));
    EXPECT_EQ(ByteAt(image, 0x1FFF), 'L');
}

TEST_F(ChannelRecord, EveryRecordStartsUnusedAfterReset)
{
    CRadioImage image;
    using IntField = bool (CRadioImage::*)(int, int&) const;
    const std::pair<IntField, int> fields[] = {{&CRadioImage::GetRxUnused, 1},
                                               {&CRadioImage::GetTxUnused, 1},
                                               {&CRadioImage::GetRxSignallingNone, 1},
                                               {&CRadioImage::GetTxSignallingNone, 1},
                                               {&CRadioImage::GetWide, 1},
                                               {&CRadioImage::GetAuxData, 255}};
    for (int n = 0; n < kChannelCount; ++n)
    {
        int value = -1, inverted = -1;
        for (const auto& [get, expected] : fields)
        {
            value = -1;
            ASSERT_TRUE((image.*get)(n, value));
            EXPECT_EQ(value, expected) << n;
        }
        std::uint32_t word = 0;
        ASSERT_TRUE(image.GetRxWord(n, word));
        EXPECT_EQ(word, kUnusedWord);
        ASSERT_TRUE(image.GetTxWord(n, word));
        EXPECT_EQ(word, kUnusedWord);
        ASSERT_TRUE(image.GetTxDcs(n, inverted, value));
        EXPECT_EQ(inverted, 1);
        EXPECT_EQ(value, 511);
        std::string name;
        ASSERT_TRUE(image.GetChannelName(n, name));
        EXPECT_EQ(name, "            ");
        // Bytes 0-10 are all 0xFF (the check value is simply left as filled).
        EXPECT_EQ(Bytes(image, RecordStart(n), 11), std::vector<std::uint8_t>(11, 0xFF)) << n;
    }
}

TEST_F(ChannelRecord, DcsCodeIsSplitOverTwoBytes)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetRxDcs(0, 1, 19)); // 023 inverted
    EXPECT_EQ(ByteAt(image, RecordStart(0)) & 0x3F, 0x21);
    EXPECT_EQ(ByteAt(image, RecordStart(0) + 1) >> 4, 0x3);
    EXPECT_EQ(ByteAt(image, RecordStart(0)) & 0xC0, 0xC0);     // none and type kept
    EXPECT_EQ(ByteAt(image, RecordStart(0) + 1) & 0x0F, 0x0F); // unused and word kept
    int inverted = -1, code = -1;
    ASSERT_TRUE(image.GetRxDcs(0, inverted, code));
    EXPECT_EQ(inverted, 1);
    EXPECT_EQ(code, 19);

    // A CTCSS index overwrites bits 5-0 (the inverted bit too) and keeps byte 1.
    ASSERT_TRUE(image.SetRxCtcss(0, 12));
    EXPECT_EQ(ByteAt(image, RecordStart(0)), 0xCC);
    EXPECT_EQ(ByteAt(image, RecordStart(0) + 1), 0x3F);
    int index = -1;
    ASSERT_TRUE(image.GetRxCtcss(0, index));
    EXPECT_EQ(index, 12);
}

TEST_F(ChannelRecord, TransmitSideMirrorsTheReceiveLayoutFourBytesOn)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetTxDcs(7, 0, 492)); // 754
    ASSERT_TRUE(image.SetTxWord(7, 0x0EA30));
    ASSERT_TRUE(image.SetTxUnused(7, 0));
    EXPECT_EQ(Bytes(image, RecordStart(7) + 4, 4),
              (std::vector<std::uint8_t>{0xDE, 0xC0, 0xEA, 0x30}));
    EXPECT_EQ(Bytes(image, RecordStart(7), 4), std::vector<std::uint8_t>(4, 0xFF));
    ASSERT_TRUE(image.SetTxCtcss(7, 44));
    int index = -1;
    ASSERT_TRUE(image.GetTxCtcss(7, index));
    EXPECT_EQ(index, 44);
}

TEST_F(ChannelRecord, WordsRoundTripThroughTheirThreeBytes)
{
    CRadioImage image;
    for (std::uint32_t word : {0x00000U, 0x0A408U, 0x13098U, 0x7FFFFU, 0x40000U})
    {
        ASSERT_TRUE(image.SetRxWord(3, word));
        ASSERT_TRUE(image.SetTxWord(3, word ^ 0x7FFFF));
        std::uint32_t rx = 0, tx = 0;
        ASSERT_TRUE(image.GetRxWord(3, rx));
        ASSERT_TRUE(image.GetTxWord(3, tx));
        EXPECT_EQ(rx, word);
        EXPECT_EQ(tx, word ^ 0x7FFFF);
    }
    int unused = -1;
    ASSERT_TRUE(image.GetRxUnused(3, unused)); // bit 3 of byte 1 is not part of the word
    EXPECT_EQ(unused, 1);
}

TEST_F(ChannelRecord, StoredCtcssAbove44IsDeliveredButFalse)
{
    CRadioImage image; // bits 5-0 of byte 0 are 0x3F after Reset
    int index = -1;
    EXPECT_FALSE(image.GetRxCtcss(0, index));
    EXPECT_EQ(index, 63);
}

TEST_F(ChannelRecord, OutOfRangeValuesLeaveTheImageUnchanged)
{
    CRadioImage image;
    const auto before = WholeImage(image);
    const std::function<bool()> refused[] = {
        [&] { return image.SetRxDcs(0, 0, 512); },
        [&] { return image.SetTxDcs(0, 2, 19); },
        [&] { return image.SetRxDcs(0, 0, -1); },
        [&] { return image.SetRxCtcss(0, 45); },
        [&] { return image.SetTxCtcss(0, -1); },
        [&] { return image.SetRxWord(0, 0x80000); },
        [&] { return image.SetTxWord(0, 0xFFFFFFFF); },
        [&] { return image.SetAuxData(0, 256); },
        [&] { return image.SetAuxData(0, -1); },
        [&] { return image.SetChannelName(0, "ABCDEFGHIJKLM"); },
        [&] { return image.SetRxDcs(320, 0, 19); },
        [&] { return image.SetTxCtcss(320, 1); },
        [&] { return image.SetRxWord(320, 1); },
        [&] { return image.SetTxWord(-1, 1); },
        [&] { return image.SetAuxData(320, 1); },
        [&] { return image.UpdateCheck(320); },
        [&] { return image.UpdateCheck(-1); },
        [&] { return image.SetChannelName(320, "A"); },
        [&] { return image.SetGroupName(41, "A"); },
        [&] { return image.SetGroupName(-1, "A"); },
        [&] { return image.SetGroupName(0, "ABCDEFGHIJKLM"); },
    };
    for (std::size_t i = 0; i < std::size(refused); ++i)
    {
        EXPECT_FALSE(refused[i]()) << "case " << i;
    }
    EXPECT_EQ(WholeImage(image), before);

    int a = 0, b = 0;
    std::uint32_t word = 0;
    std::string text;
    EXPECT_FALSE(image.GetRxDcs(320, a, b));
    EXPECT_FALSE(image.GetTxCtcss(320, a));
    EXPECT_FALSE(image.GetRxWord(320, word));
    EXPECT_FALSE(image.GetAuxData(320, a));
    EXPECT_FALSE(image.GetCheck(320, a));
    EXPECT_FALSE(image.GetChannelName(320, text));
    EXPECT_FALSE(image.GetGroupName(41, text));
}

struct CheckCase
{
    std::uint8_t b1, b2, b3, b5, b6, b7;
    int check;
};

class CheckValue : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(CheckValue, MakesTheNibbleSumAMultipleOfSixteen)
{
    const CheckCase& c = GetParam();
    CRadioImage image;
    const std::uint8_t record[8] = {0xFF, c.b1, c.b2, c.b3, 0xFF, c.b5, c.b6, c.b7};
    ASSERT_TRUE(image.WriteBlock(record, RecordStart(42), 8));
    ASSERT_TRUE(image.UpdateCheck(42));
    int check = 0;
    ASSERT_TRUE(image.GetCheck(42, check));
    EXPECT_EQ(check, c.check);
    EXPECT_EQ(ByteAt(image, RecordStart(42) + 9), c.check);
}

INSTANTIATE_TEST_SUITE_P(Records, CheckValue,
                         ::testing::Values(CheckCase{0x00, 0xA4, 0x08, 0x00, 0xEA, 0x30, 15},
                                           CheckCase{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 16},
                                           // only the low nibbles of bytes 1 and 5 count
                                           CheckCase{0xF0, 0x00, 0x00, 0x10, 0x00, 0x00, 16},
                                           CheckCase{0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 15},
                                           CheckCase{0x0F, 0x11, 0x00, 0x00, 0x00, 0x00, 15}));

// Against an independent statement of the rule: low nibbles of bytes 1 and 5 plus
// both nibbles of bytes 2, 3, 6 and 7, plus the check value, is 0 modulo 16.
TEST(CheckValue, AgreesWithTheNibbleSumOnRandomRecords)
{
    std::mt19937 random(1234);
    CRadioImage image;
    for (int trial = 0; trial < 500; ++trial)
    {
        std::uint8_t record[8];
        for (auto& byte : record)
        {
            byte = static_cast<std::uint8_t>(random());
        }
        const int n = static_cast<int>(random() % kChannelCount);
        ASSERT_TRUE(image.WriteBlock(record, RecordStart(n), 8));
        ASSERT_TRUE(image.UpdateCheck(n));
        int check = 0;
        ASSERT_TRUE(image.GetCheck(n, check));
        int sum = (record[1] & 0x0F) + (record[5] & 0x0F);
        for (int i : {2, 3, 6, 7})
        {
            sum += (record[i] >> 4) + (record[i] & 0x0F);
        }
        EXPECT_GE(check, 1);
        EXPECT_LE(check, 16);
        EXPECT_EQ((sum + check) % 16, 0);
    }
}

TEST_F(ChannelRecord, NamesArePaddedWithNulAndReadBackTerminated)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetChannelName(5, "Dock"));
    EXPECT_EQ(Bytes(image, RecordStart(5) + 11, 12),
              (std::vector<std::uint8_t>{'D', 'o', 'c', 'k', 0, 0, 0, 0, 0, 0, 0, 0}));
    std::string name;
    ASSERT_TRUE(image.GetChannelName(5, name));
    EXPECT_EQ(name, "Dock");

    ASSERT_TRUE(image.SetChannelName(5, ""));
    EXPECT_EQ(Bytes(image, RecordStart(5) + 11, 12), std::vector<std::uint8_t>(12, 0));
    ASSERT_TRUE(image.GetChannelName(5, name));
    EXPECT_EQ(name, "");

    // Twelve characters fill the slot without a terminator and do not run on.
    ASSERT_TRUE(image.SetChannelName(5, "123456789012"));
    EXPECT_EQ(ByteAt(image, RecordStart(6)), 0xFF);
    ASSERT_TRUE(image.GetChannelName(5, name));
    EXPECT_EQ(name, "123456789012");
}

TEST_F(ChannelRecord, GroupNameSlotsIncludeTheFortyFirst)
{
    CRadioImage image;
    auto expected = WholeImage(image);
    ASSERT_TRUE(image.SetGroupName(40, "EXTRA"));
    const char slot[12] = {'E', 'X', 'T', 'R', 'A'};
    std::copy(std::begin(slot), std::end(slot), expected.begin() + 0x0287);
    EXPECT_EQ(WholeImage(image), expected);
    std::string name;
    ASSERT_TRUE(image.GetGroupName(40, name));
    EXPECT_EQ(name, "EXTRA");
    ASSERT_TRUE(image.GetGroupName(0, name));
    EXPECT_EQ(name, "            ");
    ASSERT_TRUE(image.SetGroupName(0, "First"));
    EXPECT_EQ(ByteAt(image, ImageMap::kGroupNames), 'F');
}

TEST_F(ChannelRecord, ClearingUpperChannelsKeepsTheLowerOnesAndTheCheckBytes)
{
    CRadioImage image;
    for (int n : {0, 119, 120, 200, 319})
    {
        ASSERT_TRUE(image.SetRxWord(n, 0x0A408));
        ASSERT_TRUE(image.SetRxUnused(n, 0));
        ASSERT_TRUE(image.SetChannelName(n, "Busy"));
        ASSERT_TRUE(image.SetWide(n, 0));
        ASSERT_TRUE(image.UpdateCheck(n));
    }
    ASSERT_TRUE(image.SetGroupName(3, "Kept"));
    auto expected = WholeImage(image);
    CRadioImage fresh;
    for (int n = 120; n < kChannelCount; ++n)
    {
        for (int i = 0; i < kChannelRecordSize; ++i)
        {
            if (i != 9)
            {
                expected[RecordStart(n) + i] = ByteAt(fresh, RecordStart(n) + i);
            }
        }
    }
    EXPECT_TRUE(image.ClearUpperChannels());
    EXPECT_EQ(WholeImage(image), expected);
    int check = 0;
    ASSERT_TRUE(image.GetCheck(200, check));
    EXPECT_NE(check, 0xFF); // left as the last UpdateCheck wrote it
}
