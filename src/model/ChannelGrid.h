// The channel list's cells: one row a channel, one column a field, each shown
// as text and taken as typed. A cell is written through the Channel form's
// own checks and store, so the list refuses what the form refuses, with the
// form's message.
#pragma once

// model
#include "model/ChannelStore.h"

// std
#include <string>
#include <string_view>
#include <vector>

class CChannelRules;
class CRadioImage;

enum class GridColumn
{
    RxFrequency,
    TxFrequency,
    RxSignalling,
    TxSignalling,
    Bandwidth,
    Power,
    Compander,
    DTone,
    Ani,
    Scrambler,
    ScanGroupA,
    ScanGroupB,
    Aux,
    Name,
};
constexpr int kGridColumnCount = static_cast<int>(GridColumn::Name) + 1;

namespace ChannelGrid
{
const char* Title(GridColumn column);
// The entries a column offers as a list, in order; empty for a typed column.
std::vector<std::string> Choices(GridColumn column);

// What the cell of `record` shows. An empty channel shows nothing anywhere; an
// unused transmit side shows no frequency and no signalling.
std::string CellText(const StoredChannel& record, bool inUse, GridColumn column);

// The entries the Channel form would show for channel n of `record`, so that
// a change of one cell is checked with all the others as they stand.
ChannelEntry EntryOf(const StoredChannel& record, int n);

// Writes `text` into the cell of channel n (1-based). A blank frequency
// stands for 0 (the side unused; for the receive side, the channel emptied).
// A receive frequency typed into an empty channel makes it a simplex one, its
// transmit side on the same frequency. False, with image unchanged and
// reasonOut the message, when the text is refused.
[[nodiscard]] bool SetCell(CRadioImage& image, const CChannelRules& rules, int n, GridColumn column,
                           std::string_view text, std::string& reasonOut);
} // namespace ChannelGrid
