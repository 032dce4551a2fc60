// Port diagnosis from the device node, the user's groups and /proc.

// own
#include "link/PortDiagnosis.h"
#include "link/LinkTexts.h"
#include "link/SerialDevices.h"

// std
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
std::string Fill(std::string text, const std::string& mark, const std::string& value)
{
    for (std::size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + value.size()))
    {
        text.replace(at, mark.size(), value);
    }
    return text;
}

std::string GroupName(gid_t gid)
{
    const group* entry = ::getgrgid(gid);
    return entry ? entry->gr_name : std::to_string(gid);
}

// Whether this process counts `gid` among its groups now.
bool InProcessGroups(gid_t gid)
{
    if (::getegid() == gid)
    {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count > 0 && ::getgroups(count, groups.data()) == count)
    {
        for (gid_t member : groups)
        {
            if (member == gid)
            {
                return true;
            }
        }
    }
    return false;
}

// Whether the group database puts `user` in `gid`: what the next login gets.
bool InDatabaseGroups(const std::string& user, gid_t primary, gid_t gid)
{
    int count = 64;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (::getgrouplist(user.c_str(), primary, groups.data(), &count) < 0)
    {
        groups.resize(static_cast<std::size_t>(count));
        if (::getgrouplist(user.c_str(), primary, groups.data(), &count) < 0)
        {
            return false;
        }
    }
    groups.resize(static_cast<std::size_t>(count));
    for (gid_t member : groups)
    {
        if (member == gid)
        {
            return true;
        }
    }
    return false;
}

std::string ProgramName(const std::string& proc, int pid)
{
    std::ifstream in(proc + "/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(in, name);
    return name;
}

// A holder found by its lock or by an open descriptor is told the same way:
// another copy of this program is named as one.
void NameHolder(PortDiagnosis& diagnosis, const std::string& proc, int pid)
{
    diagnosis.m_nPid = pid;
    diagnosis.m_strProgram = ProgramName(proc, pid);
    diagnosis.m_problem = diagnosis.m_strProgram.rfind("vesk4", 0) == 0
                              ? PortProblem::HeldByCopy
                              : PortProblem::HeldByProgram;
}
} // namespace

CPortDiagnosis::CPortDiagnosis(std::string root) : m_strRoot(std::move(root))
{
    while (!m_strRoot.empty() && m_strRoot.back() == '/')
    {
        m_strRoot.pop_back();
    }
}

void CPortDiagnosis::ListPresent(PortDiagnosis& diagnosis) const
{
    for (const SerialDevice& device : CSerialDevices(m_strRoot).Scan())
    {
        const std::string label = CSerialDevices::Label(device);
        diagnosis.m_present.push_back(device.StablePath() +
                                      (label.empty() ? std::string() : " (" + label + ")"));
    }
}

bool CPortDiagnosis::FindHolder(const std::string& node, PortDiagnosis& diagnosis) const
{
    struct stat device = {};
    if (::stat(node.c_str(), &device) != 0)
    {
        return false;
    }
    const std::string proc = m_strRoot + "/proc";
    const int self = static_cast<int>(::getpid());

    // A lock on the device is what this program's serial backend takes; the
    // kernel names its holder.
    std::ifstream locks(proc + "/locks");
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%02x:%02x:%lu", major(device.st_dev),
                  minor(device.st_dev), static_cast<unsigned long>(device.st_ino));
    for (std::string line; std::getline(locks, line);)
    {
        std::istringstream fields(line);
        std::string id, kind, mode, access, where;
        int pid = 0;
        if (!(fields >> id >> kind >> mode >> access >> pid >> where) || kind != "FLOCK" ||
            where != wanted || pid == self)
        {
            continue;
        }
        NameHolder(diagnosis, proc, pid);
        return true;
    }

    // Programs that open without a lock (a braille service, a modem
    // manager): any open descriptor on the same device.
    std::error_code error;
    for (const auto& process : fs::directory_iterator(proc, error))
    {
        const std::string name = process.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
        {
            continue;
        }
        const int pid = std::stoi(name);
        if (pid == self)
        {
            continue;
        }
        std::error_code fdError;
        for (const auto& fd : fs::directory_iterator(process.path() / "fd", fdError))
        {
            struct stat held = {};
            if (::stat(fd.path().c_str(), &held) == 0 && held.st_dev == device.st_dev &&
                held.st_ino == device.st_ino)
            {
                NameHolder(diagnosis, proc, pid);
                return true;
            }
        }
    }
    return false;
}

