// The test record that puts the radio into a receive or transmit state: built
// from the Test form's choices, and split again into its parts for whoever
// takes it.
#pragma once

// own
#include "link/RadioCommands.h"

// model
#include "model/ChannelCheck.h"

// std
#include <cstddef>
#include <cstdint>

// Input of TestReceive and TestTransmit, filled by the Test view.
struct TestSettings
{
    double frequency = 0.0;     // MHz; 1.0 or less: no frequency is set
    double referenceStep = 0.0; // kHz
    bool noFrequency = false;   // the entered frequency was 0 (not encoded)
    // kSignallingCtcss with a tone index, kSignallingDcs with the code's octal
    // value (negative when inverted), or kSignallingNone.
    int signallingType = kSignallingNone;
    int signallingValue = kNoSignallingValue;
    std::int32_t txPowerControl = 1; // 1 "Normal", 0 "Lowpower"
    std::int32_t fixedBit = 1;
    std::int32_t compander = 1; // 1 "Disable", 0 "Enable"
    std::int32_t dtone = 1;
    std::int32_t ani = 1;
    std::int32_t notScanGroupA = 1;
    std::int32_t notScanGroupB = 1;
    std::uint8_t auxiliary = 0xFF;
    std::int32_t wide = 0; // 0 narrow
};

// A received test payload in its parts.
struct TestRecordParts
{
    std::uint32_t signallingWord = RadioCommands::kNoSignallingCarried; // bits 15..4
    std::uint32_t divisor = RadioCommands::kNoDivisor;                  // 20 bits
    std::uint32_t counterN = 0;
    std::uint32_t counterA = 0;
    std::uint8_t flags = 0;
    std::uint8_t auxiliary = 0;
    bool checkValid = false;
};

class CTestRecord
{
public:
    // The signalling word of a choice (see TestSettings); false for CTCSS
    // without a tone and for a type that is none of the three.
    [[nodiscard]] static bool SignallingWord(int type, int value, std::uint32_t& wordOut);
    // The choice a word's carried bits 15..4 stand for; false for a word of
    // none of the three shapes. Whether the tone or code exists is not asked.
    [[nodiscard]] static bool ReadSignalling(std::uint32_t carried, int& typeOut, int& valueOut);

    // The 7-byte payload for a radio of model `modelIndex`; false (nothing
    // built) when the signalling has no word or the frequency and reference
    // step give no usable divisor. N and A are the quotient and remainder of
    // one divisor rounded to the nearest whole step.
    [[nodiscard]] static bool Build(const TestSettings& settings, std::int32_t modelIndex,
                                    std::uint8_t payload[RadioCommands::kTestPayloadSize]);
    // False (out untouched) for a payload that is not seven bytes; a wrong
    // check nibble only clears checkValid.
    [[nodiscard]] static bool Split(const std::uint8_t* payload, std::size_t count,
                                    TestRecordParts& out);
};
