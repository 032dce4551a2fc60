// Why a serial device cannot be had, and what the user can do about it, found
// without opening the device: the node and its links, its owner and mode
// against the user's groups, and who holds it (/proc/locks, /proc/*/fd).
#pragma once

// std
#include <string>
#include <vector>

enum class PortProblem
{
    None,
    Vanished,       // a link (the stable by-id name) whose device is gone
    Missing,        // no device at the path
    NotInGroup,     // the owning group would let the user in, but the user is not in it
    NewLoginNeeded, // in the group, but not yet in this login
    NoPermission,   // the device's mode lets no group in
    HeldByCopy,     // another copy of this program has it (its lock on the device)
    HeldByProgram,  // another program has it open
};

struct PortDiagnosis
{
    PortProblem m_problem = PortProblem::None;
    std::string m_strDevice;     // as named
    std::string m_strStableName; // Vanished: the by-id name it had
    std::string m_strUser;
    std::string m_strGroup;
    unsigned m_nMode = 0; // NoPermission: the device's permission bits
    int m_nPid = 0;       // Held*: the holder
    std::string m_strProgram;
    // Missing and Vanished: what is there now, as "node (label)".
    std::vector<std::string> m_present;
};

class CPortDiagnosis
{
public:
    // `root` as for CSerialDevices: /dev, /sys and /proc are read below it.
    explicit CPortDiagnosis(std::string root = std::string());

    // The first problem found, in the order a user meets them: the device is
    // not there, may not be opened, is held. This process's own hold counts
    // for nothing.
    PortDiagnosis Diagnose(const std::string& path) const;

    // Why, in the user's terms, and what to do (one paragraph); empty for
    // PortProblem::None.
    static std::string Text(const PortDiagnosis& diagnosis);

private:
    bool FindHolder(const std::string& node, PortDiagnosis& diagnosis) const;
    void ListPresent(PortDiagnosis& diagnosis) const;

    std::string m_strRoot;
};
