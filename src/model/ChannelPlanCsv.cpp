// CSV channel plans: the mapping between channel records and rows.
#include "model/ChannelPlanCsv.h"

// model
#include "model/ChannelCheck.h"
#include "model/ChannelNames.h"
#include "model/ChannelRules.h"
#include "model/ChannelStore.h"
#include "model/ChannelTexts.h"
#include "model/CsvTable.h"
#include "model/PlanTexts.h"
#include "model/RadioImage.h"
#include "model/SignallingTables.h"
#include "model/TextFormat.h"
#include "model/TextReaders.h"

// std
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <optional>

namespace
{
// Column names, as the other tools spell them.
constexpr char kLocation[] = "Location";
constexpr char kName[] = "Name";
constexpr char kFrequency[] = "Frequency";
constexpr char kDuplex[] = "Duplex";
constexpr char kOffset[] = "Offset";
constexpr char kTone[] = "Tone";
constexpr char kRTone[] = "rToneFreq";
constexpr char kCTone[] = "cToneFreq";
constexpr char kDtcsCode[] = "DtcsCode";
constexpr char kDtcsPolarity[] = "DtcsPolarity";
constexpr char kRxDtcsCode[] = "RxDtcsCode";
constexpr char kCrossMode[] = "CrossMode";
constexpr char kMode[] = "Mode";
constexpr char kTStep[] = "TStep";
constexpr char kSkip[] = "Skip";
constexpr char kPower[] = "Power";
constexpr char kComment[] = "Comment";

// What a column holds when the channel does not use it, as the other tools
// fill it.
constexpr char kDefaultTone[] = "88.5";
constexpr char kDefaultCode[] = "023";
constexpr char kDefaultPolarity[] = "NN";
constexpr char kDefaultCross[] = "Tone->Tone";

constexpr long long kHzPerMhz = 1000000;

// A stored name may hold any byte. In the file every byte that is not
// printable ASCII, and the backslash that starts the escape, is written as
// \xNN, so that no name can drive the terminal the file is shown on; a
// name the radio can hold never needs it.
std::string EscapeName(std::string_view name)
{
    return EscapeBytes(name, "\\");
}

std::string UnescapeName(std::string_view text)
{
    const auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    std::string name;
    for (std::size_t k = 0; k < text.size(); ++k)
    {
        if (text[k] == '\\' && k + 3 < text.size() && text[k + 1] == 'x' && hex(text[k + 2]) &&
            hex(text[k + 3]))
        {
            name += static_cast<char>(std::stoi(std::string(text.substr(k + 2, 2)), nullptr, 16));
            k += 3;
        }
        else
        {
            name += text[k];
        }
    }
    return name;
}

std::string Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
    {
        if (c >= 'A' && c <= 'Z')
        {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

// A frequency in MHz as whole hertz: digits with an optional fraction whose
// digits past the sixth are zeros. Whole hertz keep duplex sums exact.
bool ReadHz(std::string_view text, long long& hzOut)
{
    const std::string number = Trim(text);
    const std::size_t point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : number.substr(point + 1);
    const auto digits = [](const std::string& part)
    { return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }); };
    if ((whole.empty() && fraction.empty()) || !digits(whole) || !digits(fraction) ||
        whole.size() > 6)
    {
        return false;
    }
    long long hz = 0;
    for (const char c : whole)
    {
        hz = hz * 10 + (c - '0');
    }
    for (std::size_t k = 0; k < 6; ++k)
    {
        hz = hz * 10 + (k < fraction.size() ? fraction[k] - '0' : 0);
    }
    if (fraction.size() > 6 && fraction.find_first_not_of('0', 6) != std::string::npos)
    {
        return false;
    }
    hzOut = hz;
    return true;
}

std::string HzText(long long hz)
{
    return FormatText("%lld.%06lld", hz / kHzPerMhz, hz % kHzPerMhz);
}

// The CTCSS index of a tone written in hertz with at most two decimals.
bool ReadTone(std::string_view text, int& indexOut)
{
    long long hz = 0;
    const std::string tone = Trim(text);
    const std::size_t point = tone.find('.');
    if (point != std::string::npos && tone.size() - point - 1 > 2)
    {
        return false;
    }
    // As hertz, the tone's hundredths are the "MHz" reader's ten-thousandths.
    if (!ReadHz(tone, hz))
    {
        return false;
    }
    for (int index = 0; index < kCtcssCount; ++index)
    {
        if (std::llround(kCtcssTones[index] * kHzPerMhz) == hz)
        {
            indexOut = index;
            return true;
        }
    }
    return false;
}

std::string ToneText(int index)
{
    return index >= 0 && index < kCtcssCount ? FormatText("%.1f", kCtcssTones[index])
                                             : std::to_string(index);
}

std::string CodeText(int code)
{
    const int digits = DcsDigitsOfValue(code);
    return digits < 0 ? std::to_string(code) : FormatText("%03d", digits);
}

// The tone columns of a channel: Tone, rToneFreq, cToneFreq, DtcsCode,
// DtcsPolarity, RxDtcsCode, CrossMode.
std::vector<std::string> ToneColumns(const ChannelSignalling& tx, const ChannelSignalling& rx)
{
    std::string mode;
    std::string rTone = kDefaultTone;
    std::string cTone = kDefaultTone;
    std::string code = kDefaultCode;
    std::string rxCode = kDefaultCode;
    std::string cross = kDefaultCross;
    const char txPolarity = tx.type == kSignallingDcs && tx.dcsInverted ? 'R' : 'N';
    const char rxPolarity = rx.type == kSignallingDcs && rx.dcsInverted ? 'R' : 'N';
    const bool txTone = tx.type == kSignallingCtcss;
    const bool rxTone = rx.type == kSignallingCtcss;
    const bool txDcs = tx.type == kSignallingDcs;
    const bool rxDcs = rx.type == kSignallingDcs;
    if (txTone)
    {
        rTone = ToneText(tx.toneIndex);
    }
    if (rxTone)
    {
        cTone = ToneText(rx.toneIndex);
    }
    if (txDcs)
    {
        code = CodeText(tx.dcsCode);
        rxCode = code;
    }
    if (rxDcs)
    {
        rxCode = CodeText(rx.dcsCode);
        // Readers that take the receive code from DtcsCode get it there too.
        code = txDcs ? code : rxCode;
    }
    if (tx.type == kSignallingNone && rx.type == kSignallingNone)
    {
        mode = "";
    }
    else if (txTone && rx.type == kSignallingNone)
    {
        mode = "Tone";
    }
    else if (txTone && rxTone && tx.toneIndex == rx.toneIndex)
    {
        mode = "TSQL";
        rTone = cTone;
    }
    else if (txDcs && rxDcs && tx.dcsCode == rx.dcsCode)
    {
        mode = "DTCS";
    }
    else
    {
        mode = "Cross";
        const auto kind = [](const ChannelSignalling& side)
        {
            return side.type == kSignallingCtcss ? std::string("Tone")
                   : side.type == kSignallingDcs ? std::string("DTCS")
                                                 : std::string();
        };
        cross = kind(tx) + "->" + kind(rx);
    }
    return {mode, rTone, cTone, code, std::string{txPolarity, rxPolarity}, rxCode, cross};
}

std::string CommentText(const ChannelSwitches& switches)
{
    std::string items;
    const auto add = [&items](bool on, const char* item)
    {
        if (on)
        {
            items += items.empty() ? "" : " ";
            items += item;
        }
    };
    add(switches.compander, "compander");
    add(switches.dtone, "dtone");
    add(switches.ani, "ani");
    add(switches.scanGroupB, "scanB");
    add(switches.scrambler, "scrambler");
    if (switches.auxData != 255)
    {
        std::string bits = "aux=";
        for (int bit = 7; bit >= 0; --bit)
        {
            bits += (switches.auxData >> bit) & 1 ? '1' : '0';
        }
        add(true, bits.c_str());
    }
    return items.empty() ? std::string() : "{" + items + "}";
}

// ---- import -----------------------------------------------------------------

struct Columns
{
    std::map<std::string, std::size_t> index; // by lower-case name

