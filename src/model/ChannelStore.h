// A channel record written from checked entry values, and a record emptied, the
// way the Channel form stores them; and the record's own switches read back.
#pragma once

// model
#include "model/ChannelCheck.h"

// std
#include <cstdint>
#include <string>

class CChannelRules;
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

// A side's signalling as the record holds it.
struct ChannelSignalling
{
    int type = kSignallingNone; // kSignallingCtcss, kSignallingDcs or kSignallingNone
    int toneIndex = -1;
    bool toneValid = false; // the index names a tone of the table
    int dcsCode = 0;        // the stored 9-bit value
    bool dcsInverted = false;
};

// One side of a channel record read back.
struct ChannelSideRecord
{
    bool unused = true;
    std::uint32_t word = kUnusedWord;
    // The frequency the word stands for under the image's rules; 0 when the
    // side is unused or the word gives no frequency of the band.
    double mhz = 0.0;
    ChannelSignalling signalling;
};

// A channel as its record holds it: what StoreChannel writes, read back.
struct StoredChannel
{
    std::string name; // as shown: without the blanks that pad it
    ChannelSideRecord rx;
    ChannelSideRecord tx;
    ChannelSwitches switches;
};

// The signalling of one side of channel n (1-based).
ChannelSignalling ReadSignalling(const CRadioImage& image, int n, bool transmit);

// Channel n (1-based), its frequencies read under `rules`; false for a
// channel outside 1..320. The group name is not read.
[[nodiscard]] bool ReadChannel(const CRadioImage& image, const CChannelRules& rules, int n,
                               StoredChannel& recordOut);
