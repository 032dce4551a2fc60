// Channel and group name characters.
#include "model/ChannelNames.h"

// model
#include "model/RadioImage.h"

// std
#include <utility>

namespace
{
const std::string kBlankName(kNameLength, ' ');
} // namespace

bool IsNameCharacter(char c)
{
    // Spelled out rather than asked of the C library, whose answer for bytes
    // above 0x7F depends on the locale.
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ' ||
           c == '*' || c == '+' || c == '-' || c == '/' || c == '=';
}

bool NormaliseName(std::string_view text, std::string& nameOut)
{
    if (text.size() > static_cast<std::size_t>(kNameLength))
    {
        return false;
    }
    std::string name(text);
    for (char& c : name)
    {
        if (!IsNameCharacter(c))
        {
            return false;
        }
        if (c >= 'a' && c <= 'z')
        {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    nameOut = std::move(name);
    return true;
}

std::string NameForImage(std::string_view name)
{
    return name.empty() ? kBlankName : std::string(name);
}

std::string NameForDisplay(std::string_view stored)
{
    return stored == kBlankName ? std::string() : std::string(stored);
}
