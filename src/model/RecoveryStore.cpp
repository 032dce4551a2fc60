// The recovery copy of the shared image in the user's state folder.

// own
#include "model/RecoveryStore.h"
#include "model/DumpFile.h"
#include "model/FileAccess.h"

// std
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

// POSIX
#include <signal.h>

namespace fs = std::filesystem;

namespace
{
bool IsRunning(int pid)
{
    // EPERM: it runs, under another user.
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

// The pid a file name of the folder stands for, 0 when it is none of ours.
int PidOfName(const std::string& name)
{
    const std::string extension = CRecoveryStore::kExtension;
    if (name.size() <= extension.size() ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
    {
        return 0;
    }
    const std::string digits = name.substr(0, name.size() - extension.size());
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    {
        return 0;
    }
    return std::atoi(digits.c_str());
}

} // namespace

CRecoveryStore::CRecoveryStore(std::string folder, int pid)
    : m_strFolder(std::move(folder)), m_nPid(pid)
{
}

std::string CRecoveryStore::DefaultFolder()
{
    // A relative XDG_STATE_HOME is invalid and to be ignored.
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/')
    {
        return (fs::path(state) / "vesk4").string();
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
    {
        return (fs::path(home) / ".local" / "state" / "vesk4").string();
    }
    return {};
}

std::string CRecoveryStore::PathOf(int pid, const char* extension) const
{
    return (fs::path(m_strFolder) / (std::to_string(pid) + extension)).string();
}

std::string CRecoveryStore::DumpPath() const
{
    return PathOf(m_nPid, kExtension);
}

std::string CRecoveryStore::SourcePath() const
{
    return PathOf(m_nPid, kSourceExtension);
}

bool CRecoveryStore::Update(bool unsaved, const ImageBlock& block, std::int32_t code,
                            const std::string& source)
{
    if (!unsaved)
    {
        Remove();
        return true;
    }
    if (m_strFolder.empty())
    {
        return false;
    }
    if (m_bWritten && code == m_nWrittenCode && source == m_strWrittenSource &&
        std::memcmp(&block, &m_written, sizeof block) == 0)
    {
        return true;
    }
    if (!MakeOwnerOnlyFolders(m_strFolder))
    {
        return false;
    }
    // The source first: a copy found without its source would be offered as
    // a never-saved image, one found with the source of an older copy only
    // names the file the same image came from.
    const std::string text = source + "\n";
    if (!SaveFileSafely(SourcePath(), reinterpret_cast<const std::uint8_t*>(text.data()),
                        text.size()) ||
        !WriteDumpFile(DumpPath(), block, code))
    {
        return false;
    }
    m_bWritten = true;
    m_written = block;
    m_nWrittenCode = code;
    m_strWrittenSource = source;
    return true;
}

void CRecoveryStore::Remove()
{
    std::error_code ec;
    // The dump first: a source file alone is never offered.
    fs::remove(DumpPath(), ec);
    fs::remove(SourcePath(), ec);
    m_bWritten = false;
}

std::vector<RecoveryCopy> CRecoveryStore::LeftBehind() const
{
    std::vector<RecoveryCopy> copies;
    std::error_code ec;
    if (m_strFolder.empty() || !fs::is_directory(m_strFolder, ec))
    {
        return copies;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(m_strFolder, ec))
    {
        const int pid = PidOfName(entry.path().filename().string());
        if (pid == 0 || pid == m_nPid || IsRunning(pid) || !entry.is_regular_file(ec))
        {
            continue;
        }
        RecoveryCopy copy;
        copy.nPid = pid;
        copy.strDumpPath = entry.path().string();
        std::ifstream sourceFile(PathOf(pid, kSourceExtension));
        std::getline(sourceFile, copy.strSourcePath);
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.nPid < b.nPid; });
    return copies;
}

void CRecoveryStore::Discard(const RecoveryCopy& copy)
{
    std::error_code ec;
    fs::path source = copy.strDumpPath;
    source.replace_extension(kSourceExtension);
    fs::remove(copy.strDumpPath, ec);
    fs::remove(source, ec);
}
