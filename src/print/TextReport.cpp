// Building the report lines from a radio image, and paging them.
#include "print/TextReport.h"

// own
#include "print/PrintTexts.h"

// model
#include "model/BandTable.h"
#include "model/ChannelStore.h"
#include "model/ModelTexts.h"
#include "model/OptionTables.h"
#include "model/RadioImage.h"
#include "model/SignallingTables.h"
#include "model/Synthesizer.h"
#include "model/TextFormat.h"

// std
#include <algorithm>
#include <cstdio>

namespace
{

// A word of a value table; a value outside the table prints nothing rather than
// reading past it.
template <std::size_t N> std::string Word(const char* const (&table)[N], int value)
{
    if (value < 0 || value >= static_cast<int>(N))
    {
        return {};
    }
    return table[value];
}

template <std::size_t N> std::string Word(const std::array<const char*, N>& table, int value)
{
    if (value < 0 || value >= static_cast<int>(N))
    {
        return {};
    }
    return table[static_cast<std::size_t>(value)];
}

std::string EnableWord(int value)
{
    return Word(kEnableTexts, value);
}

// With no model chosen the reference codes read as a VHF model's (the codes'
// "any other model" rule), so the steps and the prescaler are a VHF model's
// too; the IF is left out because no band says what it is.
constexpr int kModelWithoutBand = 0;

int TableModel(int model)
{
    return FindBand(model) != nullptr ? model : kModelWithoutBand;
}

double ChannelFrequency(std::uint32_t word, bool transmit, int model, double stepKhz,
                        bool highInjection)
{
    if (FindBand(model) == nullptr)
    {
        return WordToFrequency(word, true, kModelWithoutBand, stepKhz, highInjection);
    }
    return WordToFrequency(word, transmit, model, stepKhz, highInjection);
}

// Only a tone index inside the table prints a frequency; anything else prints
// as no tone rather than a made-up 0.00 Hz.
std::string CtcssText(int index)
{
    const double tone = CtcssTone(index);
    return tone > 0.0 ? FormatText(PrintTexts::kCtcssFormat, tone) : std::string(PrintTexts::kNone);
}

enum class ToneSlot
{
    First,
    Second,
    Third
};

std::string ToneText(const CRadioImage& image, int twoToneFormat, ToneSlot slot,
                     const char* toneFormat, const char* noTone)
{
    int index = -1;
    bool valid = false;
    switch (slot)
    {
    case ToneSlot::First:
        valid = image.GetFirstToneIndex(index);
        break;
    case ToneSlot::Second:
        valid = image.GetSecondToneIndex(index);
        break;
    case ToneSlot::Third:
        valid = image.GetThirdToneIndex(index);
        break;
    }
    const double hz = valid ? TwoToneFrequency(twoToneFormat, index) : 0.0;
    return hz > 0.0 ? FormatText(toneFormat, hz) : std::string(noTone);
}

bool HasThirdTone(int format)
{
    return format == kFormatMotorola22;
}

std::string StepWord(double stepKhz)
{
    if (stepKhz == 2.5)
    {
        return PrintTexts::kStep2500;
    }
    if (stepKhz == 5.0)
    {
        return PrintTexts::kStep5000;
    }
    if (stepKhz == 6.25)
    {
        return PrintTexts::kStep6250;
    }
    if (stepKhz == 12.5)
    {
        return PrintTexts::kStep12500;
    }
    return {};
}

// Names are raw bytes from the image. A control character in one would break
// the report line on a terminal (or inject an escape sequence), so it shows as
// "." like the hex dump's character column.
std::string PrintableName(const std::string& name)
{
    std::string text = name;
    for (char& ch : text)
    {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F)
        {
            ch = '.';
        }
    }
    return text;
}

} // namespace

