// The check of a whole image before it is written.
#include "model/ImageCheck.h"

// model
#include "model/ChannelGroups.h"
#include "model/ChannelRules.h"
#include "model/ChannelStore.h"
#include "model/ChannelTexts.h"
#include "model/CheckTexts.h"
#include "model/DcsCodeText.h"
#include "model/ModelTexts.h"
#include "model/OptionTables.h"
#include "model/SignallingTables.h"
#include "model/TextFormat.h"

// std
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

namespace
{
using namespace CheckTexts;

// What a receiver listens for: two channels with the same key cannot be told
// apart on the air. The frequency is on the 10 Hz scale the grid uses.
using ReceiveKey = std::tuple<long long, int, int, bool>;

ReceiveKey KeyOf(double mhz, const ChannelSignalling& signalling)
{
    const long long tenHz = std::llround(mhz * 100000.0);
    switch (signalling.type)
    {
    case kSignallingCtcss:
        return {tenHz, kSignallingCtcss, signalling.toneIndex, false};
    case kSignallingDcs:
        return {tenHz, kSignallingDcs, signalling.dcsCode, signalling.dcsInverted};
    default:
        return {tenHz, kSignallingNone, 0, false};
    }
}

// The check value UpdateCheck would write for the record of channel index i.
int ExpectedCheckValue(const CRadioImage& image, int i)
{
    CRadioImage copy = image;
    std::uint8_t value = 0;
    const std::uint32_t offset =
        ImageMap::kChannels + static_cast<std::uint32_t>(i * kChannelRecordSize) + 9;
    if (!copy.UpdateCheck(i) || !copy.ReadBlock(&value, offset, 1))
    {
        return -1;
    }
    return value;
}

int StoredCheckValue(const CRadioImage& image, int i)
{
    std::uint8_t value = 0;
    const std::uint32_t offset =
        ImageMap::kChannels + static_cast<std::uint32_t>(i * kChannelRecordSize) + 9;
    return image.ReadBlock(&value, offset, 1) ? value : -1;
}

// "3, 5, 7" of group numbers.
std::string NumberList(const std::vector<int>& numbers)
{
    std::string text;
    for (const int number : numbers)
    {
        text += (text.empty() ? "" : ", ") + std::to_string(number);
    }
    return text;
}
} // namespace

std::string Finding::Line() const
{
    std::string line = severity == FindingSeverity::Error ? kError : kWarning;
    line += ": ";
    if (channel != kNoChannel)
    {
        line += FormatText(kChannel, channel) + ", ";
    }
    return line + field + ": " + text;
}

bool CImageCheck::HasErrors() const
{
    return std::any_of(m_findings.begin(), m_findings.end(),
                       [](const Finding& finding)
                       { return finding.severity == FindingSeverity::Error; });
}

bool CImageCheck::HasWarnings() const
{
    return std::any_of(m_findings.begin(), m_findings.end(),
                       [](const Finding& finding)
                       { return finding.severity == FindingSeverity::Warning; });
}

std::vector<std::string> CImageCheck::Lines() const
{
    std::vector<std::string> lines;
    lines.reserve(m_findings.size());
    for (const Finding& finding : m_findings)
    {
        lines.push_back(finding.Line());
    }
    return lines;
}

void CImageCheck::Add(FindingSeverity severity, int channel, const char* field, std::string text)
{
    m_findings.push_back(Finding{severity, channel, field, std::move(text)});
}

