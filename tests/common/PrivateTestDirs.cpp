// Private per-process folders for tests.

// own
#include "PrivateTestDirs.h"

// std
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace
{
bool MakePrivateFolder(const std::string& path)
{
    return ::mkdir(path.c_str(), 0700) == 0;
}

bool PointAt(const char* variable, const std::string& path)
{
    return MakePrivateFolder(path) && ::setenv(variable, path.c_str(), 1) == 0;
}
} // namespace

CPrivateTestDirs::~CPrivateTestDirs()
{
    if (m_strRoot.empty())
    {
        return;
    }
    std::error_code error;
    std::filesystem::remove_all(m_strRoot, error);
}

bool CPrivateTestDirs::Create(bool withHome)
{
    std::error_code error;
    std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    if (error)
    {
        temp = "/tmp";
    }
    std::string pattern = (temp / "vesk4-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
    {
        return false;
    }
    m_strRoot = pattern;
    if (!PointAt("XDG_RUNTIME_DIR", m_strRoot + "/run"))
    {
        return false;
    }
    if (!withHome)
    {
        return true;
    }
    const std::string home = m_strRoot + "/home";
    return PointAt("HOME", home) && PointAt("XDG_CONFIG_HOME", home + "/.config") &&
           PointAt("XDG_CACHE_HOME", home + "/.cache") && MakePrivateFolder(home + "/.local") &&
           PointAt("XDG_DATA_HOME", home + "/.local/share") &&
           PointAt("XDG_STATE_HOME", home + "/.local/state");
}
