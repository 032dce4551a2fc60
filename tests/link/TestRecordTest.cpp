// The test record both ways: the bytes the link builds for the Test form's
// choices, and the choices the simulated radio reads back out of them.

// link
#include "link/RadioCommands.h"
#include "link/TestRecord.h"

// sim
#include "sim/SimCommandWords.h"

// model
#include "model/BandTable.h"
#include "model/SignallingTables.h"

// std
#include <gtest/gtest.h>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace
{
using Bytes = std::array<std::uint8_t, RadioCommands::kTestPayloadSize>;

TestSettings Tuned(double mhz, double stepKhz, int type = kSignallingNone,
                   int value = kNoSignallingValue)
{
    TestSettings s;
    s.frequency = mhz;
    s.referenceStep = stepKhz;
    s.noFrequency = mhz == 0.0;
    s.signallingType = type;
    s.signallingValue = value;
    return s;
}

// Every option off but the one bit of the flags byte named.
TestSettings OnlyFlag(std::uint8_t bit)
{
    using namespace RadioCommands;
    TestSettings s;
    s.noFrequency = true;
    std::int32_t* const options[] = {&s.txPowerControl, &s.fixedBit,  &s.notScanGroupA,
                                     &s.notScanGroupB,  &s.compander, &s.wide,
                                     &s.dtone,          &s.ani};
    for (int i = 0; i < 8; ++i)
    {
        *options[i] = bit == (0x80 >> i) ? 1 : 0;
    }
    return s;
}

std::uint32_t DivisorOf(const std::uint8_t payload[RadioCommands::kTestPayloadSize])
{
    TestRecordParts parts;
    EXPECT_TRUE(CTestRecord::Split(payload, RadioCommands::kTestPayloadSize, parts));
    return parts.divisor;
}

TEST(TestRecord, ChoicesBecomeTheirBytesAndTheRadioReadsThemBack)
{
    TestSettings aux = Tuned(0.0, 5.0);
    aux.auxiliary = 0xA5;
    const struct
    {
        const char* name;
        TestSettings settings;
        int model;
        std::optional<Bytes> bytes; // none: nothing built
    } cases[] = {
        {"nothing set", TestSettings{}, -1, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0x0B, 0xFF}},
        {"CTCSS tone 1 on 150.005 MHz", Tuned(150.005, 5.0, kSignallingCtcss, 1), 6,
         Bytes{0x01, 0x00, 0xEA, 0x31, 0xFB, 0x0A, 0xFF}},
        {"DCS 023", Tuned(0.0, 5.0, kSignallingDcs, 023), -1,
         Bytes{0x41, 0x3F, 0xFF, 0xFF, 0xFB, 0x0B, 0xFF}},
        {"DCS 023 inverted", Tuned(0.0, 5.0, kSignallingDcs, -023), -1,
         Bytes{0x61, 0x3F, 0xFF, 0xFF, 0xFB, 0x0B, 0xFF}},
        {"DCS 754 inverted", Tuned(0.0, 5.0, kSignallingDcs, -0754), -1,
         Bytes{0x7E, 0xCF, 0xFF, 0xFF, 0xFB, 0x0B, 0xFF}},
        {"normal power only", OnlyFlag(0x80), -1, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0x0D, 0xFF}},
        {"fixed bit only", OnlyFlag(0x40), -1, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x40, 0x01, 0xFF}},
        {"not in scan group A only", OnlyFlag(0x20), -1,
         Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x20, 0x03, 0xFF}},
        {"not in scan group B only", OnlyFlag(0x10), -1,
         Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0x04, 0xFF}},
        {"compander off only", OnlyFlag(0x08), -1, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x08, 0x0D, 0xFF}},
        {"wide only", OnlyFlag(0x04), -1, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0x01, 0xFF}},
        {"DTone off only", OnlyFlag(0x02), -1, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x03, 0xFF}},
        {"ANI off only", OnlyFlag(0x01), -1, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x04, 0xFF}},
        {"auxiliary byte", aux, -1, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0x0B, 0xA5}},
        // e = 7200: N = 112, A = 32 over 64; N = 56, A = 32 over 128.
        {"prescaler 64", Tuned(36.0, 5.0), 0, Bytes{0xFF, 0xF0, 0x38, 0x20, 0xFB, 0x09, 0xFF}},
        {"prescaler 128 of the 800 MHz model", Tuned(36.0, 5.0), kModel800,
         Bytes{0xFF, 0xF0, 0x1C, 0x20, 0xFB, 0x07, 0xFF}},
        {"1 MHz or less is no frequency", Tuned(1.0, 5.0), 0,
         Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0x0B, 0xFF}},
        {"a zero reference step", Tuned(150.0, 0.0), 0, std::nullopt},
        {"a negative reference step", Tuned(150.0, -5.0), 0, std::nullopt},
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
        EXPECT_EQ(heard.hasFrequency, s.frequency > 1.0);
        EXPECT_EQ(heard.divider, DivisorOf(built.data()));
        switch (s.signallingType)
        {
        case kSignallingCtcss:
            EXPECT_EQ(heard.signalling, SimSignalling::Ctcss);
            EXPECT_EQ(heard.ctcssIndex, s.signallingValue);
            break;
        case kSignallingDcs:
            EXPECT_EQ(heard.signalling, SimSignalling::Dcs);
            EXPECT_EQ(heard.dcsDigits, DcsDigitsOfValue(std::abs(s.signallingValue)));
            EXPECT_EQ(heard.dcsInverted, s.signallingValue < 0);
            break;
        default:
            EXPECT_EQ(heard.signalling, SimSignalling::None);
        }
        EXPECT_EQ(heard.highPower, s.txPowerControl != 0);
        EXPECT_EQ(heard.scanGroupA, s.notScanGroupA == 0);
        EXPECT_EQ(heard.scanGroupB, s.notScanGroupB == 0);
        EXPECT_EQ(heard.compander, s.compander == 0);
        EXPECT_EQ(heard.wide, s.wide != 0);
        EXPECT_EQ(heard.dtone, s.dtone == 0);
        EXPECT_EQ(heard.ani, s.ani == 0);
        EXPECT_EQ(heard.auxiliary, s.auxiliary);
    }
}

TEST(TestRecord, CountersComeFromOneRoundedDivisor)
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
        std::uint8_t payload[RadioCommands::kTestPayloadSize];
        ASSERT_TRUE(CTestRecord::Build(settings, c.model, payload));
        EXPECT_EQ(DivisorOf(payload), (c.n << 7) | c.a);
    }
}

TEST(TestRecord, EveryGridPointOfEveryBandKeepsItsDivisor)
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
                std::uint8_t payload[RadioCommands::kTestPayloadSize];
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

} // namespace
