// Timers on the steady clock for owners without an event loop: they ask how
// long to wait and which timers ran out.
#pragma once

// own
#include "link/LinkTimerHost.h"

// std
#include <chrono>
#include <map>
#include <vector>

class CPolledTimers : public ILinkTimerHost
{
public:
    using Clock = std::chrono::steady_clock;

    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;

    // Milliseconds until the next timer runs out (0 when one already has),
    // or -1 when none runs.
    int MillisecondsToNext() const;
    // Removes and returns the timers that have run out, earliest first.
    std::vector<int> TakeDue();
    bool IsRunning(int id) const { return m_deadlines.count(id) != 0; }

private:
    std::map<int, Clock::time_point> m_deadlines;
};
