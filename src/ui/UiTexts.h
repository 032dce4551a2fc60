// Texts of the shared user-interface pieces (message boxes, dialog buttons, the
// control kit), spelled exactly as shown.
#pragma once

namespace UiText
{
inline constexpr char kMessageCaption[] = "Vesk4";
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Cancel";
// The offer of a recovery copy: Restore, Discard, or Later (offered again at
// the next start).
inline constexpr char kRestore[] = "Restore";
inline constexpr char kLater[] = "Later";

// Signalling box: the type list, in the order of the stored type codes, and the
// units beside the tone list and the DCS code box.
inline constexpr const char* kSignallingTypes[3] = {"CTCSS", "DCS", "None"};
inline constexpr char kHz[] = "Hz";
inline constexpr char kOct[] = "(OCT)";

// Bit row: the two choices of every bit list.
inline constexpr const char* kBitChoices[2] = {"0", "1"};

// Accessible names that screen readers and desktop automation read out. The
// control's own name comes first; %1 stands for it, %2 for a bit number.
inline constexpr char kUpArrowName[] = "%1 up";
inline constexpr char kDownArrowName[] = "%1 down";
inline constexpr char kToneListName[] = "%1 tone";
inline constexpr char kDcsCodeName[] = "%1 DCS code";
inline constexpr char kBitListName[] = "%1 bit %2";
} // namespace UiText
