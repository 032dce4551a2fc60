// A channel record written from checked entry values, and a record emptied, the
// way the Channel form stores them; and the record's own switches read back.
#pragma once

// model
#include "model/ChannelCheck.h"

class CRadioImage;

// The switches of a channel that the entry checks do not cover, as flags that
// read the way a user says them (true = enabled or a member), not as the
// inverted record bits.
struct ChannelSwitches
{
    bool narrow = false;
    bool reducedPower = false;
    bool scrambler = false;
    bool compander = false;
    bool dtone = false;
    bool ani = false;
    bool scanGroupA = false;
    bool scanGroupB = false;
    int auxData = 255;

    bool operator==(const ChannelSwitches&) const = default;
};

// Writes channel n (1-based) from values that CheckChannelEntry passed. A
// receive side without a frequency empties the channel, as the radio takes
// such a channel as empty. Into a copy: false, with image unchanged, when any
// accessor refuses. The group name is not written.
[[nodiscard]] bool StoreChannel(CRadioImage& image, int n, const ChannelValues& values,
                                const ChannelSwitches& switches);

// Channel n (1-based) as the form writes an empty channel: the defaults of
// every field, the check value kept.
[[nodiscard]] bool StoreEmptyChannel(CRadioImage& image, int n);

// The switches channel n (1-based) holds; false for a channel outside 1..320.
[[nodiscard]] bool ReadChannelSwitches(const CRadioImage& image, int n,
                                       ChannelSwitches& switchesOut);
