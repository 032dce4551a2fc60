// A settings file in the Windows profile format ("[Section]" lines followed by
// "key=value" lines), as "Comport.ini" is kept.
#pragma once

// std
#include <string>
#include <vector>

// Section and key names compare without regard to case, as in the original
// format. Writing keeps every other line of the file as it was.
class CProfileFile
{
public:
    explicit CProfileFile(std::string path);

    const std::string& Path() const { return m_strPath; }

    // The leading decimal number of the value (an optional sign, digits up to
    // the first other character; none reads as 0); defaultValue when the file,
    // the section or the key is missing.
    [[nodiscard]] int ReadInt(const std::string& section, const std::string& key,
                              int defaultValue) const;
    [[nodiscard]] std::string ReadString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) const;
    // Replaces the key's value, adds the key at the end of its section, or adds
    // the section at the end of the file. False when the file cannot be written.
    [[nodiscard]] bool WriteString(const std::string& section, const std::string& key,
                                   const std::string& value);

private:
    [[nodiscard]] bool Find(const std::string& section, const std::string& key,
                            std::string& value) const;
    std::vector<std::string> ReadLines(bool& crlf) const;

    std::string m_strPath;
};
