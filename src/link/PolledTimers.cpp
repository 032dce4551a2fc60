// Polled one-shot timers.

// own
#include "link/PolledTimers.h"

// std
#include <algorithm>

void CPolledTimers::SetTimer(int id, int milliseconds)
{
    m_deadlines[id] = Clock::now() + std::chrono::milliseconds(milliseconds);
}

void CPolledTimers::KillTimer(int id)
{
    m_deadlines.erase(id);
}

int CPolledTimers::MillisecondsToNext() const
{
    if (m_deadlines.empty())
    {
        return -1;
    }
    auto next = Clock::time_point::max();
    for (const auto& entry : m_deadlines)
    {
        next = std::min(next, entry.second);
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(next - Clock::now());
    // Rounded up so a caller that sleeps this long finds the timer due.
    return std::max<int>(0, static_cast<int>(left.count()) + 1);
}

std::vector<int> CPolledTimers::TakeDue()
{
    const auto now = Clock::now();
    std::vector<std::pair<Clock::time_point, int>> due;
    for (auto it = m_deadlines.begin(); it != m_deadlines.end();)
    {
        if (it->second <= now)
        {
            due.emplace_back(it->second, it->first);
            it = m_deadlines.erase(it);
        }
        else
        {
            ++it;
        }
    }
    std::sort(due.begin(), due.end());
    std::vector<int> ids;
    for (const auto& entry : due)
    {
        ids.push_back(entry.second);
    }
    return ids;
}
