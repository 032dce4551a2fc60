// The radio's ASCII record: type, count, address, data and checksum in
// upper-case hexadecimal, then CR LF.
#pragma once

// std
#include <cstddef>
#include <cstdint>
#include <string>

//   "S1" | count | address  | data ...        | checksum | CR LF
//    2   |  2    |  4       | 2 per byte      |   2      |  2
//   count = data bytes + 3; checksum = 0xFF - low byte of the sum of count,
//   both address bytes and every data byte.
struct DecodedRecord
{
    char type[2] = {0, 0};
    std::uint8_t count = 0;
    std::uint16_t address = 0;
    std::uint8_t data[10] = {};
    std::uint32_t dataCount = 0;
    std::uint8_t checksum = 0;
};

class CRecord
{
public:
    // Count, address, up to 10 data bytes and the checksum: the 14 bytes a
    // received record may decode to.
    static constexpr std::uint32_t kMaxData = 10;
    static constexpr std::uint32_t kMaxCommandData = 8;

    static std::uint8_t Checksum(std::uint8_t count, std::uint16_t address,
                                 const std::uint8_t* data, std::uint32_t n);
    // The whole line, CR LF included. n must not exceed kMaxData.
    static std::string Compose(const char* type, std::uint16_t address, const std::uint8_t* data,
                               std::uint32_t n);
    // Decodes a record text with or without its CR LF. Refuses (false) a text
    // that is not exactly as long as its count says, has other characters
    // than hexadecimal digits (either case), or fails its checksum.
    [[nodiscard]] static bool Decode(const std::uint8_t* text, std::size_t length,
                                     DecodedRecord& out);
    // The one rule for a line received from the radio: a record followed by
    // exactly CR LF, as the radio ends every record it sends. A line that
    // lost its CR lost a byte on the way; the checksum cannot vouch for it.
    [[nodiscard]] static bool DecodeLine(const std::uint8_t* text, std::size_t length,
                                         DecodedRecord& out);

private:
    // The record text alone, no line end.
    [[nodiscard]] static bool DecodeText(const std::uint8_t* text, std::size_t length,
                                         DecodedRecord& out);
};
