// DTMF timing and allowed group counts.
#include "model/OptionTables.h"

namespace
{
constexpr int kDtmfOnMs[kDtmfTimingCount] = {600, 600, 300, 300, 150, 150, 75, 75};
constexpr int kDtmfOffMs[kDtmfTimingCount] = {600, 300, 300, 150, 150, 75, 75, 30};

constexpr int kGroupCounts120[] = {1, 2, 3, 4, 5, 6, 8, 10, 15, 20, 30, 40};
constexpr int kGroupCounts320[] = {1, 2, 4, 5, 8, 10, 16, 20, 32, 40};
constexpr int kCount120 = static_cast<int>(sizeof kGroupCounts120 / sizeof kGroupCounts120[0]);
constexpr int kCount320 = static_cast<int>(sizeof kGroupCounts320 / sizeof kGroupCounts320[0]);
} // namespace

bool DtmfTimes(int timing, int& onMsOut, int& offMsOut)
{
    if (timing < 0 || timing >= kDtmfTimingCount)
    {
        return false;
    }
    onMsOut = kDtmfOnMs[timing];
    offMsOut = kDtmfOffMs[timing];
    return true;
}

int GroupCountChoices(int capacityMode)
{
    return capacityMode == 0 ? kCount120 : kCount320;
}

int GroupCountChoice(int capacityMode, int position)
{
    if (position < 0 || position >= GroupCountChoices(capacityMode))
    {
        return -1;
    }
    return capacityMode == 0 ? kGroupCounts120[position] : kGroupCounts320[position];
}

bool IsAllowedGroupCount(int capacityMode, int count)
{
    for (int i = 0; i < GroupCountChoices(capacityMode); ++i)
    {
        if (GroupCountChoice(capacityMode, i) == count)
        {
            return true;
        }
    }
    return false;
}
