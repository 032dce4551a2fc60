// Field-by-field comparison of two radio images.
#include "model/ImageDiff.h"
#include "model/ChannelStore.h"

// model
#include "model/ChannelRules.h"
#include "model/DcsCodeText.h"
#include "model/ModelTexts.h"
#include "model/OptionTables.h"
#include "model/PlanTexts.h"
#include "model/SignallingTables.h"
#include "model/TextFormat.h"

// std
#include <algorithm>
#include <cstdio>

namespace
{
// A text as it is stored, in quotes, with any byte that is not printable ASCII
// written as \xNN so that blanks and odd bytes show.
std::string Quoted(const std::string& text)
{
    return "\"" + EscapeBytes(text, "\"\\") + "\"";
}

std::string FromTable(const char* const* table, int count, int value)
{
    return value >= 0 && value < count ? std::string(table[value]) : std::to_string(value);
}

// The lowest set bit's position of a mask.
int Shift(std::uint8_t mask)
{
    int shift = 0;
    while (shift < 8 && (mask & (1U << shift)) == 0)
    {
        ++shift;
    }
    return shift;
}

std::string Step(const std::uint8_t* bytes)
{
    const int divider = ((bytes[0] & 0x3F) << 8) | bytes[1];
    if (divider == 0)
    {
        return FormatText(PlanTexts::kDivider, divider);
    }
    return FormatText(PlanTexts::kKhz, 12800.0 / divider);
}

std::string SignedWord(const std::uint8_t* bytes)
{
    const int word = (bytes[0] << 8) | bytes[1];
    return std::to_string(word >= 0x8000 ? word - 0x10000 : word);
}

// Each nibble as the hex-nibble code shows it, except that 15 is a blank.
std::string Nibbles(const std::uint8_t* bytes, int count, bool dtmf)
{
    std::string text;
    for (int k = 0; k < count; ++k)
    {
        const int nibble = k % 2 == 0 ? bytes[k / 2] >> 4 : bytes[k / 2] & 0x0F;
        if (nibble == 15)
        {
            text += ' ';
        }
        else if (dtmf && nibble == 10)
        {
            text += '#';
        }
        else if (dtmf && nibble == 11)
        {
            text += '*';
        }
        else
        {
            text += "0123456789ABCDEF"[nibble];
        }
    }
    return text;
}

std::string Date(const std::uint8_t* bytes)
{
    const std::string digits = Nibbles(bytes, 8, false);
    return digits.substr(0, 4) + "-" + digits.substr(4, 2) + "-" + digits.substr(6, 2);
}

std::string Flag(int bit, const char* whenZero, const char* whenOne)
{
    return bit == 0 ? whenZero : whenOne;
}

std::string Frequency(const CRadioImage& image, const CChannelRules& rules, int i, bool transmit)
{
    int unused = 1;
    std::uint32_t word = kUnusedWord;
    int wide = 1;
    (void)(transmit ? image.GetTxUnused(i, unused) : image.GetRxUnused(i, unused));
    (void)(transmit ? image.GetTxWord(i, word) : image.GetRxWord(i, word));
    (void)image.GetWide(i, wide);
    if (unused == 1)
    {
        return PlanTexts::kUnused;
    }
    double mhz = 0.0;
    if (!rules.WordToFrequency(word, transmit, wide == 0, mhz))
    {
        return FormatText(PlanTexts::kWord, word);
    }
    return CChannelRules::FormatFrequency(mhz);
}

std::string Signalling(const CRadioImage& image, int i, bool transmit)
{
    const ChannelSignalling side = ReadSignalling(image, i + 1, transmit);
    switch (side.type)
    {
    case kSignallingDcs:
        return FormatText(PlanTexts::kDcs,
                          FormatDcsCode(side.dcsInverted ? 1 : 0, side.dcsCode).c_str());
    case kSignallingCtcss:
        return side.toneValid ? FormatText(PlanTexts::kCtcss, CtcssTone(side.toneIndex))
                              : FormatText(PlanTexts::kCtcssIndex, side.toneIndex);
    default:
        return PlanTexts::kNone;
    }
}

std::string Binary(int value)
{
    std::string bits;
    for (int bit = 7; bit >= 0; --bit)
    {
        bits += (value >> bit) & 1 ? '1' : '0';
    }
    return bits;
}
} // namespace

