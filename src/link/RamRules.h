// The checks of the RAM read and RAM write requests, shared by the windowed
// dialogs and the command line.
#pragma once

// std
#include <cstdint>
#include <string>

class CRamRules
{
public:
    static constexpr std::uint32_t kReadLimit = 0x10000; // address + count may reach it
    static constexpr std::uint32_t kMaxReadCount = 8;
    static constexpr std::uint32_t kWriteFirst = 0x40;
    static constexpr std::uint32_t kWriteLast = 0x43F;
    static constexpr std::uint32_t kMaxWriteCount = 8;

    // Hexadecimal digits, optionally after "0x"; at most 8 digits. Anything
    // else (an empty text, a stray character) is refused.
    [[nodiscard]] static bool ParseHex(const std::string& text, std::uint32_t& value);
    // The hexadecimal number at the start of text as the C library's strtol
    // reads it in base 16: blanks skipped, a sign and "0x" allowed, reading
    // stops at the first other character, no digit at all reads as 0. Values
    // beyond the 32-bit range come back clamped to it.
    [[nodiscard]] static std::int64_t ReadHexLeading(const std::string& text);
    // nullptr when the read is acceptable, else the message that refuses it.
    static const char* CheckRead(std::uint32_t address, std::int64_t count);
    // nullptr when the write is acceptable (count 1..8, every byte inside
    // 0x40..0x43F), else the message that refuses it.
    static const char* CheckWrite(std::uint32_t address, std::uint32_t count);
};
