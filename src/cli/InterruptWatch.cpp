// Signal watching thread.

// own
#include "cli/InterruptWatch.h"

// std
#include <ctime>
#include <pthread.h>
#include <system_error>

namespace
{
// How often the watcher looks whether it is to stop.
constexpr long kTickNs = 50'000'000;
} // namespace

CInterruptWatch::CInterruptWatch(std::function<void()> onSignal) : m_onSignal(std::move(onSignal))
{
    sigemptyset(&m_signals);
    sigaddset(&m_signals, SIGINT);
    sigaddset(&m_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &m_signals, &m_previous);
    try
    {
        m_thread = std::thread(&CInterruptWatch::Watch, this);
    }
    catch (const std::system_error&)
    {
        // Without a watcher the signals keep their usual effect.
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
}

CInterruptWatch::~CInterruptWatch()
{
    m_bStop = true;
    if (m_thread.joinable())
    {
        m_thread.join();
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
}

void CInterruptWatch::Watch()
{
    const timespec tick{0, kTickNs};
    while (!m_bStop)
    {
        const int signal = sigtimedwait(&m_signals, nullptr, &tick);
        if (signal <= 0)
        {
            continue;
        }
        int none = 0;
        if (m_nSignal.compare_exchange_strong(none, signal))
        {
            if (m_onSignal)
            {
                m_onSignal();
            }
            continue;
        }
        // A second signal: the user will not wait for the orderly end, so
        // the signal gets its usual effect.
        std::signal(signal, SIG_DFL);
        pthread_sigmask(SIG_UNBLOCK, &m_signals, nullptr);
        std::raise(signal);
    }
}
