// The differences between two radio images by field: model fields, options,
// 2-tone and ANI, alignment levels, group names, each channel's fields by
// name, and then any differing bytes that no named field accounts for.
#pragma once

// model
#include "model/ChannelRules.h"
#include "model/RadioImage.h"

// std
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class CImageDiff
{
public:
    // One line per differing field, "<field> <first> → <second>", in image
    // order, then "address 0x.... 0x.. → 0x.." for every differing byte with a
    // bit that no reported field covers. capacityA and capacityB (120 or 320)
    // give a first line when they differ. Frequencies are worked out with each
    // image's own model, steps and injection side.
    void Compare(const CRadioImage& a, int capacityA, const CRadioImage& b, int capacityB);

    const std::vector<std::string>& GetLines() const { return m_lines; }
    // True when neither the capacities nor any byte of the images differ.
    bool IsSame() const { return m_lines.empty(); }

private:
    struct Bits
    {
        std::uint32_t offset;
        std::uint8_t mask;
    };

    void Field(const std::string& label, const std::string& a, const std::string& b,
               std::initializer_list<Bits> bits);
    void CompareHeader();
    void CompareOptions();
    void CompareGroupNames();
    void CompareChannel(int i);
    void CompareRemainingBytes();

    const CRadioImage* m_pA = nullptr;
    const CRadioImage* m_pB = nullptr;
    CChannelRules m_rulesA;
    CChannelRules m_rulesB;
    std::vector<std::uint8_t> m_bytesA;
    std::vector<std::uint8_t> m_bytesB;
    // Bits of the image that a reported field accounts for.
    std::vector<std::uint8_t> m_explained;
    std::vector<std::string> m_lines;
};
