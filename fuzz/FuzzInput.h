// Takes a fuzzer's byte string apart into the values a target needs, so that
// every target reads its input the same way and never past its end.
#pragma once

// std
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CFuzzInput
{
public:
    CFuzzInput(const std::uint8_t* data, std::size_t size) : m_pData(data), m_nSize(size) {}

    bool IsEmpty() const { return m_nPos >= m_nSize; }
    std::size_t Remaining() const { return m_nSize - m_nPos; }

    // 0 once the input has run out, so a short input is still a whole case.
    std::uint8_t TakeByte() { return IsEmpty() ? 0 : m_pData[m_nPos++]; }
    std::uint16_t TakeWord()
    {
        const std::uint16_t high = TakeByte();
        return static_cast<std::uint16_t>(high << 8 | TakeByte());
    }
    std::vector<std::uint8_t> TakeBytes(std::size_t count)
    {
        count = count < Remaining() ? count : Remaining();
        std::vector<std::uint8_t> bytes(m_pData + m_nPos, m_pData + m_nPos + count);
        m_nPos += count;
        return bytes;
    }
    // Up to the next separator (dropped) or the end of the input.
    std::string TakeString(std::uint8_t separator)
    {
        std::string text;
        while (!IsEmpty())
        {
            const std::uint8_t byte = m_pData[m_nPos++];
            if (byte == separator)
            {
                break;
            }
            text += static_cast<char>(byte);
        }
        return text;
    }
    std::vector<std::uint8_t> TakeRest() { return TakeBytes(Remaining()); }

private:
    const std::uint8_t* m_pData;
    std::size_t m_nSize;
    std::size_t m_nPos = 0;
};
