// Profile-file reading and writing.

// own
#include "link/ProfileFile.h"

// std
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace
{
std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
    {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y)
                      {
                          return std::tolower(static_cast<unsigned char>(x)) ==
                                 std::tolower(static_cast<unsigned char>(y));
                      });
}

// "[Name]" gives Name; anything else is not a section header.
bool SectionName(const std::string& line, std::string& name)
{
    const std::string text = Trim(line);
    if (text.size() < 2 || text.front() != '[')
    {
        return false;
    }
    const auto close = text.find(']');
    if (close == std::string::npos)
    {
        return false;
    }
    name = Trim(text.substr(1, close - 1));
    return true;
}

bool KeyValue(const std::string& line, std::string& key, std::string& value)
{
    const std::string text = Trim(line);
    if (text.empty() || text.front() == ';')
    {
        return false;
    }
    const auto equals = text.find('=');
    if (equals == std::string::npos)
    {
        return false;
    }
    key = Trim(text.substr(0, equals));
    value = Trim(text.substr(equals + 1));
    return true;
}
} // namespace

CProfileFile::CProfileFile(std::string path) : m_strPath(std::move(path)) {}

std::vector<std::string> CProfileFile::ReadLines(bool& crlf) const
{
    std::vector<std::string> lines;
    crlf = false;
    std::ifstream in(m_strPath, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
            crlf = true;
        }
        lines.push_back(line);
    }
    return lines;
}

bool CProfileFile::Find(const std::string& section, const std::string& key,
                        std::string& value) const
{
    bool crlf = false;
    bool inSection = false;
    for (const std::string& line : ReadLines(crlf))
    {
        std::string name;
        std::string lineKey;
        std::string lineValue;
        if (SectionName(line, name))
        {
            inSection = SameName(name, section);
        }
        else if (inSection && KeyValue(line, lineKey, lineValue) && SameName(lineKey, key))
        {
            value = lineValue;
            return true;
        }
    }
    return false;
}

int CProfileFile::ReadInt(const std::string& section, const std::string& key,
                          int defaultValue) const
{
    std::string value;
    if (!Find(section, key, value))
    {
        return defaultValue;
    }
    std::size_t pos = 0;
    bool negative = false;
    if (pos < value.size() && (value[pos] == '-' || value[pos] == '+'))
    {
        negative = value[pos++] == '-';
    }
    long long result = 0;
    while (pos < value.size() && std::isdigit(static_cast<unsigned char>(value[pos])) &&
           result < 0x80000000LL)
    {
        result = result * 10 + (value[pos++] - '0');
    }
    result = std::min(result, 0x7FFFFFFFLL);
    return static_cast<int>(negative ? -result : result);
}

std::string CProfileFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const
{
    std::string value;
    return Find(section, key, value) ? value : defaultValue;
}

bool CProfileFile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value)
{
    bool crlf = false;
    std::vector<std::string> lines = ReadLines(crlf);
    const std::string entry = key + "=" + value;

    bool inSection = false;
    bool sectionSeen = false;
    bool written = false;
    std::size_t insertAt = lines.size();
    for (std::size_t i = 0; i < lines.size() && !written; ++i)
    {
        std::string name;
        std::string lineKey;
        std::string lineValue;
        if (SectionName(lines[i], name))
        {
            if (inSection)
            {
                break; // the key is not in its section: add it before the next one
            }
            inSection = SameName(name, section);
            sectionSeen = sectionSeen || inSection;
            if (inSection)
            {
                insertAt = i + 1;
            }
        }
        else if (inSection)
        {
            if (KeyValue(lines[i], lineKey, lineValue) && SameName(lineKey, key))
            {
                lines[i] = entry;
                written = true;
            }
            else if (!Trim(lines[i]).empty())
            {
                insertAt = i + 1;
            }
        }
    }
    if (!written)
    {
        if (sectionSeen)
        {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
        }
        else
        {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }

    // Written beside the file and renamed over it, so a failed write never
    // leaves a half-written settings file.
    const std::string temp = m_strPath + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
        {
            return false;
        }
        for (const std::string& line : lines)
        {
            out << line << (crlf ? "\r\n" : "\n");
        }
        out.flush();
        if (!out)
        {
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), m_strPath.c_str()) != 0)
    {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