void CImageDiff::Compare(const CRadioImage& a, int capacityA, const CRadioImage& b, int capacityB)
{
    m_pA = &a;
    m_pB = &b;
    m_bytesA.assign(kImageSize, 0);
    m_bytesB.assign(kImageSize, 0);
    (void)a.ReadBlock(m_bytesA.data(), 0, kImageSize);
    (void)b.ReadBlock(m_bytesB.data(), 0, kImageSize);
    m_explained.assign(kImageSize, 0);
    m_lines.clear();
    m_entries.clear();
    // Without a model the rules hold no band; frequencies then show as words.
    (void)m_rulesA.LoadFromImage(a);
    (void)m_rulesB.LoadFromImage(b);

    m_eForm = DiffForm::Option;
    Field(PlanTexts::kCapacity, std::to_string(capacityA), std::to_string(capacityB), {});
    m_eForm = DiffForm::Model;
    CompareHeader();
    CompareOptions();
    // The Channel form edits the group names beside the channels.
    m_eForm = DiffForm::Channel;
    CompareGroupNames();
    for (int i = 0; i < kChannelCount; ++i)
    {
        CompareChannel(i);
    }
    m_eForm = DiffForm::Manual;
    CompareRemainingBytes();
    m_pA = nullptr;
    m_pB = nullptr;
}

void CImageDiff::Add(const std::string& label, const std::string& a, const std::string& b)
{
    m_lines.push_back(label + " " + a + PlanTexts::kArrow + b);
    m_entries.push_back(DiffEntry{m_eForm, label, a, b});
}

void CImageDiff::Field(const std::string& label, const std::string& a, const std::string& b,
                       std::initializer_list<Bits> bits)
{
    if (a == b)
    {
        return;
    }
    Add(label, a, b);
    for (const Bits& field : bits)
    {
        m_explained[field.offset] |= field.mask;
    }
}

void CImageDiff::CompareHeader()
{
    using namespace PlanTexts;
    const std::uint8_t* a = m_bytesA.data();
    const std::uint8_t* b = m_bytesB.data();
    Field(kSerialNumber, Quoted(Nibbles(a, 8, false)), Quoted(Nibbles(b, 8, false)),
          {{0, 0xFF}, {1, 0xFF}, {2, 0xFF}, {3, 0xFF}});
    Field(kCustomer, Quoted(Nibbles(a + 4, 10, false)), Quoted(Nibbles(b + 4, 10, false)),
          {{4, 0xFF}, {5, 0xFF}, {6, 0xFF}, {7, 0xFF}, {8, 0xFF}});
    Field(kDate, Date(a + 9), Date(b + 9), {{9, 0xFF}, {10, 0xFF}, {11, 0xFF}, {12, 0xFF}});
    const auto model = [](int value)
    { return value == 0xFF ? std::string(kNone) : FromTable(kBandNames, 14, value); };
    Field(kModel, model(a[ImageMap::kModel]), model(b[ImageMap::kModel]),
          {{ImageMap::kModel, 0xFF}});
    Field(kWideStep, Step(a + ImageMap::kWideRef), Step(b + ImageMap::kWideRef),
          {{ImageMap::kWideRef, 0x3F}, {ImageMap::kWideRef + 1, 0xFF}});
    Field(kNarrowStep, Step(a + ImageMap::kNarrowRef), Step(b + ImageMap::kNarrowRef),
          {{ImageMap::kNarrowRef, 0x3F}, {ImageMap::kNarrowRef + 1, 0xFF}});
    Field(kWideIf, SignedWord(a + ImageMap::kWideIf), SignedWord(b + ImageMap::kWideIf),
          {{ImageMap::kWideIf, 0xFF}, {ImageMap::kWideIf + 1, 0xFF}});
    Field(kNarrowIf, SignedWord(a + ImageMap::kNarrowIf), SignedWord(b + ImageMap::kNarrowIf),
          {{ImageMap::kNarrowIf, 0xFF}, {ImageMap::kNarrowIf + 1, 0xFF}});
}

