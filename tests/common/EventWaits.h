// Waits that keep the event loop running, for tests whose answers arrive
// through queued signals and timers (a worker thread, a radio on a
// pseudo-terminal).
#pragma once

// Qt
#include <QCoreApplication>

// std
#include <chrono>
#include <functional>
#include <thread>

// Runs the event loop until `done` holds or `timeoutMs` passes.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done())
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Runs the event loop for `ms`.
inline void Pump(int ms)
{
    (void)WaitUntil([] { return false; }, ms);
}