void CImageCheck::Check(const CRadioImage& image, int capacity)
{
    m_findings.clear();
    capacity = std::clamp(capacity, 1, kChannelCount);
    std::vector<bool> inUse(static_cast<std::size_t>(capacity) + 1, false);
    CChannelRules rules;
    const bool hasModel = rules.LoadFromImage(image);
    if (!hasModel)
    {
        // Without a model no frequency can be worked out, so the channels are
        // not looked at.
        Add(FindingSeverity::Error, kNoChannel, kModel, ChannelTexts::kModelNotChosen);
    }
    std::map<ReceiveKey, int> receivers;
    std::map<std::string, int> names;
    for (int n = 1; hasModel && n <= capacity; ++n)
    {
        StoredChannel record;
        if (!ReadChannel(image, rules, n, record))
        {
            continue;
        }
        if (record.rx.unused)
        {
            if (!record.tx.unused)
            {
                Add(FindingSeverity::Warning, n, kTransmitFreq, kTransmitOnly);
            }
            continue;
        }
        inUse[static_cast<std::size_t>(n)] = true;
        bool framesOk = true;
        for (const bool transmit : {false, true})
        {
            const ChannelSideRecord& side = transmit ? record.tx : record.rx;
            if (side.unused)
            {
                continue;
            }
            const char* freqField = transmit ? kTransmitFreq : kReceiveFreq;
            const char* signallingField = transmit ? kTransmitSignaling : kReceiveSignaling;
            const bool narrow = record.switches.narrow;
            std::uint32_t word = kUnusedWord;
            double low = 0.0;
            double high = 0.0;
            (void)rules.GetBandEdges(transmit, low, high);
            if (side.word == kUnusedWord)
            {
                Add(FindingSeverity::Error, n, freqField, kNoFrequency);
                framesOk = false;
            }
            else if (side.mhz < low - 0.000005 || side.mhz > high + 0.000005)
            {
                Add(FindingSeverity::Error, n, freqField,
                    FormatText(kOutOfBand, CChannelRules::FormatFrequency(side.mhz).c_str(), low,
                               high, transmit ? kTransmitBand : kReceiveBand,
                               kBandNames[rules.GetModel()]));
                framesOk = false;
            }
            // A word the form would not write for the frequency it stands for:
            // a swallow count the prescaler cannot take, or bits outside N and
            // A set.
            else if (!rules.FrequencyToWord(side.mhz, transmit, narrow, word) || word != side.word)
            {
                Add(FindingSeverity::Error, n, freqField,
                    FormatText(kOffGrid, static_cast<unsigned>(side.word),
                               rules.GetStepKhz(narrow)));
                framesOk = false;
            }

            const ChannelSignalling& signalling = side.signalling;
            if (signalling.type == kSignallingCtcss && !signalling.toneValid)
            {
                Add(FindingSeverity::Error, n, signallingField,
                    FormatText(kBadCtcss, signalling.toneIndex, kCtcssCount));
            }
            else if (signalling.type == kSignallingCtcss &&
                     !IsCommonCtcssTone(CtcssTone(signalling.toneIndex)))
            {
                Add(FindingSeverity::Warning, n, signallingField,
                    FormatText(kUncommonTone, CtcssTone(signalling.toneIndex)));
            }
            else if (signalling.type == kSignallingDcs &&
                     !IsDcsCode(DcsDigitsOfValue(signalling.dcsCode)))
            {
                Add(FindingSeverity::Error, n, signallingField,
                    FormatText(
                        kBadDcs,
                        FormatDcsCode(signalling.dcsInverted ? 1 : 0, signalling.dcsCode).c_str(),
                        kDcsCount));
            }
        }

        if (framesOk)
        {
            const int stored = StoredCheckValue(image, n - 1);
            const int expected = ExpectedCheckValue(image, n - 1);
            if (stored != expected)
            {
                Add(FindingSeverity::Warning, n, kReceiveFreq,
                    FormatText(kBadCheckValue, stored, expected));
            }
            const auto [first, added] =
                receivers.emplace(KeyOf(record.rx.mhz, record.rx.signalling), n);
            if (!added)
            {
                Add(FindingSeverity::Warning, n, kReceiveFreq,
                    FormatText(kSameReceive, CChannelRules::FormatFrequency(record.rx.mhz).c_str(),
                               first->second));
            }
        }
        if (record.name.find_first_not_of(' ') == std::string::npos)
        {
            if (!record.tx.unused)
            {
                Add(FindingSeverity::Warning, n, kAlphaCharacter, kNoName);
            }
        }
        else if (const auto [first, added] = names.emplace(record.name, n); !added)
        {
            Add(FindingSeverity::Warning, n, kAlphaCharacter,
                FormatText(kSameName, record.name.c_str(), first->second));
        }
    }

    if (hasModel)
    {
        int beyond = 0;
        for (int i = capacity; i < kChannelCount; ++i)
        {
            int unused = 1;
            beyond += image.GetRxUnused(i, unused) && unused == 0 ? 1 : 0;
        }
        if (beyond > 0)
        {
            Add(FindingSeverity::Warning, kNoChannel, kChannelNumber,
                FormatText(kBeyondCapacity, beyond, capacity, capacity));
        }
    }
    CheckGroups(image, capacity, inUse);
    CheckTwoTone(image);
    std::string ani;
    if (!image.GetAniNumber(ani))
    {
        Add(FindingSeverity::Warning, kNoChannel, kAniNumber, kBadAni);
    }
    std::stable_partition(m_findings.begin(), m_findings.end(),
                          [](const Finding& finding)
                          { return finding.severity == FindingSeverity::Error; });
}