PortDiagnosis CPortDiagnosis::Diagnose(const std::string& path) const
{
    PortDiagnosis diagnosis;
    diagnosis.m_strDevice = path;
    std::error_code error;
    const bool isLink = fs::is_symlink(path, error);
    struct stat node = {};
    if (::stat(path.c_str(), &node) != 0)
    {
        // A stable name whose link is gone or dangles: the device was there.
        const std::string byId = m_strRoot + "/dev/serial/by-";
        if (isLink || path.rfind(byId, 0) == 0)
        {
            diagnosis.m_problem = PortProblem::Vanished;
            diagnosis.m_strStableName = fs::path(path).filename().string();
        }
        else
        {
            diagnosis.m_problem = PortProblem::Missing;
        }
        ListPresent(diagnosis);
        return diagnosis;
    }

    const passwd* account = ::getpwuid(::getuid());
    diagnosis.m_strUser = account ? account->pw_name : std::to_string(::getuid());
    if (::access(path.c_str(), R_OK | W_OK) != 0)
    {
        diagnosis.m_strGroup = GroupName(node.st_gid);
        diagnosis.m_nMode = node.st_mode & 07777;
        const bool groupMayUse = (node.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
        if (!groupMayUse || node.st_gid == 0)
        {
            diagnosis.m_problem = PortProblem::NoPermission;
        }
        else if (!InProcessGroups(node.st_gid) && account &&
                 InDatabaseGroups(diagnosis.m_strUser, account->pw_gid, node.st_gid))
        {
            diagnosis.m_problem = PortProblem::NewLoginNeeded;
        }
        else
        {
            diagnosis.m_problem = PortProblem::NotInGroup;
        }
        return diagnosis;
    }

    (void)FindHolder(path, diagnosis);
    return diagnosis;
}

std::string CPortDiagnosis::Text(const PortDiagnosis& diagnosis)
{
    std::string text;
    switch (diagnosis.m_problem)
    {
    case PortProblem::None:
        return {};
    case PortProblem::Vanished:
        text = Fill(kDiagnoseVanished, "{name}", diagnosis.m_strStableName);
        break;
    case PortProblem::Missing:
        text = Fill(kDiagnoseMissing, "{path}", diagnosis.m_strDevice);
        break;
    case PortProblem::NotInGroup:
        text = kDiagnoseNotInGroup;
        break;
    case PortProblem::NewLoginNeeded:
        text = kDiagnoseNewLogin;
        break;
    case PortProblem::NoPermission:
    {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", diagnosis.m_nMode);
        text = Fill(kDiagnoseNoPermission, "{mode}", mode);
        break;
    }
    case PortProblem::HeldByCopy:
        text = kDiagnoseHeldByCopy;
        break;
    case PortProblem::HeldByProgram:
        text = diagnosis.m_strProgram == "brltty"         ? kDiagnoseHeldByBrltty
               : diagnosis.m_strProgram == "ModemManager" ? kDiagnoseHeldByModemManager
                                                          : kDiagnoseHeldBy;
        break;
    }
    text = Fill(text, "{user}", diagnosis.m_strUser);
    text = Fill(text, "{group}", diagnosis.m_strGroup);
    text = Fill(text, "{pid}", std::to_string(diagnosis.m_nPid));
    text = Fill(text, "{program}", diagnosis.m_strProgram);
    if (diagnosis.m_problem == PortProblem::Vanished || diagnosis.m_problem == PortProblem::Missing)
    {
        std::string list;
        for (const std::string& present : diagnosis.m_present)
        {
            list += (list.empty() ? "" : ", ") + present;
        }
        text += list.empty() ? std::string(kDiagnoseNonePresent)
                             : Fill(kDiagnosePresent, "{list}", list);
    }
    return text;
}
