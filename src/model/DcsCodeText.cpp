// DCS code box texts and spin stepping.
#include "model/DcsCodeText.h"

// model
#include "model/SignallingTables.h"
#include "model/TextReaders.h"

// std
#include <algorithm>
#include <cstdio>

namespace
{
// The position of a code in decimal-digit form within 0..104, or -1.
int PositionOfDigits(int digits)
{
    for (int i = 0; i <= kDcsCount; ++i)
    {
        if (kDcsCodes[i] == digits)
        {
            return i;
        }
    }
    return -1;
}
} // namespace

std::string FormatDcsCode(int inverted, int code)
{
    char text[8];
    std::snprintf(text, sizeof text, inverted != 0 ? "-%o" : "%o",
                  static_cast<unsigned>(code) & 0x1FFU);
    return text;
}

std::string DcsPositionText(int position)
{
    const int k = std::clamp(position, -kDcsPositionLimit, kDcsPositionLimit);
    char text[8];
    std::snprintf(text, sizeof text, k < 0 ? "-%03d" : "%03d", kDcsCodes[k < 0 ? -k : k]);
    return text;
}

bool FindDcsPosition(std::string_view text, int& positionOut)
{
    int value = 0;
    if (!ReadInteger(text, value) || value < -777 || value > 777)
    {
        return false;
    }
    const int position = PositionOfDigits(value < 0 ? -value : value);
    if (position < 0)
    {
        return false;
    }
    positionOut = value < 0 ? -position : position;
    return true;
}

std::string StepDcsCode(std::string_view text, int direction, int& positionInOut)
{
    int position = std::clamp(positionInOut, -kDcsPositionLimit, kDcsPositionLimit);
    // An inverted code is found as its negative position, so the arrows move
    // through inverted codes as they do through plain ones: down from -023
    // gives -025, up from it 000.
    (void)FindDcsPosition(text, position);
    position =
        std::clamp(position + (direction > 0 ? 1 : -1), -kDcsPositionLimit, kDcsPositionLimit);
    positionInOut = position;
    return DcsPositionText(position);
}
