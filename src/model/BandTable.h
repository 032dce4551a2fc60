// The band (model) table and the reference steps that each model offers.
#pragma once

constexpr int kModelCount = 14;
constexpr int kModel800 = 13; // the only model with separate transmit edges and P = 128

// Reference dividers R = 12.8 MHz / step for the four channel steps.
constexpr int kDivider2500 = 5120;
constexpr int kDivider5000 = 2560;
constexpr int kDivider6250 = 2048;
constexpr int kDivider12500 = 1024;

struct BandInfo
{
    const char* name;
    double ifMhz; // receiver intermediate frequency
    double rxLow; // channel edges in MHz, both inclusive
    double rxHigh;
    double txLow;
    double txHigh;
    int prescaler; // modulus P of the dual-modulus prescaler
};

// The band of a model index, or nullptr outside 0..13.
const BandInfo* FindBand(int model);

// Number of reference codes a model offers (3 for VHF and 800 MHz, 2 for UHF).
int ReferenceCodeCount(int model);

// Channel step in kHz of a model's reference code; 0.0 when the model has no
// such code.
double StepKhz(int model, int code);
