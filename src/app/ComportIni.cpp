// Reading and writing the port choice in "Comport.ini".
//
// A small reader and writer of Windows profile files, enough for one key. Kept
// apart so that it can give way to a shared profile-file class.

// own
#include "app/ComportIni.h"

// std
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace
{
constexpr char kSection[] = "AppComport";
constexpr char kKey[] = "Value";

std::string Trim(const std::string& text)
{
    const auto notBlank = [](unsigned char c) { return !std::isspace(c); };
    const auto first = std::find_if(text.begin(), text.end(), notBlank);
    const auto last = std::find_if(text.rbegin(), text.rend(), notBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](unsigned char x, unsigned char y)
                                              { return std::tolower(x) == std::tolower(y); });
}

// The section name of a "[name]" line, or false.
bool SectionName(const std::string& line, std::string& nameOut)
{
    const std::string text = Trim(line);
    if (text.size() < 2 || text.front() != '[')
    {
        return false;
    }
    const std::size_t close = text.find(']');
    if (close == std::string::npos)
    {
        return false;
    }
    nameOut = Trim(text.substr(1, close - 1));
    return true;
}

// Key and value of a "key=value" line, or false.
bool KeyValue(const std::string& line, std::string& keyOut, std::string& valueOut)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
    {
        return false;
    }
    keyOut = Trim(line.substr(0, equals));
    valueOut = Trim(line.substr(equals + 1));
    return true;
}

std::vector<std::string> ReadLines(const std::string& path, bool& existsOut)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    existsOut = static_cast<bool>(in);
    std::string line;
    while (in && std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// Integer conversion of a profile value: optional sign, decimal or "0x" hex,
// stopping at the first character that does not belong to the number.
long long ParseProfileInt(const std::string& text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
    {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X'))
    {
        base = 16;
        i += 2;
    }
    long long value = 0;
    for (; i < text.size(); ++i)
    {
        const int c = std::tolower(static_cast<unsigned char>(text[i]));
        int digit = -1;
        if (c >= '0' && c <= '9')
        {
            digit = c - '0';
        }
        else if (base == 16 && c >= 'a' && c <= 'f')
        {
            digit = c - 'a' + 10;
        }
        if (digit < 0)
        {
            break;
        }
        // Saturate rather than overflow on absurd values; only zero versus
        // nonzero and -1 matter to the caller.
        value = std::min<long long>(value * base + digit, 0xFFFFFFFFLL);
    }
    return negative ? -value : value;
}
} // namespace

int CComportIni::ReadValue(const std::string& iniPath, int defaultValue)
{
    bool exists = false;
    const std::vector<std::string> lines = ReadLines(iniPath, exists);
    bool inSection = false;
    for (const std::string& line : lines)
    {
        std::string name;
        std::string key;
        std::string value;
        if (SectionName(line, name))
        {
            inSection = EqualNoCase(name, kSection);
        }
        else if (inSection && KeyValue(line, key, value) && EqualNoCase(key, kKey))
        {
            if (value.empty())
            {
                return defaultValue;
            }
            // The profile functions hand back a 32-bit integer.
            return static_cast<int>(static_cast<std::uint32_t>(ParseProfileInt(value)));
        }
    }
    return defaultValue;
}

bool CComportIni::WriteValue(const std::string& iniPath, const std::string& value)
{
    bool exists = false;
    std::vector<std::string> lines = ReadLines(iniPath, exists);
    const std::string entry = std::string(kKey) + "=" + value;

    bool inSection = false;
    bool written = false;
    std::size_t sectionEnd = lines.size(); // insert point of a missing key
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i)
    {
        std::string name;
        std::string key;
        std::string old;
        if (SectionName(lines[i], name))
        {
            if (inSection)
            {
                break; // key missing from our section: insert before this one
            }
            inSection = EqualNoCase(name, kSection);
            if (inSection)
            {
                sectionFound = true;
                sectionEnd = i + 1;
            }
        }
        else if (inSection)
        {
            if (KeyValue(lines[i], key, old) && EqualNoCase(key, kKey))
            {
                lines[i] = entry;
                written = true;
            }
            else if (!Trim(lines[i]).empty())
            {
                sectionEnd = i + 1;
            }
        }
    }
    if (!written)
    {
        if (sectionFound)
        {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
        }
        else
        {
            lines.push_back(std::string("[") + kSection + "]");
            lines.push_back(entry);
        }
    }

    std::ostringstream text;
    for (const std::string& line : lines)
    {
        text << line << "\r\n";
    }
    std::ofstream out(iniPath, std::ios::binary | std::ios::trunc);
    out << text.str();
    out.flush();
    return static_cast<bool>(out);
}
