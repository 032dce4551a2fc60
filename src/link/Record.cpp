// Record composing and checking.

// own
#include "link/Record.h"

// model
#include "model/TextReaders.h"

namespace
{
void AppendHex(std::string& text, std::uint8_t value)
{
    static const char kDigits[] = "0123456789ABCDEF";
    text += kDigits[value >> 4];
    text += kDigits[value & 0x0F];
}
} // namespace

std::uint8_t CRecord::Checksum(std::uint8_t count, std::uint16_t address, const std::uint8_t* data,
                               std::uint32_t n)
{
    unsigned sum = count + (address >> 8) + (address & 0xFF);
    for (std::uint32_t i = 0; i < n; ++i)
    {
        sum += data[i];
    }
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

std::string CRecord::Compose(const char* type, std::uint16_t address, const std::uint8_t* data,
                             std::uint32_t n)
{
    if (n > kMaxData)
    {
        n = kMaxData;
    }
    const auto count = static_cast<std::uint8_t>(n + 3);
    std::string text;
    text.reserve(2 + 2 * (n + 4) + 2);
    text += type[0];
    text += type[1];
    AppendHex(text, count);
    AppendHex(text, static_cast<std::uint8_t>(address >> 8));
    AppendHex(text, static_cast<std::uint8_t>(address & 0xFF));
    for (std::uint32_t i = 0; i < n; ++i)
    {
        AppendHex(text, data[i]);
    }
    AppendHex(text, Checksum(count, address, data, n));
    text += "\r\n";
    return text;
}

bool CRecord::Decode(const std::uint8_t* text, std::size_t length, DecodedRecord& out)
{
    if (text == nullptr)
    {
        return false;
    }
    if (length > 0 && text[length - 1] == '\n')
    {
        --length;
    }
    if (length > 0 && text[length - 1] == '\r')
    {
        --length;
    }
    return DecodeText(text, length, out);
}

bool CRecord::DecodeLine(const std::uint8_t* text, std::size_t length, DecodedRecord& out)
{
    if (text == nullptr || length < 2 || text[length - 2] != '\r' || text[length - 1] != '\n')
    {
        return false;
    }
    return DecodeText(text, length - 2, out);
}

bool CRecord::DecodeText(const std::uint8_t* text, std::size_t length, DecodedRecord& out)
{
    // Type, then count, address, data and checksum as pairs of digits.
    if (length < 2 || (length - 2) % 2 != 0)
    {
        return false;
    }
    const std::size_t pairs = (length - 2) / 2;
    if (pairs < 4 || pairs > kMaxData + 4)
    {
        return false;
    }
    std::uint8_t bytes[kMaxData + 4] = {};
    for (std::size_t i = 0; i < pairs; ++i)
    {
        int high = 0;
        int low = 0;
        if (!ReadHexDigit(static_cast<char>(text[2 + 2 * i]), high) ||
            !ReadHexDigit(static_cast<char>(text[3 + 2 * i]), low))
        {
            return false;
        }
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    if (bytes[0] != pairs - 1)
    {
        return false;
    }
    out.type[0] = static_cast<char>(text[0]);
    out.type[1] = static_cast<char>(text[1]);
    out.count = bytes[0];
    out.address = static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]);
    out.dataCount = out.count - 3u;
    for (std::uint32_t i = 0; i < out.dataCount; ++i)
    {
        out.data[i] = bytes[3 + i];
    }
    out.checksum = bytes[pairs - 1];
    return out.checksum == Checksum(out.count, out.address, out.data, out.dataCount);
}
