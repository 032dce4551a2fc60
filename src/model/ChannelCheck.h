// The checks a channel entry passes before it is written, in the order the
// Channel form makes them, with the message and the entry to put the focus on
// for each; and what a passing entry means for the record.
#pragma once

// model
#include "model/RadioImage.h"

// std
#include <cstdint>
#include <string>
#include <string_view>

class CChannelRules;

// Positions of the signalling-type lists.
constexpr int kSignallingCtcss = 0;
constexpr int kSignallingDcs = 1;
constexpr int kSignallingNone = 2;
// The signalling value of a side with no tone or code.
constexpr int kNoSignallingValue = 255;

// One side of the entry as typed and chosen.
struct ChannelSideEntry
{
    std::string frequencyText; // MHz; "0" marks the side unused
    int signallingType = kSignallingNone;
    int toneIndex = -1; // CTCSS list position, -1 when none is selected
    std::string dcsText;
};

struct ChannelEntry
{
    int channel = 1; // the channel number shown, 1-based
    std::string name;
    std::string groupName;
    bool narrow = false;
    ChannelSideEntry rx;
    ChannelSideEntry tx;
};

// One side of a passing entry.
struct ChannelSideValues
{
    double mhz = 0.0;
    bool unused = true;
    std::uint32_t word = kUnusedWord;
    int signallingType = kSignallingNone;
    // The CTCSS index, the DCS code's octal value with its sign (negative =
    // inverted), or kNoSignallingValue.
    int signallingValue = kNoSignallingValue;
};

struct ChannelValues
{
    std::string name; // upper-cased, as typed otherwise (empty stays empty)
    std::string groupName;
    ChannelSideValues rx;
    ChannelSideValues tx;
};

// Each check, in the order they are made.
enum class ChannelCheck
{
    ModelChosen,
    RxFrequencyNumber,
    TxFrequencyNumber,
    ChannelName,
    GroupName,
    ChannelNumber,
    RxFrequency,
    TxFrequency,
    RxSignalling,
    TxSignalling,
};

// The entry that gets the keyboard focus after a failed check.
enum class ChannelField
{
    None,
    ChannelName,
    GroupName,
    ChannelNumber,
    RxFrequency,
    TxFrequency,
    RxDcs,
    RxTone,
    TxDcs,
    TxTone,
};

struct ChannelCheckFailure
{
    ChannelCheck check = ChannelCheck::ModelChosen;
    ChannelField focus = ChannelField::None;
    const char* message = nullptr; // a ChannelTexts constant
};

// A frequency box's text as a number: blanks around it, an optional sign,
// digits with an optional fraction, nothing else. False for anything else
// (empty text included), which the form reports as "Please enter a number.".
[[nodiscard]] bool ReadFrequencyEntry(std::string_view text, double& mhzOut);

// Makes every check in order and stops at the first that fails: false with
// failureOut telling which, what to say and where the focus goes (valuesOut
// left as it was); true with valuesOut holding what the record gets. Nothing
// passes while rules holds no model.
[[nodiscard]] bool CheckChannelEntry(const CChannelRules& rules, const ChannelEntry& entry,
                                     ChannelValues& valuesOut, ChannelCheckFailure& failureOut);
