// One-shot timers keyed by an identifier, run by the owner of a conversation:
// a form's timer host, or a polled clock in a program without an event loop.
#pragma once

class ILinkTimerHost
{
public:
    virtual ~ILinkTimerHost() = default;
    // Starts (or restarts) timer id; when it runs out the owner calls the
    // conversation's OnTimer(id) on its own thread.
    virtual void SetTimer(int id, int milliseconds) = 0;
    virtual void KillTimer(int id) = 0;
};
