// The channel list's cells.

// own
#include "model/ChannelGrid.h"
#include "model/GridTexts.h"

// model
#include "model/ChannelEdits.h"
#include "model/ChannelRules.h"
#include "model/ChannelTexts.h"
#include "model/DcsCodeText.h"
#include "model/SignallingTables.h"
#include "model/TextReaders.h"

// std
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace
{
using namespace GridTexts;

struct ColumnInfo
{
    const char* title;
    std::vector<std::string> choices;
};

const ColumnInfo& Info(GridColumn column)
{
    static const ColumnInfo kColumns[kGridColumnCount] = {
        {kRxFrequency, {}},
        {kTxFrequency, {}},
        {kRxSignalling, {}},
        {kTxSignalling, {}},
        {kBandwidth, {kWide, kNarrow}},
        {kPower, {kNormal, kLowpower}},
        {kCompander, {kEnable, kDisable}},
        {kDTone, {kEnable, kDisable}},
        {kAni, {kEnable, kDisable}},
        {kScrambler, {kEnable, kDisable}},
        {kScanGroupA, {kYes, kNo}},
        {kScanGroupB, {kYes, kNo}},
        {kAux, {}},
        {kName, {}},
    };
    return kColumns[static_cast<int>(column)];
}

std::string Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
    {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The position of `text` among the column's choices; -1 when none.
int ChoiceOf(GridColumn column, std::string_view text)
{
    const std::vector<std::string>& choices = Info(column).choices;
    const std::string word = Trimmed(text);
    for (std::size_t i = 0; i < choices.size(); ++i)
    {
        if (SameWordIgnoringCase(word, choices[i]))
        {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string SignallingText(const ChannelSignalling& signalling)
{
    char text[16];
    switch (signalling.type)
    {
    case kSignallingCtcss:
        if (!signalling.toneValid)
        {
            return std::to_string(signalling.toneIndex);
        }
        std::snprintf(text, sizeof text, "%.1f", kCtcssTones[signalling.toneIndex]);
        return text;
    case kSignallingDcs:
    {
        const int digits = DcsDigitsOfValue(signalling.dcsCode);
        if (digits < 0)
        {
            return FormatDcsCode(signalling.dcsInverted ? 1 : 0, signalling.dcsCode);
        }
        std::snprintf(text, sizeof text, kDcsFormat, digits, signalling.dcsInverted ? 'I' : 'N');
        return text;
    }
    default:
        return kNone;
    }
}

// A signalling cell as typed: blank or "None"; a tone of the table in Hz
// ("88.5"); a DCS code as "D023N", "D023I", "D023" or as the Channel form's
// code box takes it ("023", "-023" inverted).
bool ReadSignalling(std::string_view typed, ChannelSideEntry& side)
{
    std::string text = Trimmed(typed);
    side.toneIndex = -1;
    side.dcsText.clear();
    if (text.empty() || SameWordIgnoringCase(text, kNone))
    {
        side.signallingType = kSignallingNone;
        return true;
    }
    const bool dcsWord = text[0] == 'D' || text[0] == 'd';
    if (dcsWord || text[0] == '-' || (text[0] == '0' && text.find('.') == std::string::npos))
    {
        bool inverted = text[0] == '-';
        if (dcsWord)
        {
            text.erase(0, 1);
            const char last = text.empty() ? '\0' : static_cast<char>(std::toupper(text.back()));
            if (last == 'N' || last == 'I' || last == 'R')
            {
                inverted = last != 'N';
                text.pop_back();
            }
            if (inverted)
            {
                text.insert(0, "-");
            }
        }
        side.signallingType = kSignallingDcs;
        side.dcsText = text;
        return true;
    }
    double hz = 0.0;
    if (!ReadDecimal(text, hz))
    {
        return false;
    }
    for (int i = 0; i < kCtcssCount; ++i)
    {
        if (std::fabs(kCtcssTones[i] - hz) < 0.05)
        {
            side.signallingType = kSignallingCtcss;
            side.toneIndex = i;
            return true;
        }
    }
    return false;
}

bool ReadAux(std::string_view typed, int& auxOut)
{
    const std::string text = Trimmed(typed);
    if (text.size() != 8 || text.find_first_not_of("01") != std::string::npos)
    {
        return false;
    }
    auxOut = std::stoi(text, nullptr, 2);
    return true;
}

std::string AuxText(int aux)
{
    std::string bits;
    for (int bit = 7; bit >= 0; --bit)
    {
        bits += ((aux >> bit) & 1) != 0 ? '1' : '0';
    }
    return bits;
}
} // namespace

namespace ChannelGrid
{
const char* Title(GridColumn column)
{
    return Info(column).title;
}

std::vector<std::string> Choices(GridColumn column)
{
    return Info(column).choices;
}

std::string CellText(const StoredChannel& record, bool inUse, GridColumn column)
{
    if (!inUse)
    {
        return {};
    }
    const ChannelSwitches& s = record.switches;
    const auto choice = [column](int position) { return Info(column).choices[position]; };
    switch (column)
    {
    case GridColumn::RxFrequency:
        return CChannelRules::FormatFrequency(record.rx.mhz);
    case GridColumn::TxFrequency:
        return record.tx.unused ? std::string() : CChannelRules::FormatFrequency(record.tx.mhz);
    case GridColumn::RxSignalling:
        return SignallingText(record.rx.signalling);
    case GridColumn::TxSignalling:
        return record.tx.unused ? std::string() : SignallingText(record.tx.signalling);
    case GridColumn::Bandwidth:
        return choice(s.narrow ? 1 : 0);
    case GridColumn::Power:
        return choice(s.reducedPower ? 1 : 0);
    case GridColumn::Compander:
        return choice(s.compander ? 0 : 1);
    case GridColumn::DTone:
        return choice(s.dtone ? 0 : 1);
    case GridColumn::Ani:
        return choice(s.ani ? 0 : 1);
    case GridColumn::Scrambler:
        return choice(s.scrambler ? 0 : 1);
    case GridColumn::ScanGroupA:
        return choice(s.scanGroupA ? 0 : 1);
    case GridColumn::ScanGroupB:
        return choice(s.scanGroupB ? 0 : 1);
    case GridColumn::Aux:
        return AuxText(s.auxData);
    case GridColumn::Name:
        return record.name;
    }
    return {};
}

ChannelEntry EntryOf(const StoredChannel& record, int n)
{
    ChannelEntry entry;
    entry.channel = n;
    entry.name = record.name;
    entry.narrow = record.switches.narrow;
    for (const bool transmit : {false, true})
    {
        const ChannelSideRecord& stored = transmit ? record.tx : record.rx;
        ChannelSideEntry& side = transmit ? entry.tx : entry.rx;
        side.frequencyText = stored.unused ? "0" : CChannelRules::FormatFrequency(stored.mhz);
        side.signallingType = stored.signalling.type;
        side.toneIndex = stored.signalling.toneIndex;
        side.dcsText =
            stored.signalling.type == kSignallingDcs
                ? FormatDcsCode(stored.signalling.dcsInverted ? 1 : 0, stored.signalling.dcsCode)
                : std::string();
    }
    return entry;
}

bool SetCell(CRadioImage& image, const CChannelRules& rules, int n, GridColumn column,
             std::string_view text, std::string& reasonOut)
{
    if (!rules.HasModel())
    {
        reasonOut = ChannelTexts::kModelNotChosen;
        return false;
    }
    StoredChannel record;
    if (!ReadChannel(image, rules, n, record))
    {
        reasonOut = ChannelTexts::kChannelNumberError;
        return false;
    }
    const bool inUse = ChannelEdits::InUse(image, n);
    ChannelEntry entry = EntryOf(record, n);
    ChannelSwitches switches = inUse ? record.switches : ChannelSwitches{};
    if (!inUse)
    {
        entry = EntryOf(StoredChannel{}, n);
        entry.narrow = false;
        if (column != GridColumn::RxFrequency)
        {
            reasonOut = kEmptyChannel;
            return false;
        }
    }
    const std::string typed = Trimmed(text);
    const int choice = ChoiceOf(column, typed);
    const bool listColumn = !Info(column).choices.empty();
    if (listColumn && choice < 0)
    {
        reasonOut = kChoiceError;
        return false;
    }
    switch (column)
    {
    case GridColumn::RxFrequency:
        entry.rx.frequencyText = typed.empty() ? "0" : typed;
        if (!inUse)
        {
            entry.tx.frequencyText = entry.rx.frequencyText;
        }
        break;
    case GridColumn::TxFrequency:
        entry.tx.frequencyText = typed.empty() ? "0" : typed;
        break;
    case GridColumn::RxSignalling:
    case GridColumn::TxSignalling:
    {
        const bool transmit = column == GridColumn::TxSignalling;
        if (!ReadSignalling(typed, transmit ? entry.tx : entry.rx))
        {
            reasonOut =
                transmit ? ChannelTexts::kTxSignallingError : ChannelTexts::kRxSignallingError;
            return false;
        }
        break;
    }
    case GridColumn::Bandwidth:
        entry.narrow = switches.narrow = choice == 1;
        break;
    case GridColumn::Power:
        switches.reducedPower = choice == 1;
        break;
    case GridColumn::Compander:
        switches.compander = choice == 0;
        break;
    case GridColumn::DTone:
        switches.dtone = choice == 0;
        break;
    case GridColumn::Ani:
        switches.ani = choice == 0;
        break;
    case GridColumn::Scrambler:
        switches.scrambler = choice == 0;
        break;
    case GridColumn::ScanGroupA:
        switches.scanGroupA = choice == 0;
        break;
    case GridColumn::ScanGroupB:
        switches.scanGroupB = choice == 0;
        break;
    case GridColumn::Aux:
        if (!ReadAux(typed, switches.auxData))
        {
            reasonOut = kAuxError;
            return false;
        }
        break;
    case GridColumn::Name:
        entry.name = std::string(text);
        break;
    }
    ChannelValues values;
    ChannelCheckFailure failure;
    if (!CheckChannelEntry(rules, entry, values, failure))
    {
        reasonOut = failure.message;
        return false;
    }
    if (!StoreChannel(image, n, values, switches))
    {
        reasonOut = ChannelTexts::kEepromSetError;
        return false;
    }
    return true;
}
} // namespace ChannelGrid
