// Every text of the Test form that the user sees, spelled exactly as shown,
// blanks included.
#pragma once

namespace TestViewText
{
inline constexpr char kSetUpError[] = " Set Up Error ! ";
// A frequency box that holds no number from 0 to 10000.
inline constexpr char kFrequencyEntry[] = "Please enter a number between 0 and 10000.";
// A frequency box whose number is refused for its sign or its decimals.
inline constexpr char kFrequencySign[] =
    "A frequency has no sign: please enter a number between 0 and 10000.";
inline constexpr char kFrequencyDecimals[] =
    "A frequency has at most five decimals (a 10 Hz step): please enter it again.";
// A frequency outside the model's band: the form's label, the band's name and
// its edges in MHz, on the line under " Set Up Error ! ".
inline constexpr char kOutsideBand[] = "%1 must lie within the band %2: %3 to %4 MHz.";

// Buttons
inline constexpr char kReceive[] = "Receive";
inline constexpr char kTransmit[] = "Transmit";
inline constexpr char kLightOn[] = "Light on";
inline constexpr char kLightOff[] = "Light off";
inline constexpr char kBeepOn[] = "Beep on";
inline constexpr char kBeepOff[] = "Beep off";
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kWide[] = "Wide";
inline constexpr char kNarrow[] = "Narrow";

// Group boxes
inline constexpr char kReceiveBox[] = "Receive Parameters";
inline constexpr char kTransmitBox[] = "Transmit Parameters";
inline constexpr char kOptionBox[] = "Option Parameters";
inline constexpr char kGroupRegistryBox[] = "Group Registry";
inline constexpr char kAuxDataBox[] = "Auxiliary Data";

// Labels
inline constexpr char kReceiveFreq[] = "Receive Freq";
inline constexpr char kReceiveSignalingType[] = "Receive Signaling Type";
inline constexpr char kTransmitFreq[] = "Transmit Freq";
inline constexpr char kTransmitSignalingType[] = "Transmit Signaling Type";
inline constexpr char kTxPowerControl[] = "Tx Power Control";
inline constexpr char kCompander[] = "Compander";
inline constexpr char kDTone[] = "DTone";
inline constexpr char kAni[] = "ANI";
inline constexpr char kScanGroupA[] = " Channel in Scan Group A";
inline constexpr char kScanGroupB[] = " Channel in Scan Group B";
inline constexpr char kAuxCaption[] =
    "  7       6        5        4        3        2         1       0";

// List entries, in the order of their stored values.
inline constexpr const char* kPowerChoices[2] = {"Lowpower", "Normal"};
inline constexpr const char* kEnableChoices[2] = {"Enable", "Disable"};
} // namespace TestViewText
