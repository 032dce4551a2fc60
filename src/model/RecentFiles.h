// File > Recent Files: the dump files last opened or saved, newest first, kept
// one path a line in the user's config folder.
#pragma once

// std
#include <cstddef>
#include <string>
#include <vector>

class CRecentFiles
{
public:
    static constexpr std::size_t kMaxFiles = 8;
    static constexpr const char* kFileName = "recent-files";

    // The list is kept in `path`; an empty path keeps it in memory only.
    explicit CRecentFiles(std::string path);

    // $XDG_CONFIG_HOME/vesk4/recent-files when that variable holds an
    // absolute path, else $HOME/.config/vesk4/recent-files; empty when
    // neither is usable.
    static std::string DefaultPath();

    // Reads the kept list; a missing or unreadable file is an empty list.
    void Load();
    // Puts `file` first (once only), drops the oldest beyond kMaxFiles and
    // writes the list back. False when it could not be written.
    [[nodiscard]] bool Add(const std::string& file);
    // The files, newest first, leaving out those that no longer exist.
    std::vector<std::string> Existing() const;
    const std::vector<std::string>& Files() const { return m_files; }

private:
    std::string m_strPath;
    std::vector<std::string> m_files;
};
