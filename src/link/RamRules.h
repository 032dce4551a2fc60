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
    // nullptr when the read is acceptable, else the message that refuses it.
    static const char* CheckRead(std::uint32_t address, std::int64_t count);
    // nullptr when the write is acceptable (count 1..8, every byte inside
    // 0x40..0x43F), else the message that refuses it.
    static const char* CheckWrite(std::uint32_t address, std::uint32_t count);
};
