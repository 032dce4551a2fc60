// Tests of the band table, the model-header fields and the conversions between
// frequencies and synthesizer words.
#include "TestSupport.h"

// model
#include "model/BandTable.h"
#include "model/Synthesizer.h"

// std
#include <cmath>
#include <limits>

namespace
{
// Calls visit(model, step kHz, side, k, f) for every grid frequency f = k × step
// of every band, at every step the model offers; side 0 is transmit, 1 receive
// with high injection, 2 receive with low. Stops at the first fatal failure.
template <typename Visit>
void ForEachGridFrequency(Visit visit)
{
    for (int model = 0; model < kModelCount; ++model)
    {
        const BandInfo* band = FindBand(model);
        for (int code = 0; code < ReferenceCodeCount(model); ++code)
        {
            const double step = StepKhz(model, code);
            for (int side = 0; side < 3; ++side)
            {
                const bool transmit = side == 0;
                const double low = transmit ? band->txLow : band->rxLow;
                const double top = transmit ? band->txHigh : band->rxHigh;
                const auto first = static_cast<long long>(std::ceil(low * 1000.0 / step - 1e-9));
                const auto last = static_cast<long long>(std::floor(top * 1000.0 / step + 1e-9));
                for (long long k = first; k <= last; ++k)
                {
                    visit(model, step, side, k, static_cast<double>(k) * step / 1000.0);
                    if (::testing::Test::HasFatalFailure())
                    {
                        return;
                    }
                }
            }
        }
    }
}
} // namespace

TEST(ModelHeader, ReferenceDividersAreFourteenBitsBigEndian)
{
    CRadioImage image;
    PutByte(image, ImageMap::kWideRef, 0xFF);
    PutByte(image, ImageMap::kNarrowRef, 0xC0);
    ASSERT_TRUE(image.SetWideReference(5000.0));
    ASSERT_TRUE(image.SetNarrowReference(6250.0));
    EXPECT_EQ(Bytes(image, ImageMap::kWideRef, 4),
              (std::vector<std::uint8_t>{0x0A, 0x00, 0x08, 0x00}));
    ASSERT_TRUE(image.SetWideReference(12500.0));
    EXPECT_EQ(Bytes(image, ImageMap::kWideRef, 2), (std::vector<std::uint8_t>{0x04, 0x00}));
}

TEST(ModelHeader, ReferenceStepsThatCannotBeStoredAreRefused)
{
    CRadioImage image;
    const auto before = WholeImage(image);
    for (double step : {0.0, 0.00009, -5000.0, std::numeric_limits<double>::quiet_NaN(),
                        // dividers that do not fit 14 bits, or round to zero
                        500.0, 0.0001, 30e6})
    {
        EXPECT_FALSE(image.SetWideReference(step)) << step;
        EXPECT_FALSE(image.SetNarrowReference(step)) << step;
    }
    EXPECT_EQ(WholeImage(image), before);
}

struct CodeCase
{
    std::uint8_t high, low; // stored divider
    int model;
    int code;
};

class ReferenceCode : public ::testing::TestWithParam<CodeCase>
{
};

TEST_P(ReferenceCode, ReadsTheStepBackPerModel)
{
    const CodeCase& c = GetParam();
    CRadioImage image;
    PutByte(image, ImageMap::kWideRef, c.high);
    PutByte(image, ImageMap::kWideRef + 1, c.low);
    PutByte(image, ImageMap::kNarrowRef, c.high);
    PutByte(image, ImageMap::kNarrowRef + 1, c.low);
    int wide = -1, narrow = -1;
    EXPECT_TRUE(image.GetWideReferenceCode(c.model, wide));
    EXPECT_TRUE(image.GetNarrowReferenceCode(c.model, narrow));
    EXPECT_EQ(wide, c.code);
    EXPECT_EQ(narrow, c.code);
}

INSTANTIATE_TEST_SUITE_P(Dividers, ReferenceCode,
                         ::testing::Values(CodeCase{0x08, 0x00, 5, 2}, CodeCase{0x08, 0x00, 10, 1},
                                           CodeCase{0x08, 0x00, 13, 1}, CodeCase{0x0A, 0x00, 5, 1},
                                           CodeCase{0x0A, 0x00, 10, 0}, CodeCase{0x0A, 0x00, 13, 0},
                                           CodeCase{0x04, 0x00, 13, 2}, CodeCase{0x04, 0x00, 5, 0},
                                           CodeCase{0x14, 0x00, 0, 0}, CodeCase{0x00, 0x00, 5, 0},
                                           // bits 7-6 of the high byte are not part of the divider
                                           CodeCase{0xC8, 0x00, 5, 2}));

