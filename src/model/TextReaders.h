// Every reader of typed or received text: numbers as the forms, dialogs and
// commands take them, DCS codes, frequencies and the nibble-coded fields.
// Each returns false when the text is not what it reads and then leaves its
// out-parameter as it was, so a caller can preset the value a refusal means.
#pragma once

// std
#include <cstdint>
#include <string>
#include <string_view>

// The number at the start of text, as the C library's atof reads it but
// independent of the locale and without exponents: blanks skipped, one sign,
// digits with an optional fraction; reading stops at the first other character
// ("12.5 MHz" reads 12.5). False when no digit starts the text, and for
// infinities, NaN and numbers beyond a double.
[[nodiscard]] bool ReadDecimal(std::string_view text, double& valueOut);

// A whole text that is a decimal integer: blanks around it, one sign, digits,
// nothing else; false beyond the range of int.
[[nodiscard]] bool ReadInteger(std::string_view text, int& valueOut);

// A whole text that is an unsigned decimal integer: blanks around it, an
// optional "+", digits, nothing else; false beyond the range of unsigned.
[[nodiscard]] bool ReadUnsigned(std::string_view text, unsigned& valueOut);

// The hexadecimal number at the start of text as the C library's strtol reads
// it in base 16: blanks skipped, one sign, "0x" only when a digit follows it,
// reading stops at the first other character. Values beyond the 32-bit signed
// range come back clamped to it. False when no digit is found.
[[nodiscard]] bool ReadHexLeading(std::string_view text, std::int64_t& valueOut);

// One hexadecimal digit, either case.
[[nodiscard]] bool ReadHexDigit(char c, int& valueOut);

// A whole text of hexadecimal digits and nothing else (no blanks, sign or
// prefix); false when empty or beyond 32 bits.
[[nodiscard]] bool ReadHex(std::string_view text, std::uint32_t& valueOut);

// A DCS code as typed: an optional leading "-" (inverted polarity) and then
// only the digits 0 to 7, which read as decimal digits must be one of the 104
// codes (23 for code 023). valueOut is the code's octal value with the sign
// kept: "-023" gives -19. A text reading as 0 ("0", "-", "-000") is no code.
[[nodiscard]] bool ReadDcsCode(std::string_view text, int& valueOut);

// A frequency in MHz as typed into a frequency box: blanks around it, digits
// with an optional fraction of at most five significant decimals (the 10 Hz
// grid; further zeros are allowed), no sign and no exponent. 0 is a frequency
// (it marks an unused side).
[[nodiscard]] bool ReadFrequency(std::string_view text, double& mhzOut);

// What keeps ReadFrequency from reading a text, so that a form can say so: a
// sign before a frequency, decimals past the fifth, or no frequency at all.
enum class FrequencyTextFault
{
    None,
    Sign,
    Decimals,
    NotANumber,
};
FrequencyTextFault FrequencyFaultOf(std::string_view text);

// One character of the serial-number and customer fields: "0".."9", "A".."E"
// (either case) and blank give nibbles 0..14 and 15. An "F" is refused: the
// nibble 15 reads back as a blank, so a typed F could not be kept.
[[nodiscard]] bool ReadHexNibble(char c, int& nibbleOut);

// A whole serial-number or customer text, each character as ReadHexNibble
// takes it; textOut is the text as the image gives it back, letters upper-case.
[[nodiscard]] bool ReadHexNibbleText(std::string_view text, std::string& textOut);

// One character of the ANI number: "0".."9", "#", "*" and blank give nibbles
// 0..9, 10, 11 and 15.
[[nodiscard]] bool ReadDtmfNibble(char c, int& nibbleOut);

// The same letters, whatever their case.
[[nodiscard]] bool SameWordIgnoringCase(std::string_view a, std::string_view b);
