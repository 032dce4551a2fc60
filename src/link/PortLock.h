// The system-wide port lock "Vesk4Mutex", one per port device: every port
// operation of every port object of every running instance on that device is
// done while holding it, while other devices go on at the same time.
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
    // The lock of no device in particular, the one "Vesk4Mutex" file.
    CPortLock() = default;
    // The lock of one device: every name that leads to the same device (a
    // link in /dev/serial/by-id, the device itself) shares it.
    explicit CPortLock(const std::string& device);
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

    // The lock file's name in that folder: Vesk4Mutex for no device, else
    // Vesk4Mutex- and the device's resolved path with every byte other than
    // a letter, digit, '.', '-' or '_' written as %XX, so no name can reach
    // outside the folder or clash with another device's.
    static std::string LockFileName(const std::string& device);
    // The path the device name leads to, or the name itself when it leads
    // nowhere: what a port keeps from its opening, so that its lock stays the
    // same file even once the device is gone.
    static std::string ResolvedDevice(const std::string& device);

private:
    int OpenLockFile() const;

    std::string m_strFileName = "Vesk4Mutex";
    int m_nFd = -1;
};