    std::optional<std::size_t> Find(const char* name) const
    {
        const auto found = index.find(Lower(name));
        return found == index.end() ? std::nullopt : std::optional<std::size_t>(found->second);
    }
};

class CRowReader
{
public:
    CRowReader(const Columns& columns, const CsvRow& row) : m_columns(columns), m_row(row) {}

    bool Has(const char* column) const { return m_columns.Find(column).has_value(); }

    // The field as written; empty when the column or the field is missing.
    std::string Raw(const char* column) const
    {
        const auto k = m_columns.Find(column);
        return k && *k < m_row.fields.size() ? m_row.fields[*k] : std::string();
    }
    std::string Get(const char* column) const { return Trim(Raw(column)); }

private:
    const Columns& m_columns;
    const CsvRow& m_row;
};

// One side of a row's signalling and the column its value came from.
struct SideSource
{
    ChannelSideEntry entry;
    const char* column = kTone;
};

struct RowResult
{
    ChannelEntry entry;
    ChannelSwitches switches;
    SideSource rx;
    SideSource tx;
    const char* txColumn = kDuplex;
};

class CRowImport
{
public:
    CRowImport(const CRowReader& row, int line, std::vector<PlanProblem>& problems)
        : m_row(row), m_nLine(line), m_problems(problems)
    {
    }

