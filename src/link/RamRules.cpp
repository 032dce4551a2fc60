// RAM request checks.

// own
#include "link/RamRules.h"
#include "link/LinkTexts.h"

// std
#include <algorithm>
#include <cctype>

bool CRamRules::ParseHex(const std::string& text, std::uint32_t& value)
{
    std::size_t pos = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        pos = 2;
    if (pos == text.size() || text.size() - pos > 8)
        return false;
    std::uint32_t result = 0;
    for (; pos < text.size(); ++pos)
    {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (!std::isxdigit(c))
            return false;
        result = result * 16 +
                 static_cast<std::uint32_t>(std::isdigit(c) ? c - '0' : std::toupper(c) - 'A' + 10);
    }
    value = result;
    return true;
}

std::int64_t CRamRules::ReadHexLeading(const std::string& text)
{
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    // "0x" counts as a prefix only when a digit follows it.
    if (pos + 2 < text.size() && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
        std::isxdigit(static_cast<unsigned char>(text[pos + 2])))
        pos += 2;
    constexpr std::int64_t kLimit = 0x80000000LL;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos)
    {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (!std::isxdigit(c))
            break;
        const int digit = std::isdigit(c) ? c - '0' : std::toupper(c) - 'A' + 10;
        value = std::min<std::int64_t>(value * 16 + digit, kLimit);
    }
    return negative ? -value : std::min<std::int64_t>(value, kLimit - 1);
}

const char* CRamRules::CheckRead(std::uint32_t address, std::int64_t count)
{
    if (address >= kReadLimit)
        return kSetAddressErrorText;
    if (count < 0 || count > static_cast<std::int64_t>(kMaxReadCount) ||
        address + static_cast<std::uint64_t>(count) > kReadLimit)
        return kSetByteErrorText;
    return nullptr;
}

const char* CRamRules::CheckWrite(std::uint32_t address, std::uint32_t count)
{
    if (count < 1 || count > kMaxWriteCount)
        return kSetByteErrorText;
    if (address < kWriteFirst || address > kWriteLast - (count - 1))
        return kHexAddressErrorText;
    return nullptr;
}
