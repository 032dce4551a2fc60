// Record composing and decoding, ParseRecord, the test payload both ways and
// the RAM request checks.

// link
#include "link/LinkTexts.h"
#include "link/RadioLink.h"
#include "link/RamRules.h"
#include "link/Record.h"
#include "link/TestRecord.h"

// sim
#include "sim/SimCommandWords.h"

// model
#include "model/AppState.h"
#include "model/BandTable.h"
#include "model/SignallingTables.h"

// std
#include <gtest/gtest.h>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
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

namespace
{
std::uint32_t DivisorOf(const std::uint8_t payload[7])
{
    return (static_cast<std::uint32_t>(payload[1] & 0x0F) << 16) |
           (static_cast<std::uint32_t>(payload[2]) << 8) | payload[3];
}

using Bytes = std::array<std::uint8_t, RadioCommands::kTestPayloadSize>;

TestSettings Tuned(double mhz, double stepKhz, int type = kSignallingNone,
                   int value = kNoSignallingValue)
{
    TestSettings s;
    s.frequency = mhz;
    s.referenceStep = stepKhz;
    s.signallingType = type;
    s.signallingValue = value;
    return s;
}

// Every option off but the one bit of the flags byte named.
TestSettings OnlyFlag(unsigned bit)
{
    TestSettings s;
    std::int32_t* const options[] = {&s.txPowerControl, &s.fixedBit,  &s.notScanGroupA,
                                     &s.notScanGroupB,  &s.compander, &s.wide,
                                     &s.dtone,          &s.ani};
    for (unsigned i = 0; i < 8; ++i)
    {
        *options[i] = bit == (0x80U >> i) ? 1 : 0;
    }
    return s;
}

// No frequency and no signalling: all ones in both.
Bytes Quiet(std::uint8_t flags, std::uint8_t check, std::uint8_t auxiliary = 0xFF)
{
    return {0xFF, 0xFF, 0xFF, 0xFF, flags, check, auxiliary};
}
} // namespace

TEST(TestPayload, ChoicesBecomeTheirBytesAndTheRadioReadsThemBack)
{
    TestSettings aux;
    aux.auxiliary = 0xA5;
    const struct
    {
        const char* name;
        TestSettings settings;
        int model;
        std::optional<Bytes> bytes; // none: nothing built
    } cases[] = {
        {"nothing set", TestSettings{}, -1, Quiet(0xFB, 0x0B)},
        {"CTCSS tone 1", Tuned(150.005, 5.0, kSignallingCtcss, 1), 6,
         Bytes{0x01, 0x00, 0xEA, 0x31, 0xFB, 0x0A, 0xFF}},
        {"DCS 023", Tuned(0.0, 5.0, kSignallingDcs, 023), -1,
         Bytes{0x41, 0x3F, 0xFF, 0xFF, 0xFB, 0x0B, 0xFF}},
        {"DCS 754 inverted", Tuned(0.0, 5.0, kSignallingDcs, -0754), -1,
         Bytes{0x7E, 0xCF, 0xFF, 0xFF, 0xFB, 0x0B, 0xFF}},
        {"normal power", OnlyFlag(0x80), -1, Quiet(0x80, 0x0D)},
        {"fixed bit", OnlyFlag(0x40), -1, Quiet(0x40, 0x01)},
        {"not in scan group A", OnlyFlag(0x20), -1, Quiet(0x20, 0x03)},
        {"not in scan group B", OnlyFlag(0x10), -1, Quiet(0x10, 0x04)},
        {"compander disabled", OnlyFlag(0x08), -1, Quiet(0x08, 0x0D)},
        {"wide", OnlyFlag(0x04), -1, Quiet(0x04, 0x01)},
        {"DTone disabled", OnlyFlag(0x02), -1, Quiet(0x02, 0x03)},
        {"ANI disabled", OnlyFlag(0x01), -1, Quiet(0x01, 0x04)},
        {"auxiliary byte", aux, -1, Quiet(0xFB, 0x0B, 0xA5)},
        // e = 7200: N = 112, A = 32 over 64; N = 56, A = 32 over 128.
        {"prescaler 64", Tuned(36.0, 5.0), 0, Bytes{0xFF, 0xF0, 0x38, 0x20, 0xFB, 0x09, 0xFF}},
        {"prescaler 128", Tuned(36.0, 5.0), kModel800,
         Bytes{0xFF, 0xF0, 0x1C, 0x20, 0xFB, 0x07, 0xFF}},
        {"1 MHz or less is no frequency", Tuned(1.0, 5.0), 0, Quiet(0xFB, 0x0B)},
        {"a zero reference step", Tuned(150.0, 0.0), 0, std::nullopt},
        {"CTCSS without a tone", Tuned(0.0, 5.0, kSignallingCtcss, -1), -1, std::nullopt},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Bytes built{};
        ASSERT_EQ(CTestRecord::Build(c.settings, c.model, built.data()), c.bytes.has_value());
        if (!c.bytes)
        {
            continue;
        }
        EXPECT_EQ(built, *c.bytes);

        // The radio, with no band in its EEPROM, reports the divisor as sent.
        SimTestState heard;
        ASSERT_TRUE(DecodeTestPayload(built.data(), built.size(), true, SimBandSetup{}, heard));
        const TestSettings& s = c.settings;
        // The choice as heard: type, and the tone index or signed code.
        const bool dcs = heard.signalling == SimSignalling::Dcs;
        const int code = dcs ? DcsValueOfDigits(heard.dcsDigits) : 0;
        EXPECT_EQ(dcs                                        ? kSignallingDcs
                  : heard.signalling == SimSignalling::Ctcss ? kSignallingCtcss
                                                             : kSignallingNone,
                  s.signallingType);
        EXPECT_EQ(dcs ? (heard.dcsInverted ? -code : code) : heard.ctcssIndex,
                  s.signallingType == kSignallingNone ? -1 : s.signallingValue);
        EXPECT_EQ(heard.hasFrequency, s.frequency > 1.0);
        EXPECT_EQ(heard.divider, DivisorOf(built.data()));
        EXPECT_EQ((std::array{heard.highPower, heard.scanGroupA, heard.scanGroupB, heard.compander,
                              heard.wide, heard.dtone, heard.ani}),
                  (std::array{s.txPowerControl != 0, s.notScanGroupA == 0, s.notScanGroupB == 0,
                              s.compander == 0, s.wide != 0, s.dtone == 0, s.ani == 0}));
        EXPECT_EQ(heard.auxiliary, s.auxiliary);
    }
}