    bool Fail(const char* column, const std::string& reason)
    {
        m_problems.push_back(PlanProblem{m_nLine, column, reason});
        return false;
    }

    bool Read(int capacity, RowResult& out)
    {
        using namespace PlanTexts;
        const std::string location = m_row.Get(kLocation);
        int channel = 0;
        if (!ReadInteger(location, channel) || channel < 1 || channel > capacity)
        {
            return Fail(kLocation, FormatText(kNotAChannel, location.c_str(), capacity));
        }
        out.entry.channel = channel;
        out.entry.name = UnescapeName(m_row.Raw(kName));

        const std::string mode = Lower(m_row.Get(kMode));
        if (mode != "" && mode != "fm" && mode != "nfm")
        {
            return Fail(kMode, FormatText(kBadMode, m_row.Get(kMode).c_str()));
        }
        out.entry.narrow = mode == "nfm";
        out.switches.narrow = out.entry.narrow;

        long long rxHz = 0;
        if (!ReadHz(m_row.Get(kFrequency), rxHz))
        {
            return Fail(kFrequency, FormatText(kWithValue, ChannelTexts::kNotANumber,
                                               m_row.Get(kFrequency).c_str()));
        }
        out.entry.rx.frequencyText = HzText(rxHz);
        if (!ReadTransmit(rxHz, out))
        {
            return false;
        }
        return ReadSignalling(out) && ReadSwitches(out.switches);
    }

private:
    bool ReadTransmit(long long rxHz, RowResult& out)
    {
        using namespace PlanTexts;
        const std::string duplex = Lower(m_row.Get(kDuplex));
        long long offset = 0;
        const bool needsOffset = duplex == "+" || duplex == "-" || duplex == "split";
        if (needsOffset && !ReadHz(m_row.Get(kOffset), offset))
        {
            return Fail(kOffset, FormatText(kWithValue, ChannelTexts::kNotANumber,
                                            m_row.Get(kOffset).c_str()));
        }
        long long txHz = rxHz;
        if (duplex == "+")
        {
            txHz = rxHz + offset;
        }
        else if (duplex == "-")
        {
            txHz = rxHz - offset;
        }
        else if (duplex == "split")
        {
            txHz = offset;
        }
        else if (duplex == "off")
        {
            txHz = 0;
        }
        else if (!duplex.empty())
        {
            return Fail(kDuplex, FormatText(kBadDuplex, m_row.Get(kDuplex).c_str()));
        }
        out.txColumn = needsOffset ? kOffset : kDuplex;
        if (txHz < 0 || (duplex != "off" && txHz == 0))
        {
            return Fail(out.txColumn, ChannelTexts::kTxFrequencyError);
        }
        out.entry.tx.frequencyText = txHz == 0 ? "0" : HzText(txHz);
        return true;
    }

