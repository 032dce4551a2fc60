// Edits of whole channel records over a run of channels, as the channel list
// makes them: emptying, inserting and deleting with the channels below moving
// along, moving a block up or down, and sorting. Records move whole, so a
// moved channel keeps every bit it had, its check value included. Channels
// are numbered from 1; every edit stays within the capacity it is given and
// leaves the image untouched when it is refused.
#pragma once

// std
#include <string>

class CChannelRules;
class CRadioImage;

namespace ChannelEdits
{
// Channel n's receive side is in use: the radio takes the others as empty.
bool InUse(const CRadioImage& image, int n);

// Empties channels first .. first+count-1.
[[nodiscard]] bool Clear(CRadioImage& image, int capacity, int first, int count);

// `count` empty channels at `at`; those from `at` on move down by count.
// Refused when a channel in use would move past the capacity.
[[nodiscard]] bool Insert(CRadioImage& image, int capacity, int at, int count);

// Channels at .. at+count-1 go; those below move up, and the last count
// channels of the capacity become empty.
[[nodiscard]] bool Remove(CRadioImage& image, int capacity, int at, int count);

// The block first .. first+count-1 moves one place up (delta -1) or down
// (+1), the neighbour taking the place it left. Refused at the edges.
[[nodiscard]] bool Move(CRadioImage& image, int capacity, int first, int count, int delta);

enum class SortKey
{
    RxFrequency,
    Name,
    ScanGroup, // members of scan group A first, then of B, then the others
};

// Sorts channels first .. first+count-1 by key, keeping the order of equal
// ones; empty channels go last.
[[nodiscard]] bool Sort(CRadioImage& image, const CChannelRules& rules, int capacity, int first,
                        int count, SortKey key);
} // namespace ChannelEdits
