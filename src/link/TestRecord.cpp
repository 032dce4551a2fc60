// Test record building and splitting.

// own
#include "link/TestRecord.h"

// std
#include <cmath>
#include <cstdlib>

using namespace RadioCommands;

namespace
{
// The nibbles the check nibble makes up to a multiple of 16: the low one of
// the byte shared with the signalling word, both of the divisor's other bytes
// and of the flags.
unsigned CheckedNibbles(const std::uint8_t* payload)
{
    unsigned nibbles = payload[kTestSignallingDivisor] & 0x0FU;
    for (int i = kTestDivisorMiddle; i <= kTestFlags; ++i)
    {
        nibbles += (payload[i] >> 4U) + (payload[i] & 0x0FU);
    }
    return nibbles;
}
} // namespace

bool CTestRecord::SignallingWord(int type, int value, std::uint32_t& wordOut)
{
    switch (type)
    {
    case kSignallingCtcss:
        if (value < 0)
        {
            return false;
        }
        wordOut = static_cast<std::uint32_t>(value) << kToneShift;
        return true;
    case kSignallingDcs:
    {
        const auto code =
            static_cast<std::uint32_t>(std::abs(value)) + (value < 0 ? kDcsInverted : 0U);
        wordOut = (code << kDcsShift) | kDcsFlag;
        return true;
    }
    case kSignallingNone:
        wordOut = kNoSignallingWord;
        return true;
    default:
        return false;
    }
}

bool CTestRecord::ReadSignalling(std::uint32_t carried, int& typeOut, int& valueOut)
{
    if (carried == kNoSignallingCarried)
    {
        typeOut = kSignallingNone;
        valueOut = kNoSignallingValue;
        return true;
    }
    if ((carried & kDcsFlag) != 0)
    {
        // Only the inversion bit may sit above the code.
        if ((carried & ~(kDcsFlag | ((kDcsInverted | kDcsCodeMask) << kDcsShift))) != 0)
        {
            return false;
        }
        const int code = static_cast<int>((carried >> kDcsShift) & kDcsCodeMask);
        typeOut = kSignallingDcs;
        valueOut = ((carried >> kDcsShift) & kDcsInverted) != 0 ? -code : code;
        return true;
    }
    if ((carried & kToneLowBits) != 0)
    {
        return false;
    }
    typeOut = kSignallingCtcss;
    valueOut = static_cast<int>(carried >> kToneShift);
    return true;
}

bool CTestRecord::Build(const TestSettings& settings, std::int32_t modelIndex,
                        std::uint8_t payload[kTestPayloadSize])
{
    std::uint32_t signalling = kNoSignallingWord;
    if (!SignallingWord(settings.signallingType, settings.signallingValue, signalling))
    {
        return false;
    }
    const std::int64_t prescaler = modelIndex == kPrescaler800Model ? kPrescaler800 : kPrescaler;
    std::uint32_t divisor = kNoDivisor;
    if (settings.frequency > 1.0)
    {
        const double e = settings.frequency / (settings.referenceStep * 0.001);
        // A zero or absurd reference step gives no divisor the radio could use.
        if (!std::isfinite(e) || e < 0.0 || e > 1e12)
        {
            return false;
        }
        // Both counters come from one rounded divisor: e of an exact grid
        // point can land a hair below a multiple of P, and N taken from e
        // itself would then lose a whole cycle of P while A wraps to 0.
        const auto divisorSteps = static_cast<std::int64_t>(std::floor(e + 0.5));
        const std::int64_t n = divisorSteps / prescaler;
        const std::int64_t a = divisorSteps % prescaler;
        divisor = static_cast<std::uint32_t>(((n & kDivisorNMask) << kDivisorNShift) |
                                             (a & kDivisorAMask));
    }
    const auto flag = [](std::int32_t value, std::uint8_t bit)
    { return static_cast<std::uint8_t>(value != 0 ? bit : 0U); };
    payload[kTestSignallingHigh] = static_cast<std::uint8_t>(signalling >> 8);
    payload[kTestSignallingDivisor] =
        static_cast<std::uint8_t>((signalling & 0xF0) | ((divisor >> 16) & 0x0F));
    payload[kTestDivisorMiddle] = static_cast<std::uint8_t>(divisor >> 8);
    payload[kTestDivisorLow] = static_cast<std::uint8_t>(divisor);
    payload[kTestFlags] =
        flag(settings.txPowerControl, kFlagNormalPower) | flag(settings.fixedBit, kFlagFixed) |
        flag(settings.notScanGroupA, kFlagNotScanGroupA) |
        flag(settings.notScanGroupB, kFlagNotScanGroupB) |
        flag(settings.compander, kFlagCompanderOff) | flag(settings.wide, kFlagWide) |
        flag(settings.dtone, kFlagDtoneOff) | flag(settings.ani, kFlagAniOff);
    payload[kTestCheck] = static_cast<std::uint8_t>(
        (kCheckModulus - CheckedNibbles(payload) % kCheckModulus) % kCheckModulus);
    payload[kTestAuxiliary] = settings.auxiliary;
    return true;
}

bool CTestRecord::Split(const std::uint8_t* payload, std::size_t count, TestRecordParts& out)
{
    if (payload == nullptr || count != kTestPayloadSize)
    {
        return false;
    }
    TestRecordParts parts;
    parts.signallingWord = (static_cast<std::uint32_t>(payload[kTestSignallingHigh]) << 8) |
                           (payload[kTestSignallingDivisor] & 0xF0U);
    parts.divisor = (static_cast<std::uint32_t>(payload[kTestSignallingDivisor] & 0x0F) << 16) |
                    (static_cast<std::uint32_t>(payload[kTestDivisorMiddle]) << 8) |
                    payload[kTestDivisorLow];
    parts.counterN = parts.divisor >> kDivisorNShift;
    parts.counterA = parts.divisor & kDivisorAMask;
    parts.flags = payload[kTestFlags];
    parts.auxiliary = payload[kTestAuxiliary];
    parts.checkValid = (payload[kTestCheck] & 0xF0) == 0 &&
                       (CheckedNibbles(payload) + payload[kTestCheck]) % kCheckModulus == 0;
    out = parts;
    return true;
}