    // A CTCSS side from a tone column.
    bool ToneSide(const char* column, bool transmit, SideSource& side)
    {
        int index = 0;
        if (!ReadTone(m_row.Get(column), index))
        {
            return Fail(column, FormatText(PlanTexts::kBadTone,
                                           transmit ? ChannelTexts::kTxSignallingError
                                                    : ChannelTexts::kRxSignallingError,
                                           m_row.Get(column).c_str()));
        }
        side.entry.signallingType = kSignallingCtcss;
        side.entry.toneIndex = index;
        side.column = column;
        return true;
    }

    // A DCS side; the code is checked with the other entries.
    void DcsSide(const char* column, char polarity, SideSource& side) const
    {
        side.entry.signallingType = kSignallingDcs;
        side.entry.dcsText = (polarity == 'R' ? "-" : "") + m_row.Get(column);
        side.column = column;
    }

    bool ReadSignalling(RowResult& out)
    {
        using namespace PlanTexts;
        const std::string mode = m_row.Get(kTone);
        std::string polarity = m_row.Get(kDtcsPolarity);
        polarity = polarity.empty() ? kDefaultPolarity : polarity;
        if (polarity.size() != 2 || (polarity[0] != 'N' && polarity[0] != 'R') ||
            (polarity[1] != 'N' && polarity[1] != 'R'))
        {
            return Fail(kDtcsPolarity, FormatText(kBadPolarity, polarity.c_str()));
        }
        // The receive code of a cross mode sits in RxDtcsCode where the file
        // has that column, as newer files do.
        const char* rxCodeColumn = m_row.Has(kRxDtcsCode) ? kRxDtcsCode : kDtcsCode;
        bool ok = true;
        if (mode == "Tone")
        {
            ok = ToneSide(kRTone, true, out.tx);
        }
        else if (mode == "TSQL")
        {
            ok = ToneSide(kCTone, true, out.tx) && ToneSide(kCTone, false, out.rx);
        }
        else if (mode == "DTCS")
        {
            DcsSide(kDtcsCode, polarity[0], out.tx);
            DcsSide(kDtcsCode, polarity[1], out.rx);
        }
        else if (mode == "Cross")
        {
            // Files from before the CrossMode column meant Tone->Tone by Cross,
            // as their writer reads them back.
            const std::string cross = m_row.Has(kCrossMode) ? m_row.Get(kCrossMode) : kDefaultCross;
            const std::size_t arrow = cross.find("->");
            const std::string txKind = cross.substr(0, arrow);
            const std::string rxKind = arrow == std::string::npos ? "" : cross.substr(arrow + 2);
            const auto known = [](const std::string& kind)
            { return kind.empty() || kind == "Tone" || kind == "DTCS"; };
            if (arrow == std::string::npos || !known(txKind) || !known(rxKind) ||
                (txKind.empty() && rxKind.empty()))
            {
                return Fail(kCrossMode, FormatText(kBadCrossMode, cross.c_str()));
            }
            if (txKind == "Tone")
            {
                ok = ToneSide(kRTone, true, out.tx);
            }
            else if (txKind == "DTCS")
            {
                DcsSide(kDtcsCode, polarity[0], out.tx);
            }
            if (ok && rxKind == "Tone")
            {
                ok = ToneSide(kCTone, false, out.rx);
            }
            else if (ok && rxKind == "DTCS")
            {
                DcsSide(rxCodeColumn, polarity[1], out.rx);
            }
        }
        else if (!mode.empty())
        {
            return Fail(kTone, FormatText(kBadToneMode, mode.c_str()));
        }
        out.entry.rx = ChannelSideEntry{out.entry.rx.frequencyText, out.rx.entry.signallingType,
                                        out.rx.entry.toneIndex, out.rx.entry.dcsText};
        out.entry.tx = ChannelSideEntry{out.entry.tx.frequencyText, out.tx.entry.signallingType,
                                        out.tx.entry.toneIndex, out.tx.entry.dcsText};
        return ok;
    }