TEST(TestPayload, CountersComeFromOneRoundedDivisor)
{
    // Grid points whose e = f / step falls a hair below a multiple of P.
    const struct
    {
        double mhz;
        double stepKhz;
        int model;
        std::uint32_t n;
        std::uint32_t a;
    } cases[] = {
        {139.2, 5.0, 5, 435, 0},     // 27840 = 435 x 64, not 138.88 MHz
        {30.08, 2.5, 0, 188, 0},     // 12032 = 188 x 64
        {403.2, 6.25, 9, 1008, 0},   // 64512 = 1008 x 64
        {806.4, 6.25, 13, 1008, 0},  // 129024 = 1008 x 128
        {150.005, 5.0, 6, 468, 49},  // 30001, an ordinary point
        {150.0025, 5.0, 6, 468, 49}, // 30000.5 rounds half up
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.mhz);
        TestSettings settings;
        settings.frequency = c.mhz;
        settings.referenceStep = c.stepKhz;
        std::uint8_t payload[7];
        ASSERT_TRUE(CTestRecord::Build(settings, c.model, payload));
        EXPECT_EQ(DivisorOf(payload), (c.n << 7) | c.a);
    }
}

TEST(TestPayload, EveryGridPointOfEveryBandKeepsItsDivisor)
{
    // Whole-number arithmetic on the 10 Hz scale gives the divisor each grid
    // point must carry; the payload's N x P + A must equal it.
    for (int model = 0; model < kModelCount; ++model)
    {
        const BandInfo* band = FindBand(model);
        ASSERT_NE(band, nullptr);
        const std::int64_t prescaler = band->prescaler;
        for (int code = 0; code < ReferenceCodeCount(model); ++code)
        {
            const double stepKhz = StepKhz(model, code);
            const auto stepUnits = static_cast<std::int64_t>(std::llround(stepKhz * 100.0));
            const auto low = static_cast<std::int64_t>(std::llround(band->txLow * 100000.0));
            const auto high = static_cast<std::int64_t>(std::llround(band->txHigh * 100000.0));
            int wrong = 0;
            for (std::int64_t units = (low + stepUnits - 1) / stepUnits * stepUnits; units <= high;
                 units += stepUnits)
            {
                TestSettings settings;
                settings.frequency = static_cast<double>(units) / 100000.0;
                settings.referenceStep = stepKhz;
                std::uint8_t payload[7];
                ASSERT_TRUE(CTestRecord::Build(settings, model, payload));
                const std::uint32_t divisor = DivisorOf(payload);
                const std::int64_t decoded = (divisor >> 7) * prescaler + (divisor & 0x7F);
                if (decoded != units / stepUnits || (divisor & 0x7F) >= prescaler)
                {
                    ++wrong;
                }
            }
            EXPECT_EQ(wrong, 0) << "model " << model << ", step " << stepKhz << " kHz";
        }
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