void CImageDiff::CompareOptions()
{
    using namespace PlanTexts;
    static const char* const kRollOverTexts[2] = {kDisabled, kEnabled};
    static const char* const kEnabledAtZero[2] = {kEnabled, kDisabled};
    static const char* const kTwoToneTexts[2] = {kUsed, kUnused};
    struct Option
    {
        std::string label;
        std::uint32_t offset;
        std::uint8_t mask;
        const char* const* texts; // nullptr: the number itself
        int count;
        DiffForm form = DiffForm::Option;
    };
    const Option options[] = {
        {kScanHoldOnRx, ImageMap::kScanHold, 0xC0, kScanHoldTexts, 4},
        {kScanHoldAfterTx, ImageMap::kScanHold, 0x30, kScanHoldTexts, 4},
        {kScanListClear, ImageMap::kScan, 0xC0, kScanListClearTexts, 4},
        {kScanHoldBy, ImageMap::kScan, 0x20, kScanHoldByTexts, 2},
        {kScanHoldAt, ImageMap::kScan, 0x10, kScanHoldAtTexts, 2},
        {kScanType, ImageMap::kScan, 0x0C, kScanTypeTexts, 4},
        {kRollOver, ImageMap::kScan, 0x02, kRollOverTexts, 2},
        {kPriorityCycle, ImageMap::kScan, 0x01, kPriorityCycleTexts, 2},
        {kInjection, ImageMap::kInjBeep, 0x10, kInjectionTexts, 2, DiffForm::Model},
        {FormatText(kBeep, 'A'), ImageMap::kInjBeep, 0x08, kBeepTexts, 2},
        {FormatText(kBeep, 'B'), ImageMap::kInjBeep, 0x04, kBeepTexts, 2},
        {FormatText(kBeep, 'C'), ImageMap::kInjBeep, 0x02, kBeepTexts, 2},
        {FormatText(kBeep, 'D'), ImageMap::kInjBeep, 0x01, kBeepTexts, 2},
        {kPriorityTime, ImageMap::kTwoTone, 0xC0, kPriorityTimeTexts, 4},
        {kTwoTone, ImageMap::kTwoTone, 0x20, kTwoToneTexts, 2, DiffForm::TwoTone},
        {kTwoToneFormat, ImageMap::kTwoTone, 0x18, kTwoToneFormatReportTexts, 4, DiffForm::TwoTone},
        {kDtmfTiming, ImageMap::kTwoTone, 0x07, nullptr, 0},
        {kBusyLockout, ImageMap::kLockout, 0xC0, kBusyLockoutTexts, 4},
        {kTimeOut, ImageMap::kLockout, 0x38, kTimeOutTimerTexts, 8},
        {kScanStop, ImageMap::kLockout, 0x04, kEnabledAtZero, 2},
        {kDefeatPriority2, ImageMap::kPriority2, 0x80, kEnabledAtZero, 2},
        {kFirstToneGroup, ImageMap::kToneGroups, 0xF0, nullptr, 0, DiffForm::TwoTone},
        {kSecondToneGroup, ImageMap::kToneGroups, 0x0F, nullptr, 0, DiffForm::TwoTone},
        {kFirstTone, ImageMap::kFirstTone, 0xFF, nullptr, 0, DiffForm::TwoTone},
        {kSecondTone, ImageMap::kSecondTone, 0xFF, nullptr, 0, DiffForm::TwoTone},
        {kThirdTone, ImageMap::kThirdTone, 0xFF, nullptr, 0, DiffForm::TwoTone},
        {kGroupCount, ImageMap::kGroupCount, 0xFF, nullptr, 0},
    };
    for (const Option& option : options)
    {
        const int shift = Shift(option.mask);
        const int a = (m_bytesA[option.offset] & option.mask) >> shift;
        const int b = (m_bytesB[option.offset] & option.mask) >> shift;
        std::string textA = std::to_string(a);
        std::string textB = std::to_string(b);
        if (option.texts != nullptr)
        {
            textA = FromTable(option.texts, option.count, a);
            textB = FromTable(option.texts, option.count, b);
        }
        else if (option.offset == ImageMap::kTwoTone)
        {
            int on = 0;
            int off = 0;
            textA = DtmfTimes(a, on, off) ? FormatText(kDtmfTimes, on, off) : textA;
            textB = DtmfTimes(b, on, off) ? FormatText(kDtmfTimes, on, off) : textB;
        }
        m_eForm = option.form;
        Field(option.label, textA, textB, {{option.offset, option.mask}});
    }
    m_eForm = DiffForm::TwoTone;
    const std::uint8_t* a = m_bytesA.data() + ImageMap::kAni;
    const std::uint8_t* b = m_bytesB.data() + ImageMap::kAni;
    Field(kAni, Quoted(Nibbles(a, 10, true)), Quoted(Nibbles(b, 10, true)),
          {{ImageMap::kAni, 0xFF},
           {ImageMap::kAni + 1, 0xFF},
           {ImageMap::kAni + 2, 0xFF},
           {ImageMap::kAni + 3, 0xFF},
           {ImageMap::kAni + 4, 0xFF}});
    // Each level through its own getter, as the report shows it (-1 for a
    // byte outside its range); bits the getter does not read are left to the
    // address lines.
    using Getter = bool (CRadioImage::*)(int&) const;
    const struct
    {
        Getter get;
        std::uint8_t mask;
    } levels[10] = {
        {&CRadioImage::GetTxHighPowerLevel, 0xFF}, {&CRadioImage::GetTxLowPowerLevel, 0xFF},
        {&CRadioImage::GetSqVolume, 0xFF},         {&CRadioImage::GetTxToneLevel, 0xFF},
        {&CRadioImage::GetDtmfLowToneLevel, 0xFF}, {&CRadioImage::GetModulationSensitivity, 0xFF},
        {&CRadioImage::GetWideModulation, 0x1F},   {&CRadioImage::GetNarrowModulation, 0x1F},
        {&CRadioImage::GetWideDemodulation, 0x0F}, {&CRadioImage::GetNarrowDemodulation, 0x0F},
    };
    const auto level = [](const CRadioImage& image, Getter get)
    {
        int value = -1;
        if (!(image.*get)(value))
        {
            value = -1;
        }
        return std::to_string(value);
    };
    m_eForm = DiffForm::Adjust;
    for (int k = 0; k < 10; ++k)
    {
        const std::uint32_t offset = ImageMap::kAlignment + static_cast<std::uint32_t>(k);
        Field(kAlignmentLabels[k], level(*m_pA, levels[k].get), level(*m_pB, levels[k].get),
              {{offset, levels[k].mask}});
    }
}

