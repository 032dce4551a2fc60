// Every fixed text that the printed report, the hex dump and their pages show,
// spelled exactly as printed (blanks included).
#pragma once

// std
#include <array>

namespace PrintTexts
{

// Page furniture shared by the report and the hex dump.
inline constexpr char kPageNumberFormat[] = "Page %d / %d ";
inline constexpr char kCapacity120[] = "120Ch";
inline constexpr char kCapacity320[] = "320Ch";

// Hex dump.
inline constexpr char kHexHeader[] = "Add  :  0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F";
inline constexpr char kHexOffsetFormat[] = "%04x : ";
inline constexpr char kHexByteFormat[] = " %02x";
inline constexpr char kHexSeparator[] = "  :  ";
inline constexpr char kHexNonPrintable = '.';

// Value words.
inline constexpr char kNone[] = "None";
// The option, 2-tone and band words come from the model's tables.
inline constexpr std::array<const char*, 2> kSignallingTypeWords = {"CTCSS", "DCS"};
inline constexpr char kStep2500[] = "2.5 kHz";
inline constexpr char kStep5000[] = "5.0 kHz";
inline constexpr char kStep6250[] = "6.25 kHz";
inline constexpr char kStep12500[] = "12.5 kHz";

// [MODEL]
inline constexpr char kModelHeader[] = "[MODEL] ";
inline constexpr char kModelName[] = " Model                  : ";
inline constexpr char kPllWide[] = " PLL Reference Freq     : Wide : ";
inline constexpr char kPllNarrow[] = "   Narrow : ";
inline constexpr char kSerialNumber[] = " Serial Number          : ";
inline constexpr char kCustomer[] = " Customer               : ";
inline constexpr char kDateMonth[] = " Date                   : Mon : ";
inline constexpr char kDateDay[] = " Day : ";
inline constexpr char kDateYear[] = " Year : ";

// [2TONE]
inline constexpr char kTwoToneHeader[] = "[2TONE] ";
inline constexpr char kTwoTone[] = " 2Tone                  : ";
inline constexpr char kTwoToneUnused[] = "unused";
inline constexpr char kTwoToneUsed[] = "used";
inline constexpr char kFormatType[] = " Format Type            : ";
inline constexpr char kGroupFormatCode[] = " Group Format Code      : ";
inline constexpr char kFirstGroup[] = "   1st Group : ";
inline constexpr char kSecondGroup[] = "   2nd Group : ";
inline constexpr char kNoCode[] = "None ";
inline constexpr char kNoCodeUnused[] = "None ,";
inline constexpr char kToneFreq[] = " Tone Freq              : ";
inline constexpr char kFirstToneNone[] = "1st None ,";
inline constexpr char kFirstToneFormat[] = "1st %.02f Hz ,";
inline constexpr char kSecondToneNone[] = " 2nd None ,";
inline constexpr char kSecondToneFormat[] = " 2nd %.02f Hz ,";
inline constexpr char kThirdToneAbsent[] = " 3rd None ";
inline constexpr char kThirdToneNone[] = "3rd None ,";
inline constexpr char kThirdToneFormat[] = " 3rd %.02f Hz ";
inline constexpr char kAni[] = " ANI                    : ";

// [OPTION]
inline constexpr char kOptionHeader[] = "[OPTION] ";
inline constexpr char kScanType[] = " Scan Type              : ";
inline constexpr char kScanHoldOnRx[] = " Scan Hold on Rx        : ";
inline constexpr char kScanHoldAfterTx[] = " Scan Hold After Tx     : ";
inline constexpr char kScanListClear[] = " Scan List Clear        : ";
inline constexpr char kScanHoldBy[] = " Scan Hold By           : ";
inline constexpr char kScanHoldAt[] = " Scan Hold At           : ";
inline constexpr char kPriorityCycle[] = " PRI CH Moniter Cycle   : ";
inline constexpr char kPriorityTime[] = " PRI CH Moniter Time    : ";
inline constexpr char kDefeatPriority2[] = " Defeat PRI 2 CH        : ";
inline constexpr char kDtmfOnTime[] = " DTMF Time              : ON Time : ";
inline constexpr char kDtmfOffTime[] = " OFF Time : ";
inline constexpr char kMillisecondsFormat[] = "%d ms";
inline constexpr char kRollOver[] = " Channel Roll-Over      : ";
inline constexpr char kTimeOut[] = " Tx Time-Out Timer      : ";
inline constexpr char kMicOffHook[] = " Mic Off-Hook Scan Stop : ";
inline constexpr char kBusyLockout[] = " Busy CH Lock-Out       : ";
inline constexpr char kBeepA[] = " Beep Control           : BeepA:";
inline constexpr char kBeepB[] = " BeepB:";
inline constexpr char kBeepC[] = " BeepC:";
inline constexpr char kBeepD[] = " BeepD:";
inline constexpr char kBeepComma[] = ","; // after the words of beeps A, B and C

// [ADJUST]
inline constexpr char kAdjustHeader[] = "[ADJUST] ";
inline constexpr char kTxHighPower[] = " Tx High Power Level     : ";
inline constexpr char kTxLowPower[] = " Tx Low Power Level      : ";
inline constexpr char kTxToneLevel[] = " Tx Tone Level           : ";
inline constexpr char kDtmfLowTone[] = " DTMF Low Tone Level     : ";
inline constexpr char kModulationSensitivity[] = " Modulation Sensitivity  : ";
inline constexpr char kWideModulation[] = " Wide Band Modulation    : ";
inline constexpr char kNarrowModulation[] = " Narrow Band Modulation  : ";
inline constexpr char kSqVolume[] = " SQ Volume               : ";
inline constexpr char kWideDemodulation[] = " Wide Band DeModulation  : ";
inline constexpr char kNarrowDemodulation[] = " Narrow Band DeModulation: ";
inline constexpr char kPairedValueFormat[] = "%d, ";

// Groups
inline constexpr char kGroupNumber[] = " Group Number  : ";
inline constexpr char kGroupNumberFormat[] = " %02d  ";
inline constexpr char kGroupAlpha[] = "   Alpha Character : ";

// [CHANNEL]
inline constexpr char kChannelHeader[] = "[CHANNEL] ";
inline constexpr char kChannelNumber[] = " Channel Number         : ";
inline constexpr char kChannelNumberFormat[] = "%03d              ";
inline constexpr char kChannelAlpha[] = " Alpha Character        : ";
inline constexpr char kWideNarrow[] = " Wide / Narrow          : ";
inline constexpr char kWide[] = "Wide";
inline constexpr char kNarrow[] = "Narrow";
inline constexpr char kRxFreq[] = " Receive Channel Freq   : ";
inline constexpr char kRxSignalling[] = " Receive Signaling Type : ";
inline constexpr char kTxFreq[] = " Transmit Channel Freq  : ";
inline constexpr char kTxSignalling[] = " Transmit Signaling Type: ";
inline constexpr char kSideDisabled[] = "Disable       ";
inline constexpr char kFrequencyFormat[] = "%.05f MHz  ";
inline constexpr char kCodeArrow[] = " -> ";
inline constexpr char kDcsFormat[] = "%o";
inline constexpr char kDcsInvertedFormat[] = "-%o";
inline constexpr char kCtcssFormat[] = "%.2fHz";
inline constexpr char kTxPower[] = " Tx Power Control       : ";
inline constexpr char kPowerNormal[] = "NORMAL        ";
inline constexpr char kPowerReduced[] = "DE-POWER      ";
inline constexpr char kCompand[] = " Compand                : ";
inline constexpr char kDTone[] = "        DTone                  : ";
inline constexpr char kChannelAni[] = " ANI                    : ";
inline constexpr char kScanGroupA[] = " Channel in Scan GroupA : ";
inline constexpr char kScanGroupB[] = " Channel in Scan GroupB : ";
inline constexpr char kScanGroupUnused[] = "unused        ";
inline constexpr char kScanGroupUsed[] = "used          ";
inline constexpr char kAuxData[] = " Auxiliary Data         : ";
inline constexpr char kBlankLine[] = " ";

// Summary of a dump file (vesk4-cli info).
inline constexpr char kSummaryModel[] = "Model           : ";
inline constexpr char kSummaryNoModel[] = "(none chosen)";
inline constexpr char kSummarySerial[] = "Serial Number   : ";
inline constexpr char kSummaryCustomer[] = "Customer        : ";
inline constexpr char kSummaryDate[] = "Date            : ";
inline constexpr char kSummaryDateFormat[] = "%04d-%02d-%02d";
inline constexpr char kSummaryNoDate[] = "(not set)";
inline constexpr char kSummaryCapacity[] = "Capacity        : ";
inline constexpr char kSummaryChannelsFormat[] = "%d channels";
inline constexpr char kSummaryNoCode[] = " (the file has no capacity code)";
inline constexpr char kSummaryOddCodeFormat[] = " (capacity code %d)";
inline constexpr char kSummaryInUse[] = "Channels in use : ";

} // namespace PrintTexts
