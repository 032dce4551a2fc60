// Conversions between channel frequencies and synthesizer words, IF-offset
// words, the 10 Hz editing grid and spin-button stepping.
#pragma once

// std
#include <cstdint>

// Synthesizer word (19 bits, 0x7FFFF = side unused):
//
//   bit  | 18 | 17 ........... 7 | 6 ....... 0 |
//        | 0  | N, main counter  | A, swallow  |
//
// The divider is D = N * P + A and the oscillator runs at D * step.

// The word for f MHz (0.0 gives 0x7FFFF). Callers pass frequencies inside the
// band that round to the step grid; both counters come from the divider rounded
// to a whole number, so an entry a few hertz off a grid point gets that point's
// word. An unknown model, a step that is not positive or beyond 1 GHz, or an
// oscillator below zero gives 0x7FFFF as well.
std::uint32_t FrequencyToWord(double f, bool isTransmit, int model, double stepKhz,
                              bool highInjection);

// The frequency in MHz of a word; 0.0 for an unknown model or a step that is not
// positive.
double WordToFrequency(std::uint32_t word, bool isTransmit, int model, double stepKhz,
                       bool highInjection);

// The IF offset in steps, positive for low-side and negative for high-side
// injection, rounded half away from zero; 0 for an unknown model or step.
int ComputeIfOffset(int model, bool lowInjection, double stepHz);
// A stored IF offset word is a 16-bit two's complement number: negative, it
// says high-side injection.
constexpr bool IsHighInjectionOffset(int ifWord)
{
    return (ifWord & 0x8000) != 0;
}

// True when f lies on the step grid counted from 0 Hz, on a 10 Hz scale; false
// for a step that is not positive or beyond 1 GHz.
bool IsOnStepGrid(double f, double stepKhz);

// The frequency a spin arrow moves to (direction > 0 up, otherwise down);
// stepping down from the low edge gives 0.0 (side unused). An unknown model, or
// a step that is not positive or beyond 1 GHz, leaves f as it is.
double StepFrequency(double f, int direction, int model, double stepKhz, bool isTransmitBox);
