// Decoding of the test command's seven bytes and the words the simulated
// radio logs for each command it takes.
#pragma once

// own
#include "sim/SimRadioState.h"

// std
#include <cstddef>
#include <cstdint>
#include <string>

// How the radio's own EEPROM sets up its synthesizer; model -1 when the
// EEPROM names no band.
struct SimBandSetup
{
    int model = -1;
    int wideCode = 0;
    int narrowCode = 0;
    int injection = 0; // 0 high side, 1 low side
};

// Decodes a test payload into out. False (out untouched) for a payload that
// is not seven bytes or fails its check nibble: the radio ignores those.
[[nodiscard]] bool DecodeTestPayload(const std::uint8_t* payload, std::size_t count, bool transmit,
                                     const SimBandSetup& band, SimTestState& out);

std::string DescribeTest(const SimTestState& test);
// offset 0..9 from the live level base.
std::string DescribeLevel(int offset, int value, bool transmitting);
const char* LevelName(int offset);
