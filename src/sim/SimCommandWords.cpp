// The test command decoded the way the radio's synthesizer reads it, and the
// commands put into words.

// own
#include "sim/SimCommandWords.h"
#include "sim/SimTexts.h"

// link
#include "link/TestRecord.h"

// model
#include "model/BandTable.h"
#include "model/SignallingTables.h"

// std
#include <cmath>
#include <cstdlib>
#include <cstdio>

using namespace RadioCommands;

namespace
{
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
    out.signalling = SimSignalling::Unknown;
    int type = kSignallingNone;
    int value = kNoSignallingValue;
    if (!CTestRecord::ReadSignalling(word, type, value))
    {
        return;
    }
    if (type == kSignallingNone)
    {
        out.signalling = SimSignalling::None;
    }
    else if (type == kSignallingDcs && IsDcsCode(DcsDigitsOfValue(std::abs(value))))
    {
        out.signalling = SimSignalling::Dcs;
        out.dcsDigits = DcsDigitsOfValue(std::abs(value));
        out.dcsInverted = value < 0;
    }
    else if (type == kSignallingCtcss && value < kCtcssCount)
    {
        out.signalling = SimSignalling::Ctcss;
        out.ctcssIndex = value;
        out.ctcssHz = CtcssTone(value);
    }
}
} // namespace

bool DecodeTestPayload(const std::uint8_t* payload, std::size_t count, bool transmit,
                       const SimBandSetup& band, SimTestState& out)
{
    TestRecordParts parts;
    if (!CTestRecord::Split(payload, count, parts) || !parts.checkValid)
    {
        return false;
    }

    SimTestState test;
    test.side = transmit ? 'T' : 'R';
    test.divider = parts.divisor;
    const std::uint8_t flags = parts.flags;
    test.highPower = (flags & kFlagNormalPower) != 0;
    test.scanGroupA = (flags & kFlagNotScanGroupA) == 0;
    test.scanGroupB = (flags & kFlagNotScanGroupB) == 0;
    test.compander = (flags & kFlagCompanderOff) == 0;
    test.wide = (flags & kFlagWide) != 0;
    test.dtone = (flags & kFlagDtoneOff) == 0;
    test.ani = (flags & kFlagAniOff) == 0;
    test.auxiliary = parts.auxiliary;
    DecodeSignalling(parts.signallingWord, test);

    test.hasFrequency = test.divider != kNoDivisor;
    const BandInfo* info = FindBand(band.model);
    test.stepKhz =
        info != nullptr ? StepKhz(band.model, test.wide ? band.wideCode : band.narrowCode) : 0.0;
    test.bandKnown = info != nullptr && test.stepKhz > 0.0;
    if (test.hasFrequency && test.bandKnown)
    {
        // The dual-modulus prescaler counts N full cycles of P and A extra ones.
        const double divider =
            static_cast<double>(parts.counterN) * info->prescaler + parts.counterA;
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
