// The sample configuration the simulated radio of a demonstration holds.

// own
#include "sim/SampleImage.h"

// model
#include "model/BandTable.h"
#include "model/RadioImage.h"
#include "model/SignallingTables.h"
#include "model/Synthesizer.h"

namespace
{
constexpr int kSampleModel = 6; // VHF(H) B Band, 150-174 MHz
constexpr bool kHighInjection = true;
constexpr double kWideStepHz = 5000.0;
constexpr double kNarrowStepHz = 6250.0;

// One side's signalling: none, a CTCSS tone in Hz, or a DCS code in its octal
// digits.
struct Signalling
{
    enum Kind
    {
        None,
        Ctcss,
        Dcs
    } kind = None;
    double value = 0.0;
};

struct SampleChannel
{
    const char* name;
    double rxMhz;
    double txMhz; // 0: receive only
    bool wide;
    Signalling rx;
    Signalling tx;
    bool scanA;
    bool scanB;
};

constexpr Signalling kNone{};
constexpr Signalling Tone(double hz)
{
    return {Signalling::Ctcss, hz};
}
constexpr Signalling Code(int digits)
{
    return {Signalling::Dcs, static_cast<double>(digits)};
}

const SampleChannel kChannels[] = {
    {"DISPATCH", 151.625, 151.625, true, Tone(100.0), Tone(100.0), true, false},
    {"YARD", 154.575, 154.575, false, Tone(88.5), Tone(88.5), true, false},
    {"SECURITY", 155.025, 159.825, false, Tone(123.0), Tone(123.0), true, false},
    {"MAINT", 151.775, 151.775, false, Code(23), Code(23), true, false},
    {"SHIPPING", 152.300, 152.300, false, Code(114), Code(114), true, false},
    {"FIRE GROUND", 154.275, 154.275, true, kNone, Tone(156.7), false, true},
    {"EMS", 155.175, 155.175, true, Code(754), Code(754), false, true},
    {"TALKAROUND", 156.000, 156.000, true, kNone, kNone, false, true},
    {"REPEATER 1", 158.775, 153.875, false, Tone(131.8), Tone(131.8), true, true},
    {"REPEATER 2", 159.225, 154.325, false, Tone(141.3), Tone(141.3), true, true},
    {"WEATHER", 162.550, 0.0, false, kNone, kNone, false, false},
    {"CALLING", 151.000, 151.000, true, kNone, kNone, false, false},
};

int CtcssIndex(double hz)
{
    for (int index = 0; index < kCtcssCount; ++index)
    {
        if (CtcssTone(index) == hz)
        {
            return index;
        }
    }
    return -1;
}

// Sets one side as the Channel form would: frequency word, then signalling.
// False when the image refused a field.
bool SetSide(CRadioImage& image, int n, bool transmit, double mhz, bool wide,
             const Signalling& signalling)
{
    const double stepKhz = (wide ? kWideStepHz : kNarrowStepHz) / 1000.0;
    const std::uint32_t word =
        mhz > 0.0 ? FrequencyToWord(mhz, transmit, kSampleModel, stepKhz, kHighInjection)
                  : kUnusedWord;
    const int unused = word == kUnusedWord ? 1 : 0;
    const int none = signalling.kind == Signalling::None ? 1 : 0;
    const int type = signalling.kind == Signalling::Ctcss ? 0 : 1;
    const bool ctcss = signalling.kind == Signalling::Ctcss;
    const bool dcs = signalling.kind == Signalling::Dcs;
    const int code = DcsValueOfDigits(static_cast<int>(signalling.value));
    if (transmit)
    {
        return image.SetTxUnused(n, unused) && image.SetTxWord(n, word) &&
               image.SetTxSignallingNone(n, none) && image.SetTxSignallingType(n, type) &&
               (!ctcss || image.SetTxCtcss(n, CtcssIndex(signalling.value))) &&
               (!dcs || image.SetTxDcs(n, 0, code));
    }
    return image.SetRxUnused(n, unused) && image.SetRxWord(n, word) &&
           image.SetRxSignallingNone(n, none) && image.SetRxSignallingType(n, type) &&
           (!ctcss || image.SetRxCtcss(n, CtcssIndex(signalling.value))) &&
           (!dcs || image.SetRxDcs(n, 0, code));
}
} // namespace

bool BuildSampleImage(CRadioImage& image)
{
    // The model fields exactly as the Model form writes them, so that storing
    // the form unchanged gives the same bytes.
    bool ok =
        image.Reset() && image.SetModel(kSampleModel) &&
        image.SetInjection(kHighInjection ? 0 : 1) &&
        image.SetWideIfOffset(ComputeIfOffset(kSampleModel, !kHighInjection, kWideStepHz)) &&
        image.SetNarrowIfOffset(ComputeIfOffset(kSampleModel, !kHighInjection, kNarrowStepHz)) &&
        image.SetWideReference(kWideStepHz) && image.SetNarrowReference(kNarrowStepHz) &&
        image.SetSerialNumber("32000417") && image.SetCustomer("0000012345") &&
        image.SetDate(2024, 3, 15);

    int n = 0;
    for (const SampleChannel& channel : kChannels)
    {
        ok = ok && SetSide(image, n, false, channel.rxMhz, channel.wide, channel.rx) &&
             SetSide(image, n, true, channel.txMhz, channel.wide, channel.tx) &&
             image.SetWide(n, channel.wide ? 1 : 0) &&
             image.SetScanGroupA(n, channel.scanA ? 0 : 1) &&
             image.SetScanGroupB(n, channel.scanB ? 0 : 1) &&
             image.SetChannelName(n, channel.name) && image.UpdateCheck(n);
        ++n;
    }
    return ok && image.SetGroupName(0, "OPERATIONS") && image.SetGroupName(1, "REPEATERS");
}
