// The check of a whole image before it is written to a radio: what would give
// the radio something it cannot use (errors, which refuse the write) and what
// a technician should hear of before programming (warnings), each naming the
// channel and the field in the words of the forms.
#pragma once

// model
#include "model/RadioImage.h"

// std
#include <string>
#include <vector>

enum class FindingSeverity
{
    Warning,
    Error,
};

// The channel of a finding that belongs to no one channel.
constexpr int kNoChannel = 0;

struct Finding
{
    FindingSeverity severity = FindingSeverity::Warning;
    int channel = kNoChannel; // 1-based
    std::string field;        // a CheckTexts field name
    std::string text;

    // "Error: channel 12, Receive Freq: ..." or "Warning: Group Count: ...".
    std::string Line() const;
};

class CImageCheck
{
public:
    // Checks channels 1..capacity (120 or 320) of image, and the settings they
    // depend on. Errors come first, then warnings, each in image order.
    void Check(const CRadioImage& image, int capacity);

    const std::vector<Finding>& GetFindings() const { return m_findings; }
    bool HasErrors() const;
    bool HasWarnings() const;
    // One Finding::Line() each, in order.
    std::vector<std::string> Lines() const;

private:
    void Add(FindingSeverity severity, int channel, const char* field, std::string text);
    // inUse[n] tells whether channel n (1..capacity) is in use.
    void CheckGroups(const CRadioImage& image, int capacity, const std::vector<bool>& inUse);
    void CheckTwoTone(const CRadioImage& image);

    std::vector<Finding> m_findings;
};
