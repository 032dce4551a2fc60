// Every user-visible text of the model layer: band names, signalling and option
// value texts shared by the editor forms and the printed report.
#pragma once

// Display names of the 14 band models, by model index.
inline constexpr const char* kBandNames[14] = {
    "VHF(L) A Band", "VHF(L) B Band", "VHF(L) C Band", "VHF(M) A Band", "VHF(M) B Band",
    "VHF(H) A Band", "VHF(H) B Band", "VHF(H1)",       "UHF(L)",        "UHF A Band",
    "UHF B Band",    "UHF C Band",    "UHF D Band",    "800 MHz",
};

// Reference steps in kHz as the Model form lists them.
inline constexpr char kStep2_5[] = "2.5";
inline constexpr char kStep5_0[] = "5.0";
inline constexpr char kStep6_25[] = "6.25";
inline constexpr char kStep12_5[] = "12.5";

// Injection side as the editors and the report name it, by injection flag.
inline constexpr const char* kInjectionTexts[2] = {"HI", "LOW"};

// 2-tone formats, by format code: the editor's list and the report's wording.
inline constexpr const char* kTwoToneFormatListTexts[4] = {"MOTOROLA 1+1", "MOTOROLA 2+2", "REACH",
                                                           "PLECTRON"};
inline constexpr const char* kTwoToneFormatReportTexts[4] = {"Motorola 1+1", "Motorola 2+2",
                                                             "Reach", "Plectoron"};

// Option values, by stored value: first as the report prints them, then (where
// they differ) as the Option form lists them.
inline constexpr const char* kScanHoldTexts[4] = {"0.5 sec", "2.5 sec", "5.0 sec", "INF"};
inline constexpr const char* kScanHoldListTexts[4] = {"0.5", "2.5", "5.0", "INF"};
inline constexpr const char* kScanListClearTexts[4] = {"Power/Scan", "Power On", "Scan Off",
                                                       "No Clear"};
inline constexpr const char* kScanListClearListTexts[4] = {"Power/Scan", "When Power On",
                                                           "When Scan Off", "No Clear"};
inline constexpr const char* kScanHoldByTexts[2] = {"NSQ", "SIGNALLING"};
inline constexpr const char* kScanHoldAtTexts[2] = {"VACANT CH", "BUSY CH"};
inline constexpr const char* kScanTypeTexts[4] = {"Normal", "Modify", "Second", "PS"};
inline constexpr const char* kScanTypeListTexts[4] = {"NORMAL", "MODIFY", "SECOND", "PS"};
inline constexpr const char* kPriorityCycleTexts[2] = {"1/4", "1/8"};
inline constexpr const char* kBeepTexts[2] = {"unuse", "use"};
inline constexpr const char* kPriorityTimeTexts[4] = {"0.5 sec", "0.75 sec", "1.0 sec", "1.5 sec"};
inline constexpr const char* kBusyLockoutTexts[4] = {"NSQ", "SGNL", "SPCL", "DIS"};
inline constexpr const char* kTimeOutTimerTexts[8] = {"30 sec",  "60 sec",  "90 sec",  "120 sec",
                                                      "150 sec", "180 sec", "210 sec", "INF"};
// Mic off-hook scan stop and defeat priority 2 store 0 for enabled; channel
// roll-over is printed from its inverted bit, so 1 gives "Enable ".
inline constexpr const char* kEnableTexts[2] = {"Enable ", "Disable"};

// Report labels of the ten alignment levels, in image order 0x26..0x2F.
inline constexpr const char* kAlignmentLabels[10] = {
    "Tx High Power Level",
    "Tx Low Power Level",
    "SQ Volume",
    "Tx Tone Level",
    "DTMF Low Tone Level",
    "Modulation Sensitivity",
    "Wide Band Modulation",
    "Narrow Band Modulation",
    "Wide Band DeModulation",
    "Narrow Band DeModulation",
};

// Group-count labels of the report, by GetGroupCount's flag.
inline constexpr const char* kGroupCountLabels[2] = {"60ch : ", "150ch : "};
