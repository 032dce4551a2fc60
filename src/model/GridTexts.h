// The texts of the channel list: its column titles and the words its cells
// show and take, spelled exactly as shown.
#pragma once

namespace GridTexts
{
inline constexpr char kNumber[] = "Ch";
inline constexpr char kGroup[] = "Group";
inline constexpr char kRxFrequency[] = "Rx Freq";
inline constexpr char kTxFrequency[] = "Tx Freq";
inline constexpr char kRxSignalling[] = "Rx Signaling";
inline constexpr char kTxSignalling[] = "Tx Signaling";
inline constexpr char kBandwidth[] = "W/N";
inline constexpr char kPower[] = "Power";
inline constexpr char kCompander[] = "Compand";
inline constexpr char kDTone[] = "DTone";
inline constexpr char kAni[] = "ANI";
inline constexpr char kScrambler[] = "Scramble";
inline constexpr char kScanGroupA[] = "Scan A";
inline constexpr char kScanGroupB[] = "Scan B";
inline constexpr char kAux[] = "Aux";
inline constexpr char kName[] = "Name";

// Cell words; the lists offer them in this order.
inline constexpr char kNone[] = "None";
inline constexpr char kWide[] = "Wide";
inline constexpr char kNarrow[] = "Narrow";
inline constexpr char kNormal[] = "Normal";
inline constexpr char kLowpower[] = "Lowpower";
inline constexpr char kEnable[] = "Enable";
inline constexpr char kDisable[] = "Disable";
inline constexpr char kYes[] = "Yes";
inline constexpr char kNo[] = "No";
// A DCS code in a signalling cell: its three digits and N (normal) or I
// (inverted polarity), "D023N".
inline constexpr char kDcsFormat[] = "D%03d%c";

// Why a cell refused what was typed, beside the Channel form's own messages.
inline constexpr char kEmptyChannel[] = "This channel is empty: enter its receive frequency first.";
inline constexpr char kChoiceError[] = "Please choose one of the entries the list offers.";
inline constexpr char kAuxError[] = "Auxiliary data are eight bits, 0 or 1, bit 7 first.";
} // namespace GridTexts