void CImageDiff::CompareGroupNames()
{
    for (int g = 0; g < kGroupNameCount; ++g)
    {
        std::string a;
        std::string b;
        (void)m_pA->GetGroupName(g, a);
        (void)m_pB->GetGroupName(g, b);
        const std::uint32_t offset =
            ImageMap::kGroupNames + static_cast<std::uint32_t>(g * kNameLength);
        if (a == b)
        {
            continue;
        }
        Field(FormatText(PlanTexts::kGroupName, g + 1), Quoted(a), Quoted(b), {});
        // Only the bytes up to the end of the longer text: what follows a NUL
        // shows nowhere and stays for the address lines.
        const std::size_t used =
            std::min<std::size_t>(std::max(a.size(), b.size()) + 1, kNameLength);
        for (std::size_t k = 0; k < used; ++k)
        {
            m_explained[offset + k] = 0xFF;
        }
    }
}

void CImageDiff::CompareChannel(int i)
{
    using namespace PlanTexts;
    const CRadioImage& a = *m_pA;
    const CRadioImage& b = *m_pB;
    const CChannelRules& rulesA = m_rulesA;
    const CChannelRules& rulesB = m_rulesB;
    const std::uint32_t base =
        ImageMap::kChannels + static_cast<std::uint32_t>(i * kChannelRecordSize);
    const std::string prefix = FormatText(kChannel, i + 1);

    std::string nameA;
    std::string nameB;
    (void)a.GetChannelName(i, nameA);
    (void)b.GetChannelName(i, nameB);
    if (nameA != nameB)
    {
        Field(prefix + kChannelName, Quoted(nameA), Quoted(nameB), {});
        const std::size_t used =
            std::min<std::size_t>(std::max(nameA.size(), nameB.size()) + 1, kNameLength);
        for (std::size_t k = 0; k < used; ++k)
        {
            m_explained[base + 11 + k] = 0xFF;
        }
    }
    Field(prefix + kRxFrequency, Frequency(a, rulesA, i, false), Frequency(b, rulesB, i, false),
          {{base + 1, 0x0F}, {base + 2, 0xFF}, {base + 3, 0xFF}});
    Field(prefix + kRxSignalling, Signalling(a, i, false), Signalling(b, i, false),
          {{base, 0xFF}, {base + 1, 0xF0}});
    Field(prefix + kTxFrequency, Frequency(a, rulesA, i, true), Frequency(b, rulesB, i, true),
          {{base + 5, 0x0F}, {base + 6, 0xFF}, {base + 7, 0xFF}});
    Field(prefix + kTxSignalling, Signalling(a, i, true), Signalling(b, i, true),
          {{base + 4, 0xFF}, {base + 5, 0xF0}});

    const int switchesA = m_bytesA[base + 8];
    const int switchesB = m_bytesB[base + 8];
    const struct
    {
        const char* label;
        std::uint8_t mask;
        const char* whenZero;
        const char* whenOne;
    } switches[] = {
        {kBandwidth, 0x04, kNarrow, kWide},       {kPower, 0x80, kReducedPower, kNormalPower},
        {kScrambler, 0x40, kEnabled, kDisabled},  {kCompander, 0x08, kEnabled, kDisabled},
        {kDTone, 0x02, kEnabled, kDisabled},      {kAniSwitch, 0x01, kEnabled, kDisabled},
        {kScanGroupA, 0x20, kMember, kNotMember}, {kScanGroupB, 0x10, kMember, kNotMember},
    };
    for (const auto& entry : switches)
    {
        Field(prefix + entry.label, Flag(switchesA & entry.mask, entry.whenZero, entry.whenOne),
              Flag(switchesB & entry.mask, entry.whenZero, entry.whenOne),
              {{base + 8, entry.mask}});
    }
    Field(prefix + kCheckValue, std::to_string(m_bytesA[base + 9]),
          std::to_string(m_bytesB[base + 9]), {{base + 9, 0xFF}});
    Field(prefix + kAuxBits, Binary(m_bytesA[base + 10]), Binary(m_bytesB[base + 10]),
          {{base + 10, 0xFF}});
}

void CImageDiff::CompareRemainingBytes()
{
    for (std::uint32_t address = 0; address < kImageSize; ++address)
    {
        const int differing = m_bytesA[address] ^ m_bytesB[address];
        if ((differing & ~m_explained[address]) != 0)
        {
            Add(FormatText(PlanTexts::kAddress, address),
                FormatText(PlanTexts::kByte, m_bytesA[address]),
                FormatText(PlanTexts::kByte, m_bytesB[address]));
        }
    }
}