void CTextReport::BuildSections(const CRadioImage& image)
{
    using namespace PrintTexts;
    std::vector<std::string>& out = m_sectionLines;
    out.clear();

    // [MODEL]. With no model chosen the name is empty; the steps still follow
    // the reference codes so that the channel lines below have a grid.
    int model = -1;
    (void)image.GetModel(model);
    int wideCode = 0;
    int narrowCode = 0;
    (void)image.GetWideReferenceCode(model, wideCode);
    (void)image.GetNarrowReferenceCode(model, narrowCode);
    m_dWideStepKhz = StepKhz(TableModel(model), wideCode);
    m_dNarrowStepKhz = StepKhz(TableModel(model), narrowCode);
    std::string serial;
    std::string customer;
    (void)image.GetSerialNumber(serial);
    (void)image.GetCustomer(customer);
    int year = 0;
    int month = 0;
    int day = 0;
    (void)image.GetDate(year, month, day); // an invalid date reads as today's
    out.push_back(kModelHeader);
    const BandInfo* band = FindBand(model);
    out.push_back(std::string(kModelName) + (band != nullptr ? band->name : ""));
    out.push_back(std::string(kPllWide) + StepWord(m_dWideStepKhz) + kPllNarrow +
                  StepWord(m_dNarrowStepKhz));
    out.push_back(std::string(kSerialNumber) + serial);
    out.push_back(std::string(kCustomer) + customer);
    out.push_back(std::string(kDateMonth) + FormatText("%d,", month) + kDateDay +
                  FormatText("%d,", day) + kDateYear + FormatText("%d", year));

    // [2TONE]
    int unused = 1;
    int format = 0;
    int firstGroup = 0;
    int secondGroup = 0;
    (void)image.GetTwoToneUnused(unused);
    (void)image.GetTwoToneFormat(format);
    (void)image.GetTwoToneGroups(firstGroup, secondGroup);
    const bool u = unused == 1;
    const int code = FindGroupCode(format, firstGroup, secondGroup);
    std::string c;
    std::string g1;
    std::string g2;
    if (code == -1)
    {
        c = g1 = g2 = kNoCode;
    }
    else if (u)
    {
        c = g1 = kNoCodeUnused;
        g2 = kNoCode;
    }
    else
    {
        c = FormatText("%x,", code);
        g1 = FormatText("%x,", firstGroup);
        g2 = FormatText("%x", secondGroup);
    }
    std::string tones;
    if (u)
    {
        tones = std::string(kFirstToneNone) + kSecondToneNone;
    }
    else
    {
        tones = ToneText(image, format, ToneSlot::First, kFirstToneFormat, kFirstToneNone) +
                ToneText(image, format, ToneSlot::Second, kSecondToneFormat, kSecondToneNone);
    }
    if (!HasThirdTone(format))
    {
        tones += kThirdToneAbsent;
    }
    else if (u)
    {
        tones += kThirdToneNone;
    }
    else
    {
        tones += ToneText(image, format, ToneSlot::Third, kThirdToneFormat, kThirdToneNone);
    }
    std::string ani;
    (void)image.GetAniNumber(ani); // left empty when the field holds no valid number
    out.push_back(kTwoToneHeader);
    out.push_back(std::string(kTwoTone) + (u ? kTwoToneUnused : kTwoToneUsed));
    out.push_back(std::string(kFormatType) +
                  (u ? std::string(kNone) : Word(kTwoToneFormatReportTexts, format)));
    out.push_back(std::string(kGroupFormatCode) + c + kFirstGroup + g1 + kSecondGroup + g2);
    out.push_back(std::string(kToneFreq) + tones);
    out.push_back(std::string(kAni) + ani);

    // [OPTION]
    int v = 0;
    out.push_back(kOptionHeader);
    (void)image.GetScanType(v);
    out.push_back(std::string(kScanType) + Word(kScanTypeTexts, v));
    (void)image.GetScanHoldOnRx(v);
    out.push_back(std::string(kScanHoldOnRx) + Word(kScanHoldTexts, v));
    (void)image.GetScanHoldAfterTx(v);
    out.push_back(std::string(kScanHoldAfterTx) + Word(kScanHoldTexts, v));
    (void)image.GetScanListClear(v);
    out.push_back(std::string(kScanListClear) + Word(kScanListClearTexts, v));
    (void)image.GetScanHoldBy(v);
    out.push_back(std::string(kScanHoldBy) + Word(kScanHoldByTexts, v));
    (void)image.GetScanHoldAt(v);
    out.push_back(std::string(kScanHoldAt) + Word(kScanHoldAtTexts, v));
    (void)image.GetPriorityCycle(v);
    out.push_back(std::string(kPriorityCycle) + Word(kPriorityCycleTexts, v));
    (void)image.GetPriorityTime(v);
    out.push_back(std::string(kPriorityTime) + Word(kPriorityTimeTexts, v));
    (void)image.GetDefeatPriority2(v);
    out.push_back(std::string(kDefeatPriority2) + EnableWord(v));
    (void)image.GetDtmfTiming(v);
    int onMs = 0;
    int offMs = 0;
    (void)DtmfTimes(v, onMs, offMs);
    out.push_back(std::string(kDtmfOnTime) + FormatText(kMillisecondsFormat, onMs) + kDtmfOffTime +
                  FormatText(kMillisecondsFormat, offMs));
    (void)image.GetChannelRollOver(v);
    out.push_back(std::string(kRollOver) + EnableWord(1 - v));
    (void)image.GetTimeOutTimer(v);
    out.push_back(std::string(kTimeOut) + Word(kTimeOutTimerTexts, v));
    (void)image.GetMicOffHookScanStop(v);
    out.push_back(std::string(kMicOffHook) + EnableWord(v));
    (void)image.GetBusyLockout(v);
    out.push_back(std::string(kBusyLockout) + Word(kBusyLockoutTexts, v));
    int a = 0;
    int b = 0;
    int cc = 0;
    int d = 0;
    (void)image.GetBeeps(a, b, cc, d);
    const auto beep = [](int flag) { return Word(kBeepTexts, flag == 1 ? 1 : 0); };
    out.push_back(std::string(kBeepA) + beep(a) + kBeepComma + kBeepB + beep(b) + kBeepComma +
                  kBeepC + beep(cc) + kBeepComma + kBeepD + beep(d));

    // [ADJUST]: what the getters deliver, -1 for a byte outside its range.
    const auto level = [&image](bool (CRadioImage::*get)(int&) const)
    {
        int value = 0;
        (void)(image.*get)(value);
        return value;
    };
    out.push_back(kAdjustHeader);
    out.push_back(std::string(kTxHighPower) +
                  FormatText("%d", level(&CRadioImage::GetTxHighPowerLevel)));
    out.push_back(std::string(kTxLowPower) +
                  FormatText("%d", level(&CRadioImage::GetTxLowPowerLevel)));
    out.push_back(std::string(kTxToneLevel) +
                  FormatText("%d", level(&CRadioImage::GetTxToneLevel)));
    out.push_back(std::string(kDtmfLowTone) +
                  FormatText("%d", level(&CRadioImage::GetDtmfLowToneLevel)));
    out.push_back(std::string(kModulationSensitivity) +
                  FormatText("%d", level(&CRadioImage::GetModulationSensitivity)));
    out.push_back(std::string(kWideModulation) +
                  FormatText(kPairedValueFormat, level(&CRadioImage::GetWideModulation)) +
                  kNarrowModulation + FormatText("%d", level(&CRadioImage::GetNarrowModulation)));
    out.push_back(std::string(kSqVolume) + FormatText("%d", level(&CRadioImage::GetSqVolume)));
    out.push_back(std::string(kWideDemodulation) +
                  FormatText(kPairedValueFormat, level(&CRadioImage::GetWideDemodulation)) +
                  kNarrowDemodulation +
                  FormatText("%d", level(&CRadioImage::GetNarrowDemodulation)));
    out.push_back(kBlankLine);

    // Group lines
    m_groupLines.clear();
    const std::string blankName(static_cast<std::size_t>(kNameLength), ' ');
    for (int g = 0; g < kGroupLineCount; ++g)
    {
        std::string name;
        (void)image.GetGroupName(g, name);
        m_groupLines.push_back(std::string(kGroupNumber) + FormatText(kGroupNumberFormat, g + 1) +
                               kGroupAlpha + (name == blankName ? kNone : PrintableName(name)));
    }
    m_bSectionsBuilt = true;
}

