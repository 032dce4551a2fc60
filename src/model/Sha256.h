// SHA-256 (FIPS 180-4), to name exactly which image a journal row wrote.
#pragma once

// std
#include <cstddef>
#include <cstdint>
#include <string>

class CSha256
{
public:
    CSha256();
    void Add(const std::uint8_t* bytes, std::size_t count);
    // The digest as 64 lowercase hexadecimal digits; ends the sum.
    std::string HexDigest();

    static std::string Of(const std::uint8_t* bytes, std::size_t count);

private:
    void Block(const std::uint8_t* block);

    std::uint32_t m_state[8];
    std::uint8_t m_buffer[64] = {};
    std::size_t m_nBuffered = 0;
    std::uint64_t m_nTotal = 0;
};
