// Writing channel records from checked entries.
#include "model/ChannelStore.h"

// model
#include "model/ChannelNames.h"
#include "model/ChannelRules.h"
#include "model/RadioImage.h"

// std
#include <cstdlib>

namespace
{
// A side in the record's unused form: no frequency, no signalling, and the
// default DCS bits an empty record carries.
bool WriteUnusedSide(CRadioImage& image, int i, bool transmit)
{
    if (transmit)
    {
        return image.SetTxUnused(i, 1) && image.SetTxWord(i, kUnusedWord) &&
               image.SetTxSignallingNone(i, 1) && image.SetTxSignallingType(i, 1) &&
               image.SetTxDcs(i, 1, 511);
    }
    return image.SetRxUnused(i, 1) && image.SetRxWord(i, kUnusedWord) &&
           image.SetRxSignallingNone(i, 1) && image.SetRxSignallingType(i, 1) &&
           image.SetRxDcs(i, 1, 511);
}

bool WriteUsedSide(CRadioImage& image, int i, bool transmit, const ChannelSideValues& side)
{
    const int none = side.signallingType == kSignallingNone ? 1 : 0;
    const int dcs = side.signallingType == kSignallingDcs ? 1 : 0;
    bool done = transmit ? image.SetTxSignallingNone(i, none) : image.SetRxSignallingNone(i, none);
    done =
        (transmit ? image.SetTxSignallingType(i, dcs) : image.SetRxSignallingType(i, dcs)) && done;
    if (side.signallingType == kSignallingDcs)
    {
        const int inverted = side.signallingValue < 0 ? 1 : 0;
        const int code = std::abs(side.signallingValue);
        done = (transmit ? image.SetTxDcs(i, inverted, code) : image.SetRxDcs(i, inverted, code)) &&
               done;
    }
    else if (side.signallingType == kSignallingCtcss)
    {
        done = (transmit ? image.SetTxCtcss(i, side.signallingValue)
                         : image.SetRxCtcss(i, side.signallingValue)) &&
               done;
    }
    done = (transmit ? image.SetTxUnused(i, 0) : image.SetRxUnused(i, 0)) && done;
    return (transmit ? image.SetTxWord(i, side.word) : image.SetRxWord(i, side.word)) && done;
}

// The record bit of a switch: 0 means enabled (or a member) in every one of them.
int Bit(bool enabled)
{
    return enabled ? 0 : 1;
}
} // namespace

bool StoreChannel(CRadioImage& image, int n, const ChannelValues& values,
                  const ChannelSwitches& switches)
{
    const int i = n - 1;
    CRadioImage stored = image;
    bool ok = false;
    if (values.rx.unused)
    {
        ok = stored.ResetChannel(i);
    }
    else
    {
        ok = stored.SetChannelName(i, NameForImage(values.name)) &&
             stored.SetWide(i, switches.narrow ? 0 : 1) &&
             WriteUsedSide(stored, i, false, values.rx) &&
             (values.tx.unused ? WriteUnusedSide(stored, i, true)
                               : WriteUsedSide(stored, i, true, values.tx)) &&
             stored.SetTxPower(i, switches.reducedPower ? 0 : 1) &&
             stored.SetScrambler(i, Bit(switches.scrambler)) &&
             stored.SetCompander(i, Bit(switches.compander)) &&
             stored.SetDTone(i, Bit(switches.dtone)) && stored.SetAniEnable(i, Bit(switches.ani)) &&
             stored.SetScanGroupA(i, Bit(switches.scanGroupA)) &&
             stored.SetScanGroupB(i, Bit(switches.scanGroupB)) && stored.UpdateCheck(i) &&
             stored.SetAuxData(i, switches.auxData);
    }
    if (!ok)
    {
        return false;
    }
    image = stored;
    return true;
}

bool StoreEmptyChannel(CRadioImage& image, int n)
{
    CRadioImage stored = image;
    if (!stored.ResetChannel(n - 1))
    {
        return false;
    }
    image = stored;
    return true;
}

bool ReadChannelSwitches(const CRadioImage& image, int n, ChannelSwitches& switchesOut)
{
    const int i = n - 1;
    int wide = 1;
    int power = 1;
    int scrambler = 1;
    int compander = 1;
    int dtone = 1;
    int ani = 1;
    int scanA = 1;
    int scanB = 1;
    int aux = 255;
    if (!image.GetWide(i, wide) || !image.GetTxPower(i, power) ||
        !image.GetScrambler(i, scrambler) || !image.GetCompander(i, compander) ||
        !image.GetDTone(i, dtone) || !image.GetAniEnable(i, ani) ||
        !image.GetScanGroupA(i, scanA) || !image.GetScanGroupB(i, scanB) ||
        !image.GetAuxData(i, aux))
    {
        return false;
    }
    switchesOut = ChannelSwitches{wide == 0,      power == 0, scrambler == 0,
                                  compander == 0, dtone == 0, ani == 0,
                                  scanA == 0,     scanB == 0, aux};
    return true;
}

ChannelSignalling ReadSignalling(const CRadioImage& image, int n, bool transmit)
{
    const int i = n - 1;
    ChannelSignalling signalling;
    int none = 1;
    int dcs = 1;
    (void)(transmit ? image.GetTxSignallingNone(i, none) : image.GetRxSignallingNone(i, none));
    (void)(transmit ? image.GetTxSignallingType(i, dcs) : image.GetRxSignallingType(i, dcs));
    if (none == 1)
    {
        return signalling;
    }
    if (dcs == 1)
    {
        int inverted = 0;
        (void)(transmit ? image.GetTxDcs(i, inverted, signalling.dcsCode)
                        : image.GetRxDcs(i, inverted, signalling.dcsCode));
        signalling.type = kSignallingDcs;
        signalling.dcsInverted = inverted == 1;
        return signalling;
    }
    signalling.type = kSignallingCtcss;
    signalling.toneValid = transmit ? image.GetTxCtcss(i, signalling.toneIndex)
                                    : image.GetRxCtcss(i, signalling.toneIndex);
    return signalling;
}

bool ReadChannel(const CRadioImage& image, const CChannelRules& rules, int n,
                 StoredChannel& recordOut)
{
    const int i = n - 1;
    StoredChannel record;
    std::string name;
    if (!ReadChannelSwitches(image, n, record.switches) || !image.GetChannelName(i, name))
    {
        return false;
    }
    record.name = NameForDisplay(name);
    for (const bool transmit : {false, true})
    {
        ChannelSideRecord& side = transmit ? record.tx : record.rx;
        int unused = 1;
        (void)(transmit ? image.GetTxUnused(i, unused) : image.GetRxUnused(i, unused));
        (void)(transmit ? image.GetTxWord(i, side.word) : image.GetRxWord(i, side.word));
        side.unused = unused == 1;
        if (side.unused ||
            !rules.WordToFrequency(side.word, transmit, record.switches.narrow, side.mhz))
        {
            side.mhz = 0.0;
        }
        side.signalling = ReadSignalling(image, n, transmit);
    }
    recordOut = record;
    return true;
}
