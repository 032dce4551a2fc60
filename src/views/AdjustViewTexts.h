// Every text of the Adjust form that the user sees, spelled exactly as shown,
// blanks included.
#pragma once

namespace AdjustText
{
inline constexpr char kSetError[] = " AdjustData Set Error ! ";
inline constexpr char kTransmitQuestion[] = "Is it OK for the radio to transmit ?";
inline constexpr char kAdjustData[] = "Adjust Data";
inline constexpr char kWarningView[] = "Warning View";
inline constexpr char kWrite[] = "Write";

// The ten levels, top to bottom.
inline constexpr char kTxHighPower[] = "Tx High power Level";
inline constexpr char kTxLowPower[] = "Tx Low power Level";
inline constexpr char kTxTone[] = "Tx Tone Level";
inline constexpr char kDtmfLowTone[] = "DTMF Low Tone Level";
inline constexpr char kModulationSensitivity[] = "Modulation Sensitivity";
inline constexpr char kWideModulation[] = "Wide Band Modulation";
inline constexpr char kNarrowModulation[] = "Narrow Band Modulation";
inline constexpr char kSqVolume[] = "SQ Volume";
inline constexpr char kWideDemodulation[] = "Wide Band Demodulation";
inline constexpr char kNarrowDemodulation[] = "Narrow Band Demodulation";
} // namespace AdjustText
