// Every text of the Channel form that the user sees, spelled exactly as shown,
// blanks included. The messages of its checks are the model's, in
// model/ChannelTexts.h, since the command line shares them.
#pragma once

namespace ChannelViewText
{
// Group boxes
inline constexpr char kChannelNumberBox[] = "Channel Number";
inline constexpr char kReceiveBox[] = "Receive Parameters";
inline constexpr char kTransmitBox[] = "Transmit Parameters";
inline constexpr char kGroupNumberBox[] = "Group Number";
inline constexpr char kOptionBox[] = "Option Parameters";
inline constexpr char kGroupRegistryBox[] = "Group Registry";
inline constexpr char kAuxDataBox[] = "Auxiliay Data";

// Labels and buttons
inline constexpr char kAlphaCharacter[] = "Alpha Character";
inline constexpr char kWide[] = "Wide";
inline constexpr char kNarrow[] = "Narrow";
inline constexpr char kReceiveFreq[] = "Receive Freq";
inline constexpr char kTransmitFreq[] = "Transmit Freq";
inline constexpr char kReceiveSignalingType[] = "Receive Signaling Type";
inline constexpr char kTransmitSignalingType[] = "Transmit Signaling Type";
inline constexpr char kTxPowerControl[] = "Tx Power Control";
inline constexpr char kCompand[] = "Compand";
inline constexpr char kDTone[] = "DTone";
inline constexpr char kAni[] = "ANI";
inline constexpr char kScrambler[] = "Scrambler";
inline constexpr char kScanGroupA[] = "    Channel  in  Scan  Group  A";
inline constexpr char kScanGroupB[] = "    Channel  in  Scan  Group  B";
inline constexpr char kAuxCaption[] = "  7      6       5      4       3      2       1      0";
inline constexpr char kCancel[] = "Cancel";

// List entries, position = stored bit
inline constexpr const char* kPowerChoices[2] = {"Lowpower", "Normal"};
inline constexpr const char* kEnableChoices[2] = {"Enable", "Disable"};

// Spoken names where the label alone would not tell which control it is
inline constexpr char kChannelNumberName[] = "Channel Number";
inline constexpr char kChannelNameName[] = "Channel Alpha Character";
inline constexpr char kGroupNumberName[] = "Group Number";
inline constexpr char kGroupNameName[] = "Group Alpha Character";
inline constexpr char kAuxDataName[] = "Auxiliay Data";

// The step Edit > Undo takes back once a changed channel is left.
inline constexpr char kChannelStep[] = "Edit channel %1";
} // namespace ChannelViewText
