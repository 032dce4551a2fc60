// A private scratch folder for one fuzzing process: the files a target hands
// to a reader, and the runtime folder that holds the port lock, so a fuzzer
// never touches a real settings file or stalls a real transfer.
#pragma once

// std
#include <cstdint>
#include <string>
#include <vector>

class CFuzzScratch
{
public:
    // Created on first use and removed when the process ends normally.
    static CFuzzScratch& Instance();

    const std::string& Folder() const { return m_strFolder; }
    std::string PathOf(const std::string& name) const { return m_strFolder + "/" + name; }
    // Replaces the file's contents; false when it could not be written whole.
    [[nodiscard]] bool WriteFile(const std::string& path, const std::uint8_t* data,
                                 std::size_t size) const;
    static bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes);

    ~CFuzzScratch();
    CFuzzScratch(const CFuzzScratch&) = delete;
    CFuzzScratch& operator=(const CFuzzScratch&) = delete;

private:
    CFuzzScratch();

    std::string m_strFolder;
};