    bool ReadSwitches(ChannelSwitches& switches)
    {
        using namespace PlanTexts;
        const std::string skip = Lower(m_row.Get(kSkip));
        if (skip != "" && skip != "s" && skip != "p")
        {
            return Fail(kSkip, FormatText(kBadSkip, m_row.Get(kSkip).c_str()));
        }
        switches.scanGroupA = skip != "s";
        const std::string power = Lower(m_row.Get(kPower));
        if (power != "" && power != "high" && power != "low")
        {
            return Fail(kPower, FormatText(kBadPower, m_row.Get(kPower).c_str()));
        }
        switches.reducedPower = power == "low";
        return ReadComment(switches);
    }

    bool ReadComment(ChannelSwitches& switches)
    {
        using namespace PlanTexts;
        const std::string comment = m_row.Raw(kComment);
        const std::size_t open = comment.find('{');
        if (open == std::string::npos)
        {
            return true;
        }
        const std::size_t close = comment.find('}', open);
        if (close == std::string::npos)
        {
            return Fail(kComment, kOpenBrace);
        }
        const std::string items = comment.substr(open + 1, close - open - 1);
        std::size_t pos = 0;
        while (pos < items.size())
        {
            const std::size_t end = std::min(items.find(' ', pos), items.size());
            const std::string item = Lower(items.substr(pos, end - pos));
            pos = end + 1;
            if (item.empty())
            {
                continue;
            }
            if (item == "compander")
            {
                switches.compander = true;
            }
            else if (item == "dtone")
            {
                switches.dtone = true;
            }
            else if (item == "ani")
            {
                switches.ani = true;
            }
            else if (item == "scanb")
            {
                switches.scanGroupB = true;
            }
            else if (item == "scrambler")
            {
                switches.scrambler = true;
            }
            else if (item.size() == 12 && item.rfind("aux=", 0) == 0 &&
                     item.find_first_not_of("01", 4) == std::string::npos)
            {
                int aux = 0;
                for (std::size_t k = 4; k < 12; ++k)
                {
                    aux = aux * 2 + (item[k] - '0');
                }
                switches.auxData = aux;
            }
            else
            {
                return Fail(kComment, FormatText(kBadComment, item.c_str()));
            }
        }
        return true;
    }

    const CRowReader& m_row;
    int m_nLine;
    std::vector<PlanProblem>& m_problems;
};

const char* FailureColumn(const ChannelCheckFailure& failure, const RowResult& row)
{
    switch (failure.check)
    {
    case ChannelCheck::RxFrequencyNumber:
    case ChannelCheck::RxFrequency:
        return kFrequency;
    case ChannelCheck::TxFrequencyNumber:
    case ChannelCheck::TxFrequency:
        return row.txColumn;
    case ChannelCheck::ChannelName:
    case ChannelCheck::GroupName:
        return kName;
    case ChannelCheck::ChannelNumber:
        return kLocation;
    case ChannelCheck::RxSignalling:
        return row.rx.column;
    case ChannelCheck::TxSignalling:
        return row.tx.column;
    case ChannelCheck::ModelChosen:
        break;
    }
    return "";
}

// Which of the two frequency rules a refused side broke: its band or the
// step grid of its bandwidth.
std::string FrequencyRule(const CChannelRules& rules, const ChannelCheckFailure& failure,
                          const RowResult& row)
{
    const bool transmit = failure.check == ChannelCheck::TxFrequency;
    if (!transmit && failure.check != ChannelCheck::RxFrequency)
    {
        return {};
    }
    const std::string& text = transmit ? row.entry.tx.frequencyText : row.entry.rx.frequencyText;
    double low = 0.0;
    double high = 0.0;
    char* end = nullptr;
    const double mhz = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !rules.GetBandEdges(transmit, low, high))
    {
        return {};
    }
    // The same tolerance as the rules' 10 Hz scale.
    if (mhz < low - 0.000005 || mhz > high + 0.000005)
    {
        return FormatText(PlanTexts::kOutOfBand, low, high,
                          transmit ? PlanTexts::kTransmitBand : PlanTexts::kReceiveBand);
    }
    return FormatText(PlanTexts::kOffGrid, rules.GetStepKhz(row.entry.narrow));
}

