// Whole files read and written in one call, and a scratch folder of a test's
// own, for every test program and the benchmarks.
#pragma once

// std
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An empty result when the file cannot be read: the comparison that follows
// then fails and says so.
std::string ReadText(const std::string& path);
std::vector<std::uint8_t> ReadFile(const std::string& path);
// Replace the file's content; false when it could not be written whole.
bool WriteText(const std::string& path, std::string_view text);
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

// A fresh folder in the temporary directory, removed with everything in it
// when the object goes.
class CScratchDir
{
public:
    // name is part of the folder's name, to tell whose it is; mode 0777 lets
    // a program run as another user write there too.
    explicit CScratchDir(const std::string& name, unsigned mode = 0700);
    ~CScratchDir();
    CScratchDir(const CScratchDir&) = delete;
    CScratchDir& operator=(const CScratchDir&) = delete;

    bool IsValid() const { return !m_strPath.empty(); }
    const std::string& Path() const { return m_strPath; }
    std::string Path(const std::string& name) const { return m_strPath + "/" + name; }

private:
    std::string m_strPath;
};
