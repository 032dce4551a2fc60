// How the channels of a radio divide into groups: the capacity that the
// application's channel mode stands for, the group count an image may carry,
// the group of a channel and the first channel of a group.
#pragma once

// The channels of the radio's capacity divided into equal groups of
// capacity / count channels (integer division; a count that does not divide
// the capacity, possible only in an image from a file or a radio, leaves the
// last channels in a group past the count: 15 groups on 320 channels put
// channel 316 in group 16).
class CChannelGroups
{
public:
    // 120 channels in one group.
    CChannelGroups() = default;
    // From the application's channel mode and the image's stored group count.
    CChannelGroups(int channelMode, int storedGroupCount);

    // 120 for mode 0; any other mode means 320, as the main frame and the dump
    // loader read it.
    static int CapacityOfChannelMode(int channelMode);
    // A stored count outside 1..40 (0 or anything up to 255 from a file or a
    // radio) counts as 1, so a group always has channels and a group number
    // always has a name slot.
    static int UsableGroupCount(int storedGroupCount);

    int GetCapacity() const { return m_nCapacity; }
    int GetGroupCount() const { return m_nGroupCount; }
    int GetChannelsPerGroup() const { return m_nCapacity / m_nGroupCount; }

    // The group (1-based) of channel n, held within 1..capacity first; always
    // within 1..40.
    int GroupOfChannel(int n) const;
    // The first channel (1-based) of group g, held within 1..group count first.
    int FirstChannelOfGroup(int g) const;

    // What the channel and group spins are held within.
    int ClampChannel(int n) const;
    int ClampGroup(int g) const;

private:
    int m_nCapacity = 120;
    int m_nGroupCount = 1;
};
