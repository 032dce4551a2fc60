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

// The reference steps the Model form offers for a model, in list order (the
// position is the reference code), with the codes a newly chosen band starts
// with. A model without a band (none chosen yet) gets the row of models 0..7,
// so the form always has lists to show and a step to store.
struct ReferenceStepRow
{
    int count;
    const char* texts[3]; // nullptr past count
    double hz[3];         // 0.0 past count
    int defaultWide;
    int defaultNarrow;
};

const ReferenceStepRow& ReferenceStepsOf(int model);

// The injection side a newly chosen band starts with: 0 (high side) for models
// 0..6, 1 (low side) for every other index.
int DefaultInjectionSide(int model);
