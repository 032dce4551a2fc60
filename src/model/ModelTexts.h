// Every user-visible text of the model layer: band names, signalling and option
// value texts shared by the editor forms and the printed report.
#pragma once

// Display names of the 14 band models, by model index.
inline constexpr const char* kBandNames[14] = {
    "VHF(L) A Band", "VHF(L) B Band", "VHF(L) C Band", "VHF(M) A Band", "VHF(M) B Band",
    "VHF(H) A Band", "VHF(H) B Band", "VHF(H1)",       "UHF(L)",        "UHF A Band",
    "UHF B Band",    "UHF C Band",    "UHF D Band",    "800 MHz",
};

// Injection side as the editors and the report name it, by injection flag.
inline constexpr const char* kInjectionTexts[2] = {"HI", "LOW"};

// 2-tone formats, by format code: the editor's list and the report's wording.
inline constexpr const char* kTwoToneFormatListTexts[4] = {"MOTOROLA 1+1", "MOTOROLA 2+2", "REACH",
                                                           "PLECTRON"};
inline constexpr const char* kTwoToneFormatReportTexts[4] = {"Motorola 1+1", "Motorola 2+2",
                                                             "Reach", "Plectoron"};
