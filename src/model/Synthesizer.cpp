// Frequency and synthesizer-word conversions, IF offsets, grid and stepping.
#include "model/Synthesizer.h"

// model
#include "model/BandTable.h"
#include "model/RadioImage.h"

// std
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace
{
constexpr double kReferenceMhz = 12.8;
// Far beyond any band, but small enough that the integer conversions stay defined.
constexpr double kLargestDivider = 1e12;
constexpr double kLargestFrequency = 1e7;

// Wider than any channel step by far; anything larger is not a step at all, and
// refusing it keeps the conversion to an integer defined.
constexpr double kLargestStepKhz = 1e6;

bool IsUsableStep(double stepKhz)
{
    return stepKhz > 0.0 && stepKhz <= kLargestStepKhz;
}

// The step on the 10 Hz scale: the step in MHz carries exactly five decimals,
// as the editors print it. 0 for a step that is not a usable step.
long long GridStep(double stepKhz)
{
    if (!IsUsableStep(stepKhz))
    {
        return 0;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.5f", stepKhz * 0.001);
    return static_cast<long long>(std::trunc(std::strtod(text, nullptr) * 100000.0 + 0.5));
}

long long GridValue(double f)
{
    return static_cast<long long>(std::trunc(f * 100000.0 + 0.5));
}
} // namespace

std::uint32_t FrequencyToWord(double f, bool isTransmit, int model, double stepKhz,
                              bool highInjection)
{
    const BandInfo* band = FindBand(model);
    if (f == 0.0 || band == nullptr || !IsUsableStep(stepKhz))
    {
        return kUnusedWord;
    }
    const double divider = kReferenceMhz / (stepKhz * 0.001);
    double c = 0.0;
    if (isTransmit)
    {
        c = f * divider;
    }
    else if (highInjection)
    {
        c = (f + band->ifMhz) * divider;
    }
    else
    {
        c = (f - band->ifMhz) * divider;
    }
    const double d = c * 0.078125;
    if (!(d >= 0.0 && d < kLargestDivider))
    {
        return kUnusedWord;
    }
    // Both counters come from the one rounded divider. Taking N from the
    // unrounded quotient would lose a whole prescaler cycle (64 or 128 steps)
    // for an entry a hair below a multiple of P, such as 150.079996 at 2.5 kHz.
    const auto p = static_cast<long long>(band->prescaler);
    const auto rounded = static_cast<long long>(std::trunc(d + 0.5));
    const long long n = (rounded / p) & 0x7FF;
    const long long a = (rounded % p) & 0x7F;
    return static_cast<std::uint32_t>(n * 128 + a);
}

double WordToFrequency(std::uint32_t word, bool isTransmit, int model, double stepKhz,
                       bool highInjection)
{
    const BandInfo* band = FindBand(model);
    if (band == nullptr || !(stepKhz > 0.0))
    {
        return 0.0;
    }
    const std::uint32_t n = (word >> 7) & 0x7FF;
    const std::uint32_t a = word & 0x7F;
    const double d = static_cast<double>(n * static_cast<std::uint32_t>(band->prescaler) + a);
    const double oscillator = d * kReferenceMhz / (kReferenceMhz / (stepKhz * 0.001));
    if (isTransmit)
    {
        return oscillator;
    }
    return highInjection ? oscillator - band->ifMhz : oscillator + band->ifMhz;
}

int ComputeIfOffset(int model, bool lowInjection, double stepHz)
{
    const BandInfo* band = FindBand(model);
    if (band == nullptr || !(stepHz > 0.0))
    {
        return 0;
    }
    const double d = (lowInjection ? band->ifMhz : -band->ifMhz) / (stepHz * 0.000001);
    if (!(std::fabs(d) < 2e9))
    {
        return 0;
    }
    return static_cast<int>(d > 0 ? std::trunc(d + 0.5) : std::trunc(d - 0.5));
}

bool IsOnStepGrid(double f, double stepKhz)
{
    if (!(std::fabs(f) < kLargestFrequency) || !(stepKhz > 0.0))
    {
        return false;
    }
    const long long step = GridStep(stepKhz);
    return step > 0 && GridValue(f) % step == 0;
}

double StepFrequency(double f, int direction, int model, double stepKhz, bool isTransmitBox)
{
    const BandInfo* band = FindBand(model);
    if (band == nullptr || !(stepKhz > 0.0) || std::isnan(f))
    {
        return f;
    }
    const long long step = GridStep(stepKhz);
    if (step <= 0)
    {
        return f;
    }
    const bool transmitEdges = isTransmitBox && model == kModel800;
    const double low = transmitEdges ? band->txLow : band->rxLow;
    const double high = transmitEdges ? band->txHigh : band->rxHigh;

    // The edges first: a value however far outside the band lands on one,
    // and only one inside it needs the grid.
    if (direction > 0 ? f < low : f <= low)
    {
        return direction > 0 ? low : 0.0;
    }
    if (direction > 0 ? f >= high : f > high)
    {
        return high;
    }
    const long long value = GridValue(f);
    const long long below = value / step * step;
    return static_cast<double>(direction > 0 ? below + step : below - step) / 100000.0;
}
