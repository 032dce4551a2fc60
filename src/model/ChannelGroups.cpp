// Channel capacity and group arithmetic.
#include "model/ChannelGroups.h"

// model
#include "model/RadioImage.h"

// std
#include <algorithm>

namespace
{
constexpr int kSmallCapacity = 120;
} // namespace

CChannelGroups::CChannelGroups(int channelMode, int storedGroupCount)
    : m_nCapacity(CapacityOfChannelMode(channelMode)),
      m_nGroupCount(UsableGroupCount(storedGroupCount))
{
}

int CChannelGroups::CapacityOfChannelMode(int channelMode)
{
    return channelMode == 0 ? kSmallCapacity : kChannelCount;
}

int CChannelGroups::UsableGroupCount(int storedGroupCount)
{
    return storedGroupCount >= 1 && storedGroupCount <= kGroupNameCount ? storedGroupCount : 1;
}

int CChannelGroups::GroupOfChannel(int n) const
{
    const int p = GetChannelsPerGroup();
    const int channel = ClampChannel(n);
    return (channel + p - 1) / p;
}

int CChannelGroups::FirstChannelOfGroup(int g) const
{
    return GetChannelsPerGroup() * (ClampGroup(g) - 1) + 1;
}

int CChannelGroups::ClampChannel(int n) const
{
    return std::clamp(n, 1, m_nCapacity);
}

int CChannelGroups::ClampGroup(int g) const
{
    return std::clamp(g, 1, m_nGroupCount);
}
