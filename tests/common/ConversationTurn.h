// Runs a radio conversation on the calling thread, as the command line does,
// for the tests and benchmarks that drive one against the simulated radio.
#pragma once

// link
#include "link/LinkQueue.h"
#include "link/PolledTimers.h"
#include "link/RadioConversation.h"

// std
#include <algorithm>

// One turn: the next link message, waited for until the next timer is due
// but never longer than maxWaitMs, so that the caller can check its own
// deadline; then every timer that is due.
inline void RunConversationTurn(CRadioConversation& conversation, CLinkQueue& queue,
                                CPolledTimers& timers, int maxWaitMs)
{
    const int next = timers.MillisecondsToNext();
    LinkMessage message;
    if (queue.Wait(next < 0 ? maxWaitMs : std::min(next, maxWaitMs), message))
    {
        conversation.OnLinkMessage(message.wParam, message.bytes);
    }
    for (const int id : timers.TakeDue())
    {
        conversation.OnTimer(id);
    }
}
