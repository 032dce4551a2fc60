// Ctrl+C and SIGTERM during a radio conversation of vesk4-cli.
#pragma once

// std
#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

// The signals are blocked in every thread and taken by a thread of their
// own with sigtimedwait, never by a handler: no link thread is interrupted
// in the middle of a write, and the owner ends the conversation on its own
// thread as the form's Cancel would.
class CInterruptWatch
{
public:
    // Blocks SIGINT and SIGTERM in the calling thread, and so in every thread
    // it starts afterwards, then watches for them. Must be made before the
    // threads it is to protect. onSignal runs on the watching thread, once;
    // a second signal ends the program as if nothing watched.
    explicit CInterruptWatch(std::function<void()> onSignal);
    // Stops watching and restores the signal mask.
    ~CInterruptWatch();
    CInterruptWatch(const CInterruptWatch&) = delete;
    CInterruptWatch& operator=(const CInterruptWatch&) = delete;

    // The signal that came, 0 while none did.
    int Signal() const { return m_nSignal.load(); }
    // The shell's status of a program ended by the signal: 128 + its number.
    static int ExitStatus(int signal) { return 128 + signal; }

private:
    void Watch();

    std::function<void()> m_onSignal;
    sigset_t m_signals{};
    sigset_t m_previous{};
    std::atomic<int> m_nSignal{0};
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};
