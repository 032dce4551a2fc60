// Any bytes as "Comport.ini": the port choice and the port map read from it,
// then one key written. Writing must leave that key reading back as written
// and every other key reading as it did.

// own
#include "FuzzInput.h"
#include "FuzzScratch.h"

// link
#include "link/PortMap.h"
#include "link/ProfileFile.h"

// std
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace
{
[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "Comport.ini: %s\n", what);
    std::abort();
}

// Names as a caller would pass them: letters and digits only.
std::string Name(const std::string& raw, const char* fallback)
{
    std::string name;
    for (const char c : raw)
    {
        if (std::isalnum(static_cast<unsigned char>(c)))
        {
            name += c;
        }
    }
    return name.empty() ? fallback : name;
}

// A value as a caller would pass it: one line, no blanks at either end.
std::string Value(const std::string& raw)
{
    std::string value;
    for (const char c : raw)
    {
        if (c != '\r' && c != '\n' && c != '\0')
        {
            value += c;
        }
    }
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string::npos)
    {
        return {};
    }
    return value.substr(first, value.find_last_not_of(" \t") - first + 1);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
    {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i)
    {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
        {
            return false;
        }
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CFuzzScratch& scratch = CFuzzScratch::Instance();
    CFuzzInput input(data, size);
    const std::string section = Name(input.TakeString('\n'), "AppComport");
    const std::string key = Name(input.TakeString('\n'), "Value");
    const std::string value = Value(input.TakeString('\n'));
    const std::string otherSection = Name(input.TakeString('\n'), "Devices");
    const std::string otherKey = Name(input.TakeString('\n'), "COM1");
    const std::vector<std::uint8_t> file = input.TakeRest();

    const std::string path = scratch.PathOf("Comport.ini");
    if (!scratch.WriteFile(path, file.data(), file.size()))
    {
        Fail("the scratch file could not be written");
    }

    CProfileFile profile(path);
    (void)profile.ReadInt("AppComport", "Value", 1);
    CPortMap map;
    map.Load(profile);
    for (int port = 1; port <= CPortMap::kPortCount; ++port)
    {
        std::string device;
        if (!map.Resolve("COM" + std::to_string(port), device) || device != map.DevicePath(port))
        {
            Fail("a port name does not resolve through the map");
        }
    }

    const std::string kAbsent = "(absent)";
    const std::string otherBefore = profile.ReadString(otherSection, otherKey, kAbsent);
    if (!profile.WriteString(section, key, value))
    {
        Fail("a writable file was not written");
    }
    if (profile.ReadString(section, key, kAbsent) != value)
    {
        Fail("a written key does not read back as written");
    }
    const bool sameKey = SameName(section, otherSection) && SameName(key, otherKey);
    if (!sameKey && profile.ReadString(otherSection, otherKey, kAbsent) != otherBefore)
    {
        Fail("writing one key changed another");
    }
    return 0;
}