void CImageCheck::CheckGroups(const CRadioImage& image, int capacity,
                              const std::vector<bool>& inUse)
{
    std::uint8_t count = 0;
    (void)image.ReadBlock(&count, ImageMap::kGroupCount, 1); // one byte inside the image
    if (count < 1 || count > kGroupNameCount)
    {
        Add(FindingSeverity::Error, kNoChannel, kGroupCount, FormatText(kBadGroupCount, count));
        return;
    }
    const int mode = capacity > 120 ? 1 : 0;
    const CChannelGroups groups(mode, count);
    if (!IsAllowedGroupCount(mode, count))
    {
        const int covered = groups.GetChannelsPerGroup() * count;
        Add(FindingSeverity::Warning, kNoChannel, kGroupCount,
            FormatText(kUnevenGroups, count, groups.GetCapacity(), covered + 1,
                       groups.GetCapacity(), count + 1));
    }
    if (std::none_of(inUse.begin(), inUse.end(), [](bool used) { return used; }))
    {
        // Also what a file without a model comes to; its error says enough.
        if (std::none_of(m_findings.begin(), m_findings.end(),
                         [](const Finding& finding)
                         { return finding.severity == FindingSeverity::Error; }))
        {
            Add(FindingSeverity::Warning, kNoChannel, kChannelNumber, kNoChannels);
        }
        return;
    }
    std::vector<bool> groupUsed(static_cast<std::size_t>(kGroupNameCount) + 2, false);
    for (int n = 1; n < static_cast<int>(inUse.size()); ++n)
    {
        if (inUse[static_cast<std::size_t>(n)])
        {
            groupUsed[static_cast<std::size_t>(groups.GroupOfChannel(n))] = true;
        }
    }
    std::vector<int> empty;
    for (int g = 1; g <= count; ++g)
    {
        if (!groupUsed[static_cast<std::size_t>(g)])
        {
            empty.push_back(g);
        }
    }
    if (!empty.empty())
    {
        Add(FindingSeverity::Warning, kNoChannel, kGroupCount,
            FormatText(kEmptyGroups, NumberList(empty).c_str()));
    }
}

void CImageCheck::CheckTwoTone(const CRadioImage& image)
{
    int unused = 1;
    int format = 0;
    if (!image.GetTwoToneUnused(unused) || unused != 0 || !image.GetTwoToneFormat(format))
    {
        return;
    }
    // The image holds indexes up to 59 whatever the format's table holds.
    const int limit = std::min(TwoToneCount(format), 60);
    const struct
    {
        std::uint32_t offset;
        const char* field;
    } tones[3] = {
        {ImageMap::kFirstTone, k1stTone},
        {ImageMap::kSecondTone, k2ndTone},
        {ImageMap::kThirdTone, k3rdTone},
    };
    // Motorola 1+1 and Reach take each tone from a group of their pair.
    const bool grouped = GroupCodeCount(format) > 0;
    int groups[2] = {0, 0};
    (void)image.GetTwoToneGroups(groups[0], groups[1]);
    if (grouped && FindGroupCode(format, groups[0], groups[1]) < 0)
    {
        Add(FindingSeverity::Error, kNoChannel, kGroupFor1st,
            FormatText(kBadToneGroups, groups[0], groups[1], kTwoToneFormatListTexts[format]));
    }
    const int used = format == kFormatMotorola22 ? 3 : 2;
    for (int k = 0; k < used; ++k)
    {
        std::uint8_t index = 0;
        (void)image.ReadBlock(&index, tones[k].offset, 1); // one byte inside the image
        if (index >= limit)
        {
            Add(FindingSeverity::Error, kNoChannel, tones[k].field,
                FormatText(kBadTwoTone, index, limit, kTwoToneFormatListTexts[format]));
        }
        else if (grouped && TonePositionOfIndex(format, groups[k], index) < 0)
        {
            Add(FindingSeverity::Error, kNoChannel, tones[k].field,
                FormatText(kToneNotInGroup, index, groups[k]));
        }
    }
}
