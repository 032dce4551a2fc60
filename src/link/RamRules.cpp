// RAM request checks.

// own
#include "link/RamRules.h"
#include "link/LinkTexts.h"

// model
#include "model/TextReaders.h"

// std
#include <string_view>

bool CRamRules::ParseHex(const std::string& text, std::uint32_t& value)
{
    std::string_view digits(text);
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
    {
        digits.remove_prefix(2);
    }
    // The 32-bit limit alone would still take leading zeros past eight digits.
    if (digits.size() > 8)
    {
        return false;
    }
    return ReadHex(digits, value);
}

const char* CRamRules::CheckRead(std::uint32_t address, std::int64_t count)
{
    if (address >= kReadLimit)
    {
        return kSetAddressErrorText;
    }
    if (count < 0 || count > static_cast<std::int64_t>(kMaxReadCount) ||
        address + static_cast<std::uint64_t>(count) > kReadLimit)
    {
        return kSetByteErrorText;
    }
    return nullptr;
}

const char* CRamRules::CheckWrite(std::uint32_t address, std::uint32_t count)
{
    if (count < 1 || count > kMaxWriteCount)
    {
        return kSetByteErrorText;
    }
    if (address < kWriteFirst || address > kWriteLast - (count - 1))
    {
        return kHexAddressErrorText;
    }
    return nullptr;
}
