// CTCSS, DCS and 2-tone tables, the 2-tone group format codes and the helpers
// that turn stored indexes into tones and back.
#pragma once

constexpr int kCtcssCount = 45;
constexpr int kDcsCount = 104;

// 2-tone formats as stored in image byte 0x1A bits 4-3.
constexpr int kFormatMotorola11 = 0;
constexpr int kFormatMotorola22 = 1;
constexpr int kFormatReach = 2;
constexpr int kFormatPlectron = 3;
constexpr int kTwoToneFormatCount = 4;

// CTCSS tones in Hz, by stored index, in the radio's order (the last seven are
// not ascending).
extern const double kCtcssTones[kCtcssCount];

// DCS codes written with their octal digits as decimal digits (23 for 023),
// preceded by 0, the "no code" position of the editors' spin buttons.
extern const int kDcsCodes[kDcsCount + 1];

// The tone in Hz of a CTCSS index 0..44; 0.0 for any other index.
double CtcssTone(int index);

// True for a tone of the fifty that programs and radios of other makes
// commonly offer; the radio's table has three (74.0, 198.0, 202.7 Hz) that
// they lack.
bool IsCommonCtcssTone(double hz);

// True when value, in the decimal-digit form, is one of the 104 DCS codes.
bool IsDcsCode(int value);

// 23 -> 19: the stored value of a code written in decimal-digit form; -1 when
// the digits are not octal or the value does not fit the 9-bit field.
int DcsValueOfDigits(int digits);

// 19 -> 23: the decimal-digit form of a stored value 0..511; -1 otherwise.
int DcsDigitsOfValue(int value);

// Number of group format codes: 11 for Motorola 1+1, 10 for Reach, 0 otherwise.
int GroupCodeCount(int format);

// The first code whose group pair is (first, second), or -1 (always for the
// formats without groups).
int FindGroupCode(int format, int first, int second);

// The group pair of a code of format 0 or 2; false for anything else.
bool GroupsOfCode(int format, int code, int& firstOut, int& secondOut);

// Number of tones in a format's table (80, 36, 50, 59), 0 for an unknown format.
int TwoToneCount(int format);

// The tone in Hz of a stored index of a format; 0.0 outside the table.
double TwoToneFrequency(int format, int index);

// The stored tone index of an editor's choice: group g and position p within
// the group's list (formats 1 and 3 have one list and ignore g); -1 when the
// choice is outside the table or beyond the 0..59 the image can hold.
int ToneIndexFromChoice(int format, int group, int position);

// The position within group g of a stored index (the reverse of the above);
// -1 when the index does not belong to that group's list.
int TonePositionOfIndex(int format, int group, int index);
