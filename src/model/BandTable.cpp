// The band (model) table and the reference-code steps.
#include "model/BandTable.h"

// model
#include "model/ModelTexts.h"

namespace
{
constexpr BandInfo kBands[kModelCount] = {
    {kBandNames[0], 10.7, 29.7, 36.0, 29.7, 36.0, 64},
    {kBandNames[1], 10.7, 36.0, 42.0, 36.0, 42.0, 64},
    {kBandNames[2], 10.7, 42.0, 50.0, 42.0, 50.0, 64},
    {kBandNames[3], 45.0, 66.0, 77.0, 66.0, 77.0, 64},
    {kBandNames[4], 45.0, 77.0, 88.0, 77.0, 88.0, 64},
    {kBandNames[5], 45.0, 136.0, 160.0, 136.0, 160.0, 64},
    {kBandNames[6], 45.0, 150.0, 174.0, 150.0, 174.0, 64},
    {kBandNames[7], 45.0, 220.0, 240.0, 220.0, 240.0, 64},
    {kBandNames[8], 45.0, 300.0, 345.0, 300.0, 345.0, 64},
    {kBandNames[9], 45.0, 403.0, 430.0, 403.0, 430.0, 64},
    {kBandNames[10], 45.0, 450.0, 470.0, 450.0, 470.0, 64},
    {kBandNames[11], 45.0, 470.0, 494.0, 470.0, 494.0, 64},
    {kBandNames[12], 45.0, 494.0, 520.0, 494.0, 520.0, 64},
    {kBandNames[13], 70.0, 851.0, 870.0, 806.0, 825.0, 128},
};

bool IsUhf(int model)
{
    return model >= 8 && model <= 12;
}
} // namespace

const BandInfo* FindBand(int model)
{
    if (model < 0 || model >= kModelCount)
    {
        return nullptr;
    }
    return &kBands[model];
}

int ReferenceCodeCount(int model)
{
    if (FindBand(model) == nullptr)
    {
        return 0;
    }
    return IsUhf(model) ? 2 : 3;
}

double StepKhz(int model, int code)
{
    if (code < 0 || code >= ReferenceCodeCount(model))
    {
        return 0.0;
    }
    static constexpr double kVhf[3] = {2.5, 5.0, 6.25};
    static constexpr double kUhf[2] = {5.0, 6.25};
    static constexpr double k800[3] = {5.0, 6.25, 12.5};
    if (model == kModel800)
    {
        return k800[code];
    }
    return IsUhf(model) ? kUhf[code] : kVhf[code];
}
