// Byte packing and the nibble text codes.

// own
#include "model/ByteCodec.h"

// model
#include "model/TextReaders.h"

// std
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
// Encoding never fails: a character the code has no nibble for is stored as
// the blank nibble 15 (so is "F", which is 15 already).
int HexNibbleCode(char c)
{
    int nibble = 15;
    return ReadHexNibble(c, nibble) ? nibble : 15;
}

int DtmfNibbleCode(char c)
{
    int nibble = 15;
    return ReadDtmfNibble(c, nibble) ? nibble : 15;
}

template <typename CodeOf>
void EncodeNibbles(std::string_view text, std::uint8_t* dest, int count, CodeOf codeOf)
{
    if (dest == nullptr || count <= 0)
    {
        return;
    }
    const std::size_t n = std::min(static_cast<std::size_t>(count), text.size());
    for (std::size_t i = 0; i < n; ++i)
    {
        const int code = codeOf(text[i]);
        std::uint8_t& byte = dest[i / 2];
        if (i % 2 == 0)
        {
            byte = static_cast<std::uint8_t>(code * 16 + 15);
        }
        else
        {
            byte = static_cast<std::uint8_t>((byte & 0xF0) | code);
        }
    }
}

int NibbleAt(const std::uint8_t* source, int i)
{
    const std::uint8_t byte = source[i / 2];
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

// Reads a decimal number from the start of text, stopping at the first non-digit.
int LeadingDecimal(std::string_view text)
{
    int value = 0;
    for (char c : text)
    {
        if (c < '0' || c > '9')
        {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// The value in its digits, or as many blanks when it does not fit them.
std::string Digits(int value, int width, int low, int high)
{
    if (value < low || value > high)
    {
        return std::string(static_cast<std::size_t>(width), ' ');
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return std::string(buffer);
}

constexpr int kDateBytes = 4;
constexpr int kDateDigits = 2 * kDateBytes;
} // namespace

namespace ByteCodec
{
int PackBigEndian(std::uint32_t value, std::uint8_t* dest, int count)
{
    if (dest == nullptr || count <= 0)
    {
        return 0;
    }
    for (int i = 0; i < count; ++i)
    {
        const int shift = 8 * (count - 1 - i);
        dest[i] = shift >= 32 ? 0 : static_cast<std::uint8_t>(value >> shift);
    }
    return count;
}

void EncodeHex(std::string_view text, std::uint8_t* dest, int count)
{
    EncodeNibbles(text, dest, count, HexNibbleCode);
}

void EncodeDtmf(std::string_view text, std::uint8_t* dest, int count)
{
    EncodeNibbles(text, dest, count, DtmfNibbleCode);
}

void DecodeHex(std::string& textOut, const std::uint8_t* source, int& count)
{
    textOut.clear();
    if (count < 1 || source == nullptr)
    {
        count = 0;
        return;
    }
    static constexpr char kHex[] = "0123456789ABCDE ";
    for (int i = 0; i < count; ++i)
    {
        textOut.push_back(kHex[NibbleAt(source, i)]);
    }
}

bool DecodeDtmf(std::string& textOut, const std::uint8_t* source, int& count)
{
    textOut.clear();
    if (count < 1 || source == nullptr)
    {
        count = 0;
        return true;
    }
    static constexpr char kDtmf[] = "0123456789#*\0\0\0 ";
    for (int i = 0; i < count; ++i)
    {
        const int nibble = NibbleAt(source, i);
        if (nibble >= 12 && nibble <= 14)
        {
            count = i;
            return false;
        }
        textOut.push_back(kDtmf[nibble]);
    }
    return true;
}

void EncodeDate(int year, int month, int day, std::uint8_t* dest)
{
    const std::string text =
        Digits(year, 4, 0, 9999) + Digits(month, 2, 1, 12) + Digits(day, 2, 1, 31);
    std::memset(dest, 0xFF, kDateBytes);
    EncodeHex(text, dest, kDateDigits);
}

void DecodeDate(const std::uint8_t* source, int& yearOut, int& monthOut, int& dayOut)
{
    std::string text;
    int count = kDateDigits;
    DecodeHex(text, source, count);
    const std::string_view view(text);
    yearOut = LeadingDecimal(view.substr(0, 4));
    monthOut = LeadingDecimal(view.substr(4, 2));
    dayOut = LeadingDecimal(view.substr(6, 2));
}
} // namespace ByteCodec
