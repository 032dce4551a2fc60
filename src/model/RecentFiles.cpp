// The recent-files list and its file.

// own
#include "model/RecentFiles.h"
#include "model/FileAccess.h"

// std
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

CRecentFiles::CRecentFiles(std::string path) : m_strPath(std::move(path)) {}

std::string CRecentFiles::DefaultPath()
{
    // A relative XDG_CONFIG_HOME is invalid and to be ignored.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
    {
        return (fs::path(config) / "vesk4" / kFileName).string();
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
    {
        return (fs::path(home) / ".config" / "vesk4" / kFileName).string();
    }
    return {};
}

void CRecentFiles::Load()
{
    m_files.clear();
    if (m_strPath.empty())
    {
        return;
    }
    std::ifstream file(m_strPath);
    std::string line;
    while (m_files.size() < kMaxFiles && std::getline(file, line))
    {
        // Only absolute paths: a relative one would name another file in
        // every folder the program is started from.
        if (!line.empty() && line[0] == '/' &&
            std::find(m_files.begin(), m_files.end(), line) == m_files.end())
        {
            m_files.push_back(line);
        }
    }
}

bool CRecentFiles::Add(const std::string& file)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(file, ec);
    const std::string entry = ec ? file : absolute.lexically_normal().string();
    // A name with a line break in it could not be read back as one entry.
    if (entry.empty() || entry.find('\n') != std::string::npos)
    {
        return false;
    }
    m_files.erase(std::remove(m_files.begin(), m_files.end(), entry), m_files.end());
    m_files.insert(m_files.begin(), entry);
    if (m_files.size() > kMaxFiles)
    {
        m_files.resize(kMaxFiles);
    }
    if (m_strPath.empty())
    {
        return true;
    }
    std::string text;
    for (const std::string& name : m_files)
    {
        text += name + "\n";
    }
    (void)fs::create_directories(fs::path(m_strPath).parent_path(), ec);
    return SaveFileSafely(m_strPath, reinterpret_cast<const std::uint8_t*>(text.data()),
                          text.size());
}

std::vector<std::string> CRecentFiles::Existing() const
{
    std::vector<std::string> existing;
    std::error_code ec;
    for (const std::string& name : m_files)
    {
        if (fs::is_regular_file(name, ec))
        {
            existing.push_back(name);
        }
    }
    return existing;
}