std::string FailureValue(const ChannelCheckFailure& failure, const RowResult& row)
{
    switch (failure.check)
    {
    case ChannelCheck::RxFrequencyNumber:
    case ChannelCheck::RxFrequency:
        return row.entry.rx.frequencyText;
    case ChannelCheck::TxFrequencyNumber:
    case ChannelCheck::TxFrequency:
        return row.entry.tx.frequencyText;
    case ChannelCheck::ChannelName:
        return row.entry.name;
    case ChannelCheck::RxSignalling:
        return row.entry.rx.dcsText;
    case ChannelCheck::TxSignalling:
        return row.entry.tx.dcsText;
    default:
        return std::to_string(row.entry.channel);
    }
}
} // namespace

std::string PlanProblem::Text() const
{
    std::string text;
    if (line > 0)
    {
        text = FormatText(PlanTexts::kLine, line);
        if (!column.empty())
        {
            text += FormatText(PlanTexts::kColumn, column.c_str());
        }
        text += ": ";
    }
    return text + reason;
}

const std::vector<std::string>& CChannelPlanCsv::Columns()
{
    static const std::vector<std::string> columns = {
        kLocation, kName,     kFrequency,    kDuplex,     kOffset,    kTone,      kRTone,
        kCTone,    kDtcsCode, kDtcsPolarity, kRxDtcsCode, kCrossMode, kMode,      kTStep,
        kSkip,     kPower,    kComment,      "URCALL",    "RPT1CALL", "RPT2CALL", "DVCODE",
    };
    return columns;
}

