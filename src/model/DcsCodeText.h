// DCS codes as the code boxes show them, and the stepping of a code box by its
// spin arrows over the list positions.
#pragma once

// std
#include <string>
#include <string_view>

// List positions run from -104 to 104: position 0 is the "no code" entry,
// 1..104 the codes in table order, and -k the inverted form of code k.
constexpr int kDcsPositionLimit = 104;

// The box text of a stored code 0..511: its octal digits ("23" for 19), with a
// leading "-" when inverted. Bits above the 9-bit field are ignored.
std::string FormatDcsCode(int inverted, int code);

// The box text of a list position (held within -104..104): the entry's digits
// as three places, "023", and "-023" for an inverted position.
std::string DcsPositionText(int position);

// The list position a box text stands for, read as a whole decimal number:
// "023" and "23" are 1, "-023" is -1, "0", "000" and "-000" are 0. False for a
// text that is no list entry (positionOut is then left as it was).
[[nodiscard]] bool FindDcsPosition(std::string_view text, int& positionOut);

// One arrow click on a DCS spin (direction > 0 up, otherwise down): the box
// text for the next position up or down from the code in the box. A box that
// holds no list entry steps from positionInOut, the spin's own position; it
// receives the new position either way, so the spin continues from what it
// showed. Positions stop at -104 and 104.
std::string StepDcsCode(std::string_view text, int direction, int& positionInOut);
