// The system-wide port lock "Vesk4Mutex": every port operation of every port
// object of every running instance is done while holding it.
#pragma once

// std
#include <atomic>
#include <string>

// A flock on a lock file, opened afresh for each acquisition and released by
// closing it, so two acquisitions in one process exclude each other and a
// killed holder frees it at once. Not re-entrant: never take it while holding it.
class CPortLock
{
public:
    CPortLock() = default;
    ~CPortLock();
    CPortLock(const CPortLock&) = delete;
    CPortLock& operator=(const CPortLock&) = delete;

    // Tries until timeoutMs have passed; gives up early when keepTrying is
    // given and becomes false (a port being closed).
    [[nodiscard]] bool Acquire(int timeoutMs, const std::atomic<bool>* keepTrying = nullptr);
    void Release();
    bool IsHeld() const { return m_nFd >= 0; }

    // $XDG_RUNTIME_DIR/Vesk4Mutex, or /tmp/Vesk4Mutex-<uid>.lock without it.
    static std::string LockFilePath();

private:
    static int OpenLockFile();

    int m_nFd = -1;
};