bool CChannelPlanCsv::Export(const CRadioImage& image, int capacity, std::string& textOut,
                             std::vector<std::string>& notesOut)
{
    textOut.clear();
    notesOut.clear();
    CChannelRules rules;
    if (!rules.LoadFromImage(image))
    {
        return false;
    }
    const std::string header = CCsvTable::Line(Columns());
    std::string text = header;
    for (int n = 1; n <= std::min(capacity, kChannelCount); ++n)
    {
        const int i = n - 1;
        int rxUnused = 1;
        if (!image.GetRxUnused(i, rxUnused) || rxUnused == 1)
        {
            continue;
        }
        ChannelSwitches switches;
        (void)ReadChannelSwitches(image, n, switches);
        std::uint32_t word = kUnusedWord;
        double mhz = 0.0;
        (void)image.GetRxWord(i, word);
        (void)rules.WordToFrequency(word, false, switches.narrow, mhz);
        const long long rxHz = std::llround(mhz * kHzPerMhz);

        int txUnused = 1;
        (void)image.GetTxUnused(i, txUnused);
        std::string duplex = "off";
        long long offset = 0;
        ChannelSignalling tx;
        if (txUnused == 0)
        {
            (void)image.GetTxWord(i, word);
            (void)rules.WordToFrequency(word, true, switches.narrow, mhz);
            const long long txHz = std::llround(mhz * kHzPerMhz);
            duplex = txHz == rxHz ? "" : txHz > rxHz ? "+" : "-";
            offset = txHz > rxHz ? txHz - rxHz : rxHz - txHz;
            tx = ReadSignalling(image, i + 1, true);
        }
        std::string name;
        (void)image.GetChannelName(i, name);

        std::vector<std::string> fields = {std::to_string(n), EscapeName(NameForDisplay(name)),
                                           HzText(rxHz), duplex, HzText(offset)};
        const std::vector<std::string> tones = ToneColumns(tx, ReadSignalling(image, i + 1, false));
        fields.insert(fields.end(), tones.begin(), tones.end());
        fields.push_back(switches.narrow ? "NFM" : "FM");
        fields.push_back(FormatText("%.2f", rules.GetStepKhz(switches.narrow)));
        fields.push_back(switches.scanGroupA ? "" : "S");
        fields.push_back(switches.reducedPower ? "Low" : "High");
        fields.push_back(CommentText(switches));
        fields.resize(Columns().size());
        const std::string line = CCsvTable::Line(fields);
        text += line;

        // The row on its own, read back into the image it came from, must give
        // the record it was made of.
        CRadioImage readBack = image;
        std::vector<PlanProblem> problems;
        if (!Import(header + line, capacity, true, readBack, problems))
        {
            notesOut.push_back(FormatText(PlanTexts::kNotImportable, n,
                                          problems.empty() ? "" : problems.front().Text().c_str()));
            continue;
        }
        std::uint8_t before[kChannelRecordSize];
        std::uint8_t after[kChannelRecordSize];
        const std::uint32_t offsetOfRecord =
            ImageMap::kChannels + static_cast<std::uint32_t>(i * kChannelRecordSize);
        (void)image.ReadBlock(before, offsetOfRecord, kChannelRecordSize);
        (void)readBack.ReadBlock(after, offsetOfRecord, kChannelRecordSize);
        if (!std::equal(before, before + kChannelRecordSize, after))
        {
            notesOut.push_back(FormatText(PlanTexts::kNotCarried, n));
        }
    }
    textOut = std::move(text);
    return true;
}

std::vector<std::string> CChannelPlanCsv::UncommonToneNotes(const CRadioImage& image, int capacity)
{
    std::vector<std::string> notes;
    for (int n = 1; n <= std::min(capacity, kChannelCount); ++n)
    {
        const int i = n - 1;
        int rxUnused = 1;
        if (!image.GetRxUnused(i, rxUnused) || rxUnused == 1)
        {
            continue;
        }
        int txUnused = 1;
        (void)image.GetTxUnused(i, txUnused);
        for (const bool transmit : {false, true})
        {
            if (transmit && txUnused != 0)
            {
                continue;
            }
            const ChannelSignalling side = ReadSignalling(image, i + 1, transmit);
            if (side.type != kSignallingCtcss || side.toneIndex < 0 ||
                side.toneIndex >= kCtcssCount || IsCommonCtcssTone(kCtcssTones[side.toneIndex]))
            {
                continue;
            }
            notes.push_back(FormatText(PlanTexts::kUncommonTone, n, kCtcssTones[side.toneIndex]));
            break;
        }
    }
    return notes;
}

bool CChannelPlanCsv::Import(std::string_view text, int capacity, bool merge, CRadioImage& image,
                             std::vector<PlanProblem>& problemsOut)
{
    return ImportRows(text, capacity, merge, false, image, problemsOut);
}

bool CChannelPlanCsv::ImportAccepted(std::string_view text, int capacity, bool merge,
                                     CRadioImage& image, std::vector<PlanProblem>& problemsOut)
{
    return ImportRows(text, capacity, merge, true, image, problemsOut);
}

