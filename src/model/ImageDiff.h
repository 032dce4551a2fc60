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

// The form of the window on which a differing field is edited.
enum class DiffForm
{
    Model,
    Channel,
    Manual, // bytes that no named field accounts for
    TwoTone,
    Option,
    Adjust,
};

// One differing field, the values as the two images hold them.
struct DiffEntry
{
    DiffForm form = DiffForm::Manual;
    std::string field;
    std::string first;
    std::string second;
};

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
    // The same differences, one per line and in the same order, in parts.
    const std::vector<DiffEntry>& GetEntries() const { return m_entries; }
    // True when neither the capacities nor any byte of the images differ.
    bool IsSame() const { return m_lines.empty(); }

private:
    struct Bits
    {
        std::uint32_t offset;
        std::uint8_t mask;
    };

    void Add(const std::string& label, const std::string& a, const std::string& b);
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
    std::vector<DiffEntry> m_entries;
    // The form of the fields being compared now.
    DiffForm m_eForm = DiffForm::Model;
};
