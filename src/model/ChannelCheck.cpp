// The checks of a channel entry.
#include "model/ChannelCheck.h"

// model
#include "model/ChannelNames.h"
#include "model/ChannelRules.h"
#include "model/ChannelTexts.h"
#include "model/SignallingTables.h"
#include "model/TextReaders.h"

// std
#include <algorithm>
#include <utility>

namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
    {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back()))
    {
        text.remove_suffix(1);
    }
    return text;
}

ChannelCheckFailure Failure(ChannelCheck check, ChannelField focus, const char* message)
{
    return ChannelCheckFailure{check, focus, message};
}

// The signalling of one side; false when the chosen type has no valid value.
bool CheckSignalling(const ChannelSideEntry& side, ChannelSideValues& valuesOut)
{
    switch (side.signallingType)
    {
    case kSignallingCtcss:
        if (side.toneIndex < 0 || side.toneIndex >= kCtcssCount)
        {
            return false;
        }
        valuesOut.signallingValue = side.toneIndex;
        break;
    case kSignallingDcs:
        if (!ReadDcsCode(side.dcsText, valuesOut.signallingValue))
        {
            return false;
        }
        break;
    case kSignallingNone:
        valuesOut.signallingValue = kNoSignallingValue;
        break;
    default:
        return false;
    }
    valuesOut.signallingType = side.signallingType;
    return true;
}

ChannelField SignallingFocus(const ChannelSideEntry& side, bool transmit)
{
    if (side.signallingType == kSignallingCtcss)
    {
        return transmit ? ChannelField::TxTone : ChannelField::RxTone;
    }
    return transmit ? ChannelField::TxDcs : ChannelField::RxDcs;
}
} // namespace

bool ReadFrequencyEntry(std::string_view text, double& mhzOut)
{
    const std::string_view number = TrimBlanks(text);
    std::string_view rest = number;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-'))
    {
        rest.remove_prefix(1);
    }
    const std::size_t point = rest.find('.');
    const std::string_view whole = rest.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);
    const auto allDigits = [](std::string_view part)
    { return std::all_of(part.begin(), part.end(), IsDigit); };
    if ((whole.empty() && fraction.empty()) || !allDigits(whole) || !allDigits(fraction))
    {
        return false;
    }
    return ReadDecimal(number, mhzOut);
}

bool CheckChannelEntry(const CChannelRules& rules, const ChannelEntry& entry,
                       ChannelValues& valuesOut, ChannelCheckFailure& failureOut)
{
    using namespace ChannelTexts;
    if (!rules.HasModel())
    {
        failureOut = Failure(ChannelCheck::ModelChosen, ChannelField::None, kModelNotChosen);
        return false;
    }
    // The boxes are read before anything is checked, as the form reads them.
    ChannelValues values;
    if (!ReadFrequencyEntry(entry.rx.frequencyText, values.rx.mhz))
    {
        failureOut =
            Failure(ChannelCheck::RxFrequencyNumber, ChannelField::RxFrequency, kNotANumber);
        return false;
    }
    if (!ReadFrequencyEntry(entry.tx.frequencyText, values.tx.mhz))
    {
        failureOut =
            Failure(ChannelCheck::TxFrequencyNumber, ChannelField::TxFrequency, kNotANumber);
        return false;
    }
    if (!NormaliseName(entry.name, values.name))
    {
        failureOut =
            Failure(ChannelCheck::ChannelName, ChannelField::ChannelName, kChannelNameError);
        return false;
    }
    if (!NormaliseName(entry.groupName, values.groupName))
    {
        failureOut = Failure(ChannelCheck::GroupName, ChannelField::GroupName, kGroupNameError);
        return false;
    }
    // Every channel slot of the image is editable whatever the capacity.
    if (entry.channel < 1 || entry.channel > kChannelCount)
    {
        failureOut =
            Failure(ChannelCheck::ChannelNumber, ChannelField::ChannelNumber, kChannelNumberError);
        return false;
    }
    if (!rules.FrequencyToWord(values.rx.mhz, false, entry.narrow, values.rx.word))
    {
        failureOut =
            Failure(ChannelCheck::RxFrequency, ChannelField::RxFrequency, kRxFrequencyError);
        return false;
    }
    if (!rules.FrequencyToWord(values.tx.mhz, true, entry.narrow, values.tx.word))
    {
        failureOut =
            Failure(ChannelCheck::TxFrequency, ChannelField::TxFrequency, kTxFrequencyError);
        return false;
    }
    values.rx.unused = values.rx.mhz == 0.0;
    values.tx.unused = values.tx.mhz == 0.0;
    if (!CheckSignalling(entry.rx, values.rx))
    {
        failureOut = Failure(ChannelCheck::RxSignalling, SignallingFocus(entry.rx, false),
                             kRxSignallingError);
        return false;
    }
    if (!CheckSignalling(entry.tx, values.tx))
    {
        failureOut = Failure(ChannelCheck::TxSignalling, SignallingFocus(entry.tx, true),
                             kTxSignallingError);
        return false;
    }
    valuesOut = std::move(values);
    return true;
}
