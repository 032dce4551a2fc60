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