void CTextReport::Assemble(const CRadioImage& image, std::int32_t channelMode)
{
    if (!m_bSectionsBuilt)
    {
        BuildSections(image);
    }
    m_lines = m_sectionLines;
    m_nChannelsListed = 0;
    const int channelCount = ChannelCount(channelMode);
    for (int n = 0; n < channelCount; ++n)
    {
        if (IsChannelInUse(image, n))
        {
            AppendChannelBlock(image, n);
            ++m_nChannelsListed;
        }
    }
    m_lines.insert(m_lines.end(), m_groupLines.begin(), m_groupLines.end());
}

int CTextReport::ChannelCount(std::int32_t channelMode)
{
    return channelMode != 0 ? kChannelCount : kSmallRadioChannels;
}

bool CTextReport::IsChannelInUse(const CRadioImage& image, int n)
{
    int rxUnused = 1;
    return image.GetRxUnused(n, rxUnused) && rxUnused == 0;
}

void CTextReport::Build(const CRadioImage& image, std::int32_t channelMode)
{
    BuildSections(image);
    Assemble(image, channelMode);
}

void CTextReport::AppendChannelBlock(const CRadioImage& image, int n)
{
    using namespace PrintTexts;
    int model = -1;
    (void)image.GetModel(model);
    int injection = 1;
    (void)image.GetInjection(injection);
    int wide = 1;
    (void)image.GetWide(n, wide);
    const double stepKhz = wide == 1 ? m_dWideStepKhz : m_dNarrowStepKhz;

    const auto frequency = [&](bool transmit) -> std::string
    {
        int unused = 1;
        std::uint32_t word = kUnusedWord;
        if (transmit)
        {
            (void)image.GetTxUnused(n, unused);
            (void)image.GetTxWord(n, word);
        }
        else
        {
            (void)image.GetRxUnused(n, unused);
            (void)image.GetRxWord(n, word);
        }
        if (unused == 1)
        {
            return kSideDisabled;
        }
        // Injection flag 0 is high-side injection: the IF is subtracted.
        return FormatText(kFrequencyFormat,
                          ChannelFrequency(word, transmit, model, stepKhz, injection == 0));
    };
    const auto signalling = [&](bool transmit) -> std::string
    {
        const ChannelSignalling side = ReadSignalling(image, n + 1, transmit);
        if (side.type == kSignallingNone)
        {
            return kNone;
        }
        const bool dcs = side.type == kSignallingDcs;
        std::string text = Word(kSignallingTypeWords, dcs ? 1 : 0) + kCodeArrow;
        if (dcs)
        {
            return text + FormatText(side.dcsInverted ? kDcsInvertedFormat : kDcsFormat,
                                     static_cast<unsigned>(side.dcsCode));
        }
        return text + CtcssText(side.toneValid ? side.toneIndex : -1);
    };

    int v = 0;
    std::string name;
    (void)image.GetChannelName(n, name);
    m_lines.push_back(kChannelHeader);
    m_lines.push_back(std::string(kChannelNumber) + FormatText(kChannelNumberFormat, n + 1));
    m_lines.push_back(std::string(kChannelAlpha) + PrintableName(name));
    m_lines.push_back(std::string(kWideNarrow) + (wide == 1 ? kWide : kNarrow));
    m_lines.push_back(std::string(kRxFreq) + frequency(false));
    m_lines.push_back(std::string(kRxSignalling) + signalling(false));
    m_lines.push_back(std::string(kTxFreq) + frequency(true));
    m_lines.push_back(std::string(kTxSignalling) + signalling(true));
    (void)image.GetTxPower(n, v);
    m_lines.push_back(std::string(kTxPower) + (v == 1 ? kPowerNormal : kPowerReduced));
    int dtone = 1;
    (void)image.GetCompander(n, v);
    (void)image.GetDTone(n, dtone);
    m_lines.push_back(std::string(kCompand) + EnableWord(v) + kDTone + EnableWord(dtone));
    (void)image.GetAniEnable(n, v);
    m_lines.push_back(std::string(kChannelAni) + EnableWord(v));
    int groupB = 1;
    (void)image.GetScanGroupA(n, v);
    (void)image.GetScanGroupB(n, groupB);
    m_lines.push_back(std::string(kScanGroupA) + (v == 1 ? kScanGroupUnused : kScanGroupUsed) +
                      kScanGroupB + (groupB == 1 ? kScanGroupUnused : kScanGroupUsed));
    (void)image.GetAuxData(n, v);
    m_lines.push_back(std::string(kAuxData) + FormatText("%d", v));
    m_lines.push_back(kBlankLine);
}