TEST(ModelHeader, EveryReferenceCodeSurvivesItsStep)
{
    for (int model = 0; model < kModelCount; ++model)
    {
        for (int code = 0; code < ReferenceCodeCount(model); ++code)
        {
            CRadioImage image;
            ASSERT_TRUE(image.SetWideReference(StepKhz(model, code) * 1000.0));
            ASSERT_TRUE(image.SetNarrowReference(StepKhz(model, code) * 1000.0));
            int wide = -1, narrow = -1;
            image.GetWideReferenceCode(model, wide);
            image.GetNarrowReferenceCode(model, narrow);
            EXPECT_EQ(wide, code) << "model " << model;
            EXPECT_EQ(narrow, code) << "model " << model;
        }
    }
}

TEST(BandTable, StepsPerModelAndCode)
{
    EXPECT_EQ(StepKhz(0, 0), 2.5);
    EXPECT_EQ(StepKhz(7, 2), 6.25);
    EXPECT_EQ(StepKhz(8, 0), 5.0);
    EXPECT_EQ(StepKhz(12, 1), 6.25);
    EXPECT_EQ(StepKhz(12, 2), 0.0); // UHF has no third step
    EXPECT_EQ(StepKhz(13, 2), 12.5);
    EXPECT_EQ(StepKhz(14, 0), 0.0);
    EXPECT_EQ(StepKhz(-1, 0), 0.0);
    EXPECT_EQ(FindBand(14), nullptr);
    ASSERT_NE(FindBand(13), nullptr);
    EXPECT_STREQ(FindBand(13)->name, "800 MHz");
    EXPECT_EQ(FindBand(13)->prescaler, 128);
    EXPECT_EQ(FindBand(13)->txLow, 806.0);
}

TEST(ModelHeader, IfOffsetWordsAndInjection)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetWideIfOffset(-9000));
    EXPECT_TRUE(image.SetNarrowIfOffset(4280));
    EXPECT_EQ(Bytes(image, ImageMap::kWideIf, 4),
              (std::vector<std::uint8_t>{0xDC, 0xD8, 0x10, 0xB8}));
    int word = 0;
    EXPECT_TRUE(image.GetWideIfOffset(word));
    EXPECT_EQ(word, 0xDCD8);

    const std::uint8_t before = ByteAt(image, ImageMap::kInjBeep);
    EXPECT_FALSE(image.SetInjection(2));
    EXPECT_FALSE(image.SetInjection(-1));
    EXPECT_EQ(ByteAt(image, ImageMap::kInjBeep), before);
    ASSERT_TRUE(image.SetInjection(0));
    EXPECT_EQ(ByteAt(image, ImageMap::kInjBeep), before & ~0x10);
}

struct IfCase
{
    int model;
    bool low;
    double stepHz;
    int word;
    int flag; // what DeriveInjection makes of the stored word
};

class IfOffset : public ::testing::TestWithParam<IfCase>
{
};

TEST_P(IfOffset, IsTheIfInStepsAndSetsTheInjectionFlag)
{
    const IfCase& c = GetParam();
    EXPECT_EQ(ComputeIfOffset(c.model, c.low, c.stepHz), c.word);
    CRadioImage image;
    ASSERT_TRUE(image.SetWideIfOffset(c.word));
    ASSERT_TRUE(image.SetInjection(1 - c.flag));
    image.DeriveInjection();
    int flag = -1;
    image.GetInjection(flag);
    EXPECT_EQ(flag, c.flag);
}

INSTANTIATE_TEST_SUITE_P(
    Models, IfOffset,
    ::testing::Values(IfCase{0, true, 2500.0, 4280, 1}, IfCase{0, false, 2500.0, -4280, 0},
                      IfCase{5, true, 5000.0, 9000, 1}, IfCase{5, false, 5000.0, -9000, 0},
                      IfCase{13, false, 12500.0, -5600, 0},
                      // not whole steps: rounded away from zero
                      IfCase{0, true, 3000.0, 3567, 1}, IfCase{0, false, 3000.0, -3567, 0},
                      IfCase{14, true, 5000.0, 0, 1}));

