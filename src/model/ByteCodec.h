// Byte packing and the image's two nibble text codes (hex nibbles for the
// serial number, customer and date, DTMF nibbles for the ANI number): one
// character per nibble, the first of a pair in the high nibble.
#pragma once

// std
#include <cstdint>
#include <string>
#include <string_view>

namespace ByteCodec
{
// The low count bytes of value, most significant first; returns count.
int PackBigEndian(std::uint32_t value, std::uint8_t* dest, int count);

// The first count characters of text into dest. An even character sets its
// byte to (code x 16) + 15, an odd one replaces the low nibble, so nibbles
// past the text keep what dest held (0xFF: blank). A character the code has
// no nibble for is stored as the blank nibble 15.
void EncodeHex(std::string_view text, std::uint8_t* dest, int count);
void EncodeDtmf(std::string_view text, std::uint8_t* dest, int count);

// count nibbles of source as text ("0".."9", "A".."E", blank for 15); a
// count below 1 gives an empty text and count 0. Never fails.
void DecodeHex(std::string& textOut, const std::uint8_t* source, int& count);
// As DecodeHex with "#", "*" for 10, 11; a nibble 12..14 ends the text there,
// count becomes the characters produced, and the result is false.
[[nodiscard]] bool DecodeDtmf(std::string& textOut, const std::uint8_t* source, int& count);

// The date as the 8 BCD digits YYYYMMDD into 4 bytes. A part that does not
// fit its digits (a year outside 0..9999, a month outside 1..12, a day
// outside 1..31) is left blank (0xFF), so nothing spills past the 4 bytes.
void EncodeDate(int year, int month, int day, std::uint8_t* dest);
// The three parts of a date encoded so, each read as a decimal number that
// stops at its first non-digit (a blank part reads as 0).
void DecodeDate(const std::uint8_t* source, int& yearOut, int& monthOut, int& dayOut);
} // namespace ByteCodec
