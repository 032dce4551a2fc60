// The test command decoded the way the radio's synthesizer reads it, and the
// commands put into words.

// own
#include "sim/SimCommandWords.h"
#include "sim/SimTexts.h"

// model
#include "model/BandTable.h"
#include "model/SignallingTables.h"

// std
#include <cmath>
#include <cstdio>

namespace
{
constexpr std::uint32_t kNoDivider = 0xFFFFF;
// Bits 15..4 of the "none" word 0xFFFFF; the payload carries no more of it.
constexpr std::uint32_t kNoSignalling = 0xFFF0;
constexpr std::uint32_t kDcsFlag = 0x4000;
constexpr std::uint32_t kDcsInvert = 0x200;

template <typename... Args> void Append(std::string& text, const char* format, Args... args)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, args...);
    text += buffer;
}

void DecodeSignalling(std::uint32_t word, SimTestState& out)
{
    out.signallingWord = word;
    out.ctcssIndex = -1;
    out.ctcssHz = 0.0;
    out.dcsDigits = -1;
    out.dcsInverted = false;
    if (word == kNoSignalling)
    {
        out.signalling = SimSignalling::None;
        return;
    }
    if ((word & kDcsFlag) != 0)
    {
        const int value = static_cast<int>((word >> 4) & 0x1FF);
        const int digits = DcsDigitsOfValue(value);
        // Only the inversion bit may sit above the code; anything else there
        // is no word the radio knows.
        if ((word & ~(kDcsFlag | ((kDcsInvert | 0x1FF) << 4))) == 0 && IsDcsCode(digits))
        {
            out.signalling = SimSignalling::Dcs;
            out.dcsDigits = digits;
            out.dcsInverted = ((word >> 4) & kDcsInvert) != 0;
            return;
        }
    }
    else if ((word & 0xFF) == 0 && static_cast<int>(word >> 8) < kCtcssCount)
    {
        out.signalling = SimSignalling::Ctcss;
        out.ctcssIndex = static_cast<int>(word >> 8);
        out.ctcssHz = CtcssTone(out.ctcssIndex);
        return;
    }
    out.signalling = SimSignalling::Unknown;
}
} // namespace

bool DecodeTestPayload(const std::uint8_t* payload, std::size_t count, bool transmit,
                       const SimBandSetup& band, SimTestState& out)
{
    if (payload == nullptr || count != 7 || (payload[5] & 0xF0) != 0)
    {
        return false;
    }
    unsigned nibbles = (payload[1] & 0x0FU) + payload[5];
    for (int i = 2; i <= 4; ++i)
    {
        nibbles += (payload[i] >> 4U) + (payload[i] & 0x0FU);
    }
    if (nibbles % 16 != 0)
    {
        return false;
    }

    SimTestState test;
    test.side = transmit ? 'T' : 'R';
    test.divider = (static_cast<std::uint32_t>(payload[1] & 0x0F) << 16) |
                   (static_cast<std::uint32_t>(payload[2]) << 8) | payload[3];
    const std::uint8_t flags = payload[4];
    test.highPower = (flags & 0x80) != 0;
    test.scanGroupA = (flags & 0x20) == 0;
    test.scanGroupB = (flags & 0x10) == 0;
    test.compander = (flags & 0x08) == 0;
    test.wide = (flags & 0x04) != 0;
    test.dtone = (flags & 0x02) == 0;
    test.ani = (flags & 0x01) == 0;
    test.auxiliary = payload[6];
    DecodeSignalling((static_cast<std::uint32_t>(payload[0]) << 8) | (payload[1] & 0xF0U), test);

    test.hasFrequency = test.divider != kNoDivider;
    const BandInfo* info = FindBand(band.model);
    test.stepKhz =
        info != nullptr ? StepKhz(band.model, test.wide ? band.wideCode : band.narrowCode) : 0.0;
    test.bandKnown = info != nullptr && test.stepKhz > 0.0;
    if (test.hasFrequency && test.bandKnown)
    {
        // The dual-modulus prescaler counts N full cycles of P and A extra ones.
        const std::uint32_t n = test.divider >> 7;
        const std::uint32_t a = test.divider & 0x7F;
        const double divider = static_cast<double>(n) * info->prescaler + a;
        const double synthesizer = divider * test.stepKhz * 0.001;
        double air = synthesizer;
        if (!transmit)
        {
            // High-side injection runs the oscillator an IF above the channel.
            air = band.injection == 0 ? synthesizer - info->ifMhz : synthesizer + info->ifMhz;
        }
        test.synthesizerMhz = std::round(synthesizer * 1e5) / 1e5;
        test.frequencyMhz = std::round(air * 1e5) / 1e5;
    }
    out = test;
    return true;
}

std::string DescribeTest(const SimTestState& test)
{
    std::string text = test.side == 'T' ? kSimWordTransmitting : kSimWordReceiving;
    if (!test.hasFrequency)
    {
        text += kSimWordNoFrequency;
    }
    else if (!test.bandKnown)
    {
        Append(text, kSimWordOnDivider, static_cast<unsigned>(test.divider));
    }
    else
    {
        Append(text, kSimWordOnFrequency, test.frequencyMhz);
    }
    text += test.wide ? kSimWordWide : kSimWordNarrow;
    if (test.side == 'T')
    {
        text += test.highPower ? kSimWordHighPower : kSimWordLowPower;
    }
    switch (test.signalling)
    {
    case SimSignalling::None:
        text += kSimWordNoSignalling;
        break;
    case SimSignalling::Ctcss:
        Append(text, kSimWordCtcss, test.ctcssHz);
        break;
    case SimSignalling::Dcs:
        Append(text, test.dcsInverted ? kSimWordDcsInverted : kSimWordDcs, test.dcsDigits);
        break;
    case SimSignalling::Unknown:
        Append(text, kSimWordUnknownSignalling, static_cast<unsigned>(test.signallingWord));
        break;
    }
    // Only what departs from the form's defaults is worth a word.
    const std::pair<bool, const char*> options[] = {{test.compander, kSimWordCompander},
                                                    {test.dtone, kSimWordDtone},
                                                    {test.ani, kSimWordAni},
                                                    {test.scanGroupA, kSimWordScanGroupA},
                                                    {test.scanGroupB, kSimWordScanGroupB}};
    for (const auto& [on, word] : options)
    {
        if (on)
        {
            text += word;
        }
    }
    if (test.auxiliary != 0xFF)
    {
        Append(text, kSimWordAuxiliary, static_cast<unsigned>(test.auxiliary));
    }
    return text;
}

const char* LevelName(int offset)
{
    return offset >= 0 && offset < SimRadioState::kLevelCount ? kSimLevelNames[offset] : "";
}

std::string DescribeLevel(int offset, int value, bool transmitting)
{
    std::string text;
    Append(text, transmitting ? kSimWordLevelTransmitting : kSimWordLevel, LevelName(offset),
           value);
    return text;
}