struct SynthCase
{
    int model;
    double stepKhz;
    double f;
    bool transmit;
    bool high;
    std::uint32_t word;
};

class SynthesizerWord : public ::testing::TestWithParam<SynthCase>
{
};

TEST_P(SynthesizerWord, MatchesTheWorkedExampleBothWays)
{
    const SynthCase& c = GetParam();
    EXPECT_EQ(FrequencyToWord(c.f, c.transmit, c.model, c.stepKhz, c.high), c.word);
    EXPECT_NEAR(WordToFrequency(c.word, c.transmit, c.model, c.stepKhz, c.high), c.f, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Examples, SynthesizerWord,
                         ::testing::Values(SynthCase{5, 5.0, 150.0, true, false, 0x0EA30},
                                           SynthCase{5, 5.0, 150.0, false, false, 0x0A408},
                                           SynthCase{5, 5.0, 150.0, false, true, 0x13098},
                                           SynthCase{13, 12.5, 806.0125, true, false, 0x0FBE1},
                                           // N = 1781 still fits its 11 bits
                                           SynthCase{7, 2.5, 240.0, false, true,
                                                     (1781U << 7) | 16U}));

TEST(Synthesizer, ZeroAndUnusableArgumentsGiveTheUnusedWord)
{
    EXPECT_EQ(FrequencyToWord(0.0, true, 5, 5.0, false), kUnusedWord);
    EXPECT_EQ(FrequencyToWord(150.0, true, 14, 5.0, false), kUnusedWord);
    EXPECT_EQ(FrequencyToWord(150.0, true, 5, 0.0, false), kUnusedWord);
    EXPECT_EQ(FrequencyToWord(5.0, false, 0, 2.5, false), kUnusedWord); // oscillator below 0
    EXPECT_EQ(FrequencyToWord(std::numeric_limits<double>::infinity(), true, 5, 5.0, false),
              kUnusedWord);
    EXPECT_EQ(WordToFrequency(0x0EA30, true, -1, 5.0, false), 0.0);
}

// Every grid frequency of every band, at every step the model offers, on both
// sides and with both injections, must come back from its word unchanged.
TEST(Synthesizer, EveryGridFrequencyOfEveryBandRoundTrips)
{
    int checked = 0;
    ForEachGridFrequency(
        [&](int model, double step, int side, long long /*k*/, double f)
        {
            const bool transmit = side == 0;
            const bool high = side == 1;
            const std::uint32_t word = FrequencyToWord(f, transmit, model, step, high);
            ASSERT_LE(word, 0x3FFFFU) << model << " " << step << " " << f;
            ASSERT_NEAR(WordToFrequency(word, transmit, model, step, high), f, 1e-7)
                << "model " << model << " step " << step << " f " << f << " side " << side;
            ++checked;
        });
    EXPECT_GT(checked, 100000);
}

TEST(Synthesizer, GridCountsFromZeroOnATenHertzScale)
{
    EXPECT_TRUE(IsOnStepGrid(150.0025, 2.5));
    EXPECT_FALSE(IsOnStepGrid(150.00125, 2.5));
    EXPECT_TRUE(IsOnStepGrid(806.0125, 12.5));
    EXPECT_FALSE(IsOnStepGrid(806.00625, 12.5));
    EXPECT_TRUE(IsOnStepGrid(806.00625, 6.25));
    EXPECT_TRUE(IsOnStepGrid(29.7, 6.25));
    EXPECT_FALSE(IsOnStepGrid(150.0, 0.0));
}

struct StepCase
{
    double f;
    int direction;
    int model;
    double stepKhz;
    bool transmitBox;
    double result;
};

class SpinStep : public ::testing::TestWithParam<StepCase>
{
};

TEST_P(SpinStep, MovesToTheNextGridPointOrAnEdge)
{
    const StepCase& c = GetParam();
    EXPECT_NEAR(StepFrequency(c.f, c.direction, c.model, c.stepKhz, c.transmitBox), c.result, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Arrows, SpinStep,
    ::testing::Values(StepCase{150.00125, -1, 5, 2.5, false, 149.9975},
                      StepCase{150.00125, +1, 5, 2.5, false, 150.0025},
                      StepCase{150.0, -1, 5, 2.5, false, 149.9975},
                      StepCase{150.0, +1, 5, 6.25, false, 150.00625},
                      StepCase{136.0, -1, 5, 2.5, false, 0.0},   // low edge: side unused
                      StepCase{0.0, +1, 5, 2.5, false, 136.0},   // unused side: low edge
                      StepCase{160.0, +1, 5, 2.5, false, 160.0}, // at the top it stays
                      StepCase{170.0, -1, 5, 2.5, false, 160.0},
                      // However far above, or below, the band: an edge.
                      StepCase{10000000.0, -1, 5, 2.5, false, 160.0},
                      StepCase{99999999999.0, +1, 5, 2.5, false, 160.0},
                      StepCase{-1e12, +1, 5, 2.5, false, 136.0},
                      StepCase{159.9975, +1, 5, 2.5, false, 160.0},
                      StepCase{0.0, +1, 13, 12.5, true, 806.0}, // 800 MHz transmit edges
                      StepCase{0.0, +1, 13, 12.5, false, 851.0},
                      StepCase{830.0, -1, 13, 12.5, true, 825.0},
                      StepCase{150.0, +1, 14, 2.5, false, 150.0})); // unknown model

// The word each grid point must get, worked out in whole numbers: at a grid
// point the divider is the point's step count, shifted by the IF in steps on
// the receive side (the IF is a whole number of steps on every band).
std::uint32_t GridWord(long long k, int model, double stepKhz, int side)
{
    const BandInfo* band = FindBand(model);
    const auto ifSteps = std::llround(band->ifMhz * 1000.0 / stepKhz);
    const long long d = side == 0 ? k : side == 1 ? k + ifSteps : k - ifSteps;
    const long long p = band->prescaler;
    return static_cast<std::uint32_t>(((d / p) << 7) | (d % p));
}

// Typed entries a few hertz off a grid point round onto it in the grid check,
// so they must get that point's word, not one a prescaler cycle away; the grid
// points themselves keep the words they always had.
TEST(Synthesizer, GridPointsAndNearGridEntriesGetTheGridPointsWord)
{
    // The two entries that used to land 160 kHz and 1.6 MHz low.
    EXPECT_EQ(FrequencyToWord(150.079996, true, 5, 2.5, false),
              FrequencyToWord(150.08, true, 5, 2.5, false));
    EXPECT_NEAR(
        WordToFrequency(FrequencyToWord(851.599996, false, 13, 12.5, true), false, 13, 12.5, true),
        851.6, 1e-9);

    ForEachGridFrequency(
        [&](int model, double step, int side, long long k, double f)
        {
            const bool transmit = side == 0;
            const bool high = side == 1;
            const std::uint32_t expected = GridWord(k, model, step, side);
            for (double offset : {0.0, -0.000004, 0.000004})
            {
                ASSERT_EQ(FrequencyToWord(f + offset, transmit, model, step, high), expected)
                    << "model " << model << " step " << step << " f " << f << " offset "
                    << offset << " side " << side;
            }
        });
}

// Steps no model offers, models that are not chosen: every helper answers with
// its refusal value instead of converting out of range.
TEST(Synthesizer, UnusableStepsAndModelsAreRefused)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double step : {1e300, 2e6, inf, nan, -5.0, 1e-9})
    {
        EXPECT_FALSE(IsOnStepGrid(150.0, step)) << step;
        EXPECT_EQ(StepFrequency(150.0, +1, 5, step, false), 150.0) << step;
        EXPECT_EQ(StepFrequency(150.0, -1, 5, step, false), 150.0) << step;
        EXPECT_EQ(FrequencyToWord(150.0, true, 5, step, false), kUnusedWord) << step;
    }
    for (int model : {-1, 14, 255, std::numeric_limits<int>::min()})
    {
        EXPECT_EQ(FrequencyToWord(150.0, false, model, 5.0, true), kUnusedWord) << model;
        EXPECT_EQ(WordToFrequency(0x0EA30, false, model, 5.0, true), 0.0) << model;
        EXPECT_EQ(StepFrequency(150.0, +1, model, 5.0, false), 150.0) << model;
        EXPECT_EQ(ComputeIfOffset(model, true, 5000.0), 0) << model;
        EXPECT_EQ(StepKhz(model, 0), 0.0) << model;
    }
}
