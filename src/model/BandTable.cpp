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

// The one table of reference steps; StepKhz and the Model form's lists read it.
constexpr ReferenceStepRow kVhfSteps{
    3, {kStep2_5, kStep5_0, kStep6_25}, {2500.0, 5000.0, 6250.0}, 1, 2};
constexpr ReferenceStepRow kUhfSteps{
    2, {kStep5_0, kStep6_25, nullptr}, {5000.0, 6250.0, 0.0}, 0, 1};
constexpr ReferenceStepRow k800Steps{
    3, {kStep5_0, kStep6_25, kStep12_5}, {5000.0, 6250.0, 12500.0}, 2, 2};
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
    return ReferenceStepsOf(model).count;
}

double StepKhz(int model, int code)
{
    if (code < 0 || code >= ReferenceCodeCount(model))
    {
        return 0.0;
    }
    return ReferenceStepsOf(model).hz[code] / 1000.0;
}

const ReferenceStepRow& ReferenceStepsOf(int model)
{
    if (model == kModel800)
    {
        return k800Steps;
    }
    return IsUhf(model) ? kUhfSteps : kVhfSteps;
}

int DefaultInjectionSide(int model)
{
    return model >= 0 && model <= 6 ? 0 : 1;
}
