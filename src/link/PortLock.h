// The system-wide port lock "Vesk4Mutex": every port operation of every port
// object of every running instance is done while holding it.
#pragma once

// std
#include <atomic>
#include <string>

// A flock on a lock file, opened afresh for each acquisition and released by
// closing it, so two acquisitions in one process exclude each other and a
// killed holder frees it at once. Not re-entrant: never take it while holding it.
//
// Whoever can open the lock file can stall every transfer, so it lives only
// in a folder that no other user can write: $XDG_RUNTIME_DIR when it is such
// a folder, else a per-user folder made for it with mode 0700. The file is
// made with mode 0600 and only ever opened for reading and writing.
class CPortLock
{
public:
    CPortLock() = default;
    ~CPortLock();
    CPortLock(const CPortLock&) = delete;
    CPortLock& operator=(const CPortLock&) = delete;

    // Tries until timeoutMs have passed; gives up early when keepTrying is
    // given and becomes false (a port being closed), and at once when no
    // safe lock file can be had.
    [[nodiscard]] bool Acquire(int timeoutMs, const std::atomic<bool>* keepTrying = nullptr);
    void Release();
    bool IsHeld() const { return m_nFd >= 0; }

    // $XDG_RUNTIME_DIR/Vesk4Mutex, or <parent>/vesk4-<uid>/Vesk4Mutex when the
    // runtime directory is unset, gone or writable by others. Makes the
    // per-user folder when needed; false when neither folder is one that
    // only this user can write.
    [[nodiscard]] static bool LockFilePath(std::string& path);
    // The parent of the per-user folder: /tmp unless set (tests keep their
    // own).
    static void SetFallbackParent(const std::string& parent);
    static std::string FallbackParent();

private:
    static int OpenLockFile();

    int m_nFd = -1;
};
