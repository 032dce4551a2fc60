// Record composing and decoding, ParseRecord and the RAM request checks.

// link
#include "link/LinkTexts.h"
#include "link/RadioLink.h"
#include "link/RamRules.h"
#include "link/Record.h"

// model
#include "model/AppState.h"

// std
#include <gtest/gtest.h>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace
{
TEST(Record, ComposesTheWorkedExamples)
{
    const std::uint8_t eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const std::uint8_t four = 4;
    EXPECT_EQ(CRecord::Compose("M3", 0x0000, nullptr, 0), "M3030000FC\r\n");
    EXPECT_EQ(CRecord::Compose("M8", 0x1001, nullptr, 0), "M8031001EB\r\n");
    EXPECT_EQ(CRecord::Compose("S1", 0x0010, eight, 8), "S10B00100102030405060708C0\r\n");
    EXPECT_EQ(CRecord::Compose("M1", 0x0123, &four, 1), "M104012304D3\r\n");
}

// Every line from the radio ends in CR LF; a line that does not is refused,
// whatever the rest of it is.
TEST(Record, ReceivedLineMustEndInCrLf)
{
    const std::string record = "S10B00100102030405060708C0";
    const struct
    {
        const char* name;
        std::string line;
        bool ok;
    } cases[] = {
        {"crLf", record + "\r\n", true},
        {"lfOnly", record + "\n", false},
        {"crOnly", record + "\r", false},
        {"noEnd", record, false},
        {"twoCrs", record + "\r\r\n", false},
        {"lfCr", record + "\n\r", false},
        {"crLfTwice", record + "\r\n\r\n", false},
        {"badChecksumCrLf", "S10B00100102030405060708C1\r\n", false},
        {"endRecord", "S9030000FC\r\n", true},
        {"endRecordLfOnly", "S9030000FC\n", false},
    };
    for (const auto& c : cases)
    {
        DecodedRecord out;
        EXPECT_EQ(CRecord::DecodeLine(reinterpret_cast<const std::uint8_t*>(c.line.data()),
                                      c.line.size(), out),
                  c.ok)
            << c.name;
        if (c.ok)
        {
            EXPECT_EQ(out.address, c.line[1] == '1' ? 0x10 : 0) << c.name;
        }
    }
}

struct ParseCase
{
    const char* name;
    std::string line;
    int length; // -1: the whole line; -2: the line less CR LF
    int expected;
};

class ParseRecordTest : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseRecordTest, StoresOnlyWellFormedRecordsInsideTheTarget)
{
    const ParseCase& c = GetParam();
    CRadioLink link;
    std::vector<std::uint8_t> target(8192, 0xEE);
    const auto* line = reinterpret_cast<const std::uint8_t*>(c.line.data());
    const int length = static_cast<int>(c.line.size()) + (c.length == -2 ? -2 : 0);
    EXPECT_EQ(link.ParseRecord(line, length, target.data(), 8192), c.expected);
    if (c.expected != 1)
    {
        EXPECT_EQ(target, std::vector<std::uint8_t>(8192, 0xEE)) << "something was stored";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseRecordTest,
    ::testing::Values(ParseCase{"whole", "S10B00100102030405060708C0\r\n", -1, 1},
                      ParseCase{"lessCrLf", "S10B00100102030405060708C0\r\n", -2, 1},
                      ParseCase{"lowerCase", "S10B00100102030405060708c0\r\n", -1, 1},
                      ParseCase{"end", "S9030000FC\r\n", -1, 9},
                      ParseCase{"otherDigit", "S5030000FC\r\n", -1, 5},
                      ParseCase{"addressAtTargetEnd", "S10B20000102030405060708B0\r\n", -1, 0},
                      ParseCase{"badChecksum", "S10B00100102030405060708C1\r\n", -1, 0},
                      ParseCase{"badDigit", "S10B001001020304050607G8C0\r\n", -1, 0},
                      ParseCase{"countTooBig", "S10C00100102030405060708BF\r\n", -1, 0},
                      ParseCase{"countTooSmall", "S1020010ED\r\n", -1, 0},
                      ParseCase{"longerThanARecordCanBe",
                                "S1110010010203040506070809101112131415160D\r\n", -1, 0},
                      ParseCase{"truncated", "S10B0010010203\r\n", -1, 0},
                      ParseCase{"notAnSRecord", "M3030000FC\r\n", -1, 0},
                      ParseCase{"typeNotADigit", "SX030000FC\r\n", -1, 0}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(ParseRecord, StoresTheDataAndSetsLastEnd)
{
    CRadioLink link;
    std::vector<std::uint8_t> target(8192, 0);
    const std::string line = "S10B00100102030405060708C0\r\n";
    ASSERT_EQ(link.ParseRecord(reinterpret_cast<const std::uint8_t*>(line.data()),
                               static_cast<int>(line.size()), target.data(), 8192),
              1);
    EXPECT_EQ(std::vector<std::uint8_t>(target.begin() + 0x10, target.begin() + 0x18),
              (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(target[0x0F], 0);
    EXPECT_EQ(target[0x18], 0);
    EXPECT_EQ(link.LastEnd(), 0x18u);
}

TEST(ParseRecord, RecordNearTheEndStoresOnlyWhatFits)
{
    CRadioLink link;
    std::vector<std::uint8_t> target(0x14, 0);
    const std::string line = "S10B00100102030405060708C0\r\n";
    ASSERT_EQ(link.ParseRecord(reinterpret_cast<const std::uint8_t*>(line.data()),
                               static_cast<int>(line.size()), target.data(), 0x14),
              1);
    EXPECT_EQ(std::vector<std::uint8_t>(target.begin() + 0x10, target.end()),
              (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

// The last record's end decides the radio's channel capacity at "S9".
TEST(ParseRecord, EndRecordSetsChannelModeAndCodeFromTheLastEnd)
{
    const struct
    {
        std::uint16_t lastAddress;
        std::int32_t mode;
    } cases[] = {{0x1FF8, 1}, {0x1FE8, 1}, {0x1FE0, 0}, {0x0FF8, 0}, {0x0E00, 0}};
    for (const auto& c : cases)
    {
        CPlainAppState app;
        app.m_nChannelMode = 7;
        app.m_nChannelCode = 7;
        CRadioLink link;
        link.SetAppState(&app);
        std::vector<std::uint8_t> target(8192);
        const std::uint8_t data[8] = {};
        const std::string s1 = CRecord::Compose("S1", c.lastAddress, data, 8);
        const std::string s9 = "S9030000FC\r\n";
        ASSERT_EQ(link.ParseRecord(reinterpret_cast<const std::uint8_t*>(s1.data()),
                                   static_cast<int>(s1.size()), target.data(), 8192),
                  1);
        ASSERT_EQ(link.ParseRecord(reinterpret_cast<const std::uint8_t*>(s9.data()),
                                   static_cast<int>(s9.size()), target.data(), 8192),
                  9);
        EXPECT_EQ(app.m_nChannelMode, c.mode) << c.lastAddress;
        EXPECT_EQ(app.m_nChannelCode, c.mode + 1) << c.lastAddress;
    }
}

TEST(RamRules, HexadecimalTextAsTheDialogsTakeIt)
{
    const struct
    {
        const char* text;
        bool ok;
        std::uint32_t value;
    } cases[] = {{"123", true, 0x123},   {"0x123", true, 0x123}, {"0XfF", true, 0xFF},
                 {"ffff", true, 0xFFFF}, {"", false, 0},         {"0x", false, 0},
                 {"12G", false, 0},      {"-1", false, 0},       {"123456789", false, 0}};
    for (const auto& c : cases)
    {
        std::uint32_t value = 0;
        EXPECT_EQ(CRamRules::ParseHex(c.text, value), c.ok) << c.text;
        if (c.ok)
        {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(RamRules, ReadAndWriteLimits)
{
    EXPECT_EQ(CRamRules::CheckRead(0xFFFF, 1), nullptr);
    EXPECT_STREQ(CRamRules::CheckRead(0xFFFF, 2), kSetByteErrorText);
    EXPECT_STREQ(CRamRules::CheckRead(0, 9), kSetByteErrorText);
    EXPECT_EQ(CRamRules::CheckRead(0, 0), nullptr);
    EXPECT_STREQ(CRamRules::CheckRead(0x10000, 1), kSetAddressErrorText);

    EXPECT_STREQ(CRamRules::CheckWrite(0x0, 1), kHexAddressErrorText);
    EXPECT_EQ(CRamRules::CheckWrite(0x40, 8), nullptr);
    EXPECT_EQ(CRamRules::CheckWrite(0x43C, 4), nullptr);
    EXPECT_STREQ(CRamRules::CheckWrite(0x43C, 5), kHexAddressErrorText);
    EXPECT_EQ(CRamRules::CheckWrite(0x43F, 1), nullptr);
    EXPECT_STREQ(CRamRules::CheckWrite(0x40, 9), kSetByteErrorText);
    EXPECT_STREQ(CRamRules::CheckWrite(0x40, 0), kSetByteErrorText);
}
} // namespace