int CTextReport::PageCount(const CPageGeometry& geometry) const
{
    const int total = static_cast<int>(m_lines.size());
    if (total == 0)
    {
        return 1; // an empty report still prints its title and page number
    }
    const int perPage = std::min(geometry.GetLinesPerPage(), total);
    return (total + perPage - 1) / perPage;
}

bool CTextReport::GetPageLines(const CPageGeometry& geometry, int page, int& firstLineOut,
                               int& lineCountOut) const
{
    if (page < 1 || page > PageCount(geometry))
    {
        return false;
    }
    const int total = static_cast<int>(m_lines.size());
    const int perPage = geometry.GetLinesPerPage();
    firstLineOut = std::min((page - 1) * perPage, total);
    lineCountOut = std::min(perPage, total - firstLineOut);
    return true;
}

bool CTextReport::LayOutPage(const CPageGeometry& geometry, int page, const std::string& title,
                             CPageLayout& layoutOut) const
{
    int first = 0;
    int count = 0;
    if (!GetPageLines(geometry, page, first, count))
    {
        return false;
    }
    const int total = static_cast<int>(m_lines.size());
    const int pageCount = PageCount(geometry);
    const int x0 = geometry.GetLeftMargin();

    layoutOut.Clear();
    layoutOut.SetPage(page, pageCount);
    layoutOut.AddText(PageTextRole::Title, x0, geometry.TitleY(), title);
    for (int i = 0; i < count; ++i)
    {
        layoutOut.AddText(PageTextRole::Body, x0, geometry.LineY(i),
                          m_lines[static_cast<std::size_t>(first + i)]);
    }
    // Below a full page, or below the whole report when it is shorter.
    const int linesOnFullPage = std::min(geometry.GetLinesPerPage(), total);
    layoutOut.AddText(PageTextRole::PageNumber, geometry.PageNumberX(),
                      geometry.PageNumberY(linesOnFullPage),
                      CPageLayout::PageNumberText(page, pageCount));
    return true;
}