bool CChannelPlanCsv::ImportRows(std::string_view text, int capacity, bool merge, bool skipRefused,
                                 CRadioImage& image, std::vector<PlanProblem>& problemsOut)
{
    using namespace PlanTexts;
    problemsOut.clear();
    capacity = std::clamp(capacity, 0, kChannelCount);
    CChannelRules rules;
    if (!rules.LoadFromImage(image))
    {
        problemsOut.push_back(PlanProblem{0, "", ChannelTexts::kModelNotChosen});
        return false;
    }
    CCsvTable table;
    int badLine = 0;
    if (!table.Parse(text, badLine))
    {
        problemsOut.push_back(PlanProblem{badLine, "", kOpenQuote});
        return false;
    }
    const auto blank = [](const CsvRow& row)
    {
        return std::all_of(row.fields.begin(), row.fields.end(),
                           [](const std::string& field) { return Trim(field).empty(); });
    };
    const std::vector<CsvRow>& rows = table.GetRows();
    auto header = std::find_if_not(rows.begin(), rows.end(), blank);
    if (header == rows.end())
    {
        problemsOut.push_back(PlanProblem{0, "", kNoHeader});
        return false;
    }
    ::Columns columns;
    for (std::size_t k = 0; k < header->fields.size(); ++k)
    {
        const std::string name = Lower(Trim(header->fields[k]));
        if (name.empty())
        {
            continue;
        }
        if (!columns.index.emplace(name, k).second)
        {
            problemsOut.push_back(
                PlanProblem{header->line, Trim(header->fields[k]),
                            FormatText(kDuplicateColumn, Trim(header->fields[k]).c_str())});
        }
    }
    for (const char* required : {kLocation, kFrequency})
    {
        if (!columns.Find(required))
        {
            problemsOut.push_back(
                PlanProblem{header->line, required, FormatText(kMissingColumn, required)});
        }
    }
    if (!problemsOut.empty())
    {
        return false;
    }

    struct Checked
    {
        int line;
        int channel;
        ChannelValues values;
        ChannelSwitches switches;
    };
    std::vector<Checked> checked;
    std::map<int, int> lineOfChannel;
    for (auto row = header + 1; row != rows.end(); ++row)
    {
        if (blank(*row))
        {
            continue;
        }
        if (row->fields.size() > header->fields.size() &&
            std::any_of(row->fields.begin() + static_cast<std::ptrdiff_t>(header->fields.size()),
                        row->fields.end(),
                        [](const std::string& field) { return !Trim(field).empty(); }))
        {
            problemsOut.push_back(PlanProblem{row->line, "", kTooManyFields});
            continue;
        }
        const CRowReader reader(columns, *row);
        CRowImport import(reader, row->line, problemsOut);
        RowResult result;
        if (!import.Read(capacity, result))
        {
            continue;
        }
        const auto [earlier, fresh] = lineOfChannel.emplace(result.entry.channel, row->line);
        if (!fresh)
        {
            (void)import.Fail(kLocation,
                              FormatText(kChannelTwice, result.entry.channel, earlier->second));
            continue;
        }
        ChannelValues values;
        ChannelCheckFailure failure;
        if (!CheckChannelEntry(rules, result.entry, values, failure))
        {
            (void)import.Fail(
                FailureColumn(failure, result),
                FormatText(kWithValue, failure.message, FailureValue(failure, result).c_str()) +
                    FrequencyRule(rules, failure, result));
            continue;
        }
        checked.push_back(Checked{row->line, result.entry.channel, values, result.switches});
    }
    if (!problemsOut.empty() && !skipRefused)
    {
        return false;
    }
    // A refused row whose channel could be read has that channel in
    // lineOfChannel, so the channel is neither emptied nor stored below: it
    // keeps what it held.
    CRadioImage stored = image;
    for (int n = 1; n <= capacity && !merge; ++n)
    {
        if (lineOfChannel.count(n) == 0 && !StoreEmptyChannel(stored, n))
        {
            problemsOut.push_back(PlanProblem{0, "", ChannelTexts::kEepromSetError});
            return false;
        }
    }
    for (const Checked& row : checked)
    {
        if (!StoreChannel(stored, row.channel, row.values, row.switches))
        {
            problemsOut.push_back(PlanProblem{row.line, "", ChannelTexts::kEepromSetError});
            return false;
        }
    }
    image = stored;
    return true;
}
