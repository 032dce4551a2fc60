// A private scratch folder for one test process, so tests never share the
// port lock, settings or any other per-user state with real use or with
// each other.
#pragma once

// std
#include <string>

class CPrivateTestDirs
{
public:
    CPrivateTestDirs() = default;
    // Removes the folder and everything in it.
    ~CPrivateTestDirs();
    CPrivateTestDirs(const CPrivateTestDirs&) = delete;
    CPrivateTestDirs& operator=(const CPrivateTestDirs&) = delete;

    // Makes the folder (mode 0700) in the temporary directory and points
    // XDG_RUNTIME_DIR into it; with home also HOME and the XDG config,
    // data, cache and state folders, so a windowed program under test
    // reads and writes no real settings.
    [[nodiscard]] bool Create(bool withHome);
    const std::string& Root() const { return m_strRoot; }

private:
    std::string m_strRoot;
};
