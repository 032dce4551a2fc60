// The text readers.
#include "model/TextReaders.h"

// model
#include "model/SignallingTables.h"

// std
#include <cctype>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace
{
constexpr int kMaxFrequencyDecimals = 5;

// The blanks the C library skips; a locale could add others, this reader does not.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view SkipLeadingBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
    {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimBlanks(std::string_view text)
{
    text = SkipLeadingBlanks(text);
    while (!text.empty() && IsBlank(text.back()))
    {
        text.remove_suffix(1);
    }
    return text;
}

// Digits only, at least one; false when the value passes limit.
bool ReadDigits(std::string_view digits, unsigned long long limit, unsigned long long& valueOut)
{
    if (digits.empty())
    {
        return false;
    }
    unsigned long long value = 0;
    for (char c : digits)
    {
        if (!IsDigit(c))
        {
            return false;
        }
        const auto digit = static_cast<unsigned long long>(c - '0');
        if (value > (limit - digit) / 10)
        {
            return false;
        }
        value = value * 10 + digit;
    }
    valueOut = value;
    return true;
}
} // namespace

bool ReadDecimal(std::string_view text, double& valueOut)
{
    text = SkipLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
    {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would take "inf" and "nan", which no form means by a number.
    if (text.empty() || !(IsDigit(text.front()) || text.front() == '.'))
    {
        return false;
    }
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || !std::isfinite(value))
    {
        return false;
    }
    valueOut = negative ? -value : value;
    return true;
}

bool ReadInteger(std::string_view text, int& valueOut)
{
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
    {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // The magnitude of INT_MIN is one more than INT_MAX.
    const unsigned long long limit =
        static_cast<unsigned long long>(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    unsigned long long magnitude = 0;
    if (!ReadDigits(text, limit, magnitude))
    {
        return false;
    }
    valueOut = negative ? static_cast<int>(-static_cast<long long>(magnitude))
                        : static_cast<int>(magnitude);
    return true;
}

bool ReadUnsigned(std::string_view text, unsigned& valueOut)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
    {
        text.remove_prefix(1);
    }
    unsigned long long value = 0;
    if (!ReadDigits(text, std::numeric_limits<unsigned>::max(), value))
    {
        return false;
    }
    valueOut = static_cast<unsigned>(value);
    return true;
}

bool ReadHexLeading(std::string_view text, std::int64_t& valueOut)
{
    text = SkipLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
    {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int digit = 0;
    // "0x" counts as a prefix only when a digit follows it; else the 0 is the number.
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        ReadHexDigit(text[2], digit))
    {
        text.remove_prefix(2);
    }
    constexpr std::int64_t kLimit = 0x80000000LL;
    std::int64_t value = 0;
    std::size_t count = 0;
    for (; count < text.size() && ReadHexDigit(text[count], digit); ++count)
    {
        value = std::min<std::int64_t>(value * 16 + digit, kLimit);
    }
    if (count == 0)
    {
        return false;
    }
    valueOut = negative ? -value : std::min<std::int64_t>(value, kLimit - 1);
    return true;
}

bool ReadHexDigit(char c, int& valueOut)
{
    if (IsDigit(c))
    {
        valueOut = c - '0';
        return true;
    }
    if (c >= 'A' && c <= 'F')
    {
        valueOut = c - 'A' + 10;
        return true;
    }
    if (c >= 'a' && c <= 'f')
    {
        valueOut = c - 'a' + 10;
        return true;
    }
    return false;
}

bool ReadHex(std::string_view text, std::uint32_t& valueOut)
{
    if (text.empty())
    {
        return false;
    }
    std::uint64_t value = 0;
    for (char c : text)
    {
        int digit = 0;
        if (!ReadHexDigit(c, digit))
        {
            return false;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFULL)
        {
            return false;
        }
    }
    valueOut = static_cast<std::uint32_t>(value);
    return true;
}

bool ReadDcsCode(std::string_view text, int& valueOut)
{
    const bool inverted = !text.empty() && text.front() == '-';
    if (inverted)
    {
        text.remove_prefix(1);
    }
    // The digits read twice: as decimal digits to find the code in the list, as
    // octal digits for the value the radio keeps. Leading zeros ("023") are the
    // usual way to type a code.
    int digits = 0;
    int octal = 0;
    for (char c : text)
    {
        if (c < '0' || c > '7')
        {
            return false;
        }
        if (digits > 777)
        {
            return false; // past the longest code; also keeps the sums small
        }
        digits = digits * 10 + (c - '0');
        octal = octal * 8 + (c - '0');
    }
    if (digits == 0 || !IsDcsCode(digits))
    {
        return false;
    }
    valueOut = inverted ? -octal : octal;
    return true;
}

bool ReadFrequency(std::string_view text, double& mhzOut)
{
    text = TrimBlanks(text);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto allDigits = [](std::string_view part)
    { return std::all_of(part.begin(), part.end(), IsDigit); };
    if (whole.empty() && fraction.empty())
    {
        return false; // "" or "."
    }
    if (!allDigits(whole) || !allDigits(fraction))
    {
        return false;
    }
    // Decimals past the fifth would fall between two points of the 10 Hz grid.
    const std::size_t significant = fraction.find_last_not_of('0') + 1;
    if (significant > kMaxFrequencyDecimals)
    {
        return false;
    }
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value))
    {
        return false;
    }
    mhzOut = value;
    return true;
}

FrequencyTextFault FrequencyFaultOf(std::string_view text)
{
    double mhz = 0.0;
    if (ReadFrequency(text, mhz))
    {
        return FrequencyTextFault::None;
    }
    text = TrimBlanks(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
    {
        // What follows the sign says whether the sign is all that is wrong.
        const FrequencyTextFault rest = FrequencyFaultOf(text.substr(1));
        return rest == FrequencyTextFault::NotANumber ? rest : FrequencyTextFault::Sign;
    }
    // Digits with a point: only the decimals can be what is refused.
    const bool digitsAndPoint =
        std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; });
    const bool onePoint = std::count(text.begin(), text.end(), '.') == 1 && text.size() > 1;
    return digitsAndPoint && onePoint ? FrequencyTextFault::Decimals
                                      : FrequencyTextFault::NotANumber;
}

bool ReadHexNibble(char c, int& nibbleOut)
{
    if (c == ' ')
    {
        nibbleOut = 15;
        return true;
    }
    int digit = 0;
    if (!ReadHexDigit(c, digit) || digit == 15)
    {
        return false;
    }
    nibbleOut = digit;
    return true;
}

bool ReadHexNibbleText(std::string_view text, std::string& textOut)
{
    std::string upper(text);
    for (char& c : upper)
    {
        int nibble = 0;
        if (!ReadHexNibble(c, nibble))
        {
            return false;
        }
        if (c >= 'a' && c <= 'e')
        {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    textOut = std::move(upper);
    return true;
}

bool ReadDtmfNibble(char c, int& nibbleOut)
{
    if (IsDigit(c))
    {
        nibbleOut = c - '0';
        return true;
    }
    switch (c)
    {
    case '#':
        nibbleOut = 10;
        return true;
    case '*':
        nibbleOut = 11;
        return true;
    case ' ':
        nibbleOut = 15;
        return true;
    default:
        return false;
    }
}

bool SameWordIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y)
                      {
                          return std::tolower(static_cast<unsigned char>(x)) ==
                                 std::tolower(static_cast<unsigned char>(y));
                      });
}
