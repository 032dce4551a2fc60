// Every text of the editor forms and their dialogs that the user sees, spelled
// exactly as shown, blanks included.
#pragma once

namespace ViewText
{
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kOk[] = "OK";

// Messages
inline constexpr char kSetUpErrorModel[] = " Set Up Error !! ";
inline constexpr char kPositiveInteger[] = "Please enter a positive integer.";
inline constexpr char kPrintFailed[] = "The pages could not be printed.";

// Model form
inline constexpr char kModel[] = "Model";
inline constexpr char kInjectionAspect[] = "Injection  Aspect";
inline constexpr char kPllReference[] = "PLL  Reference  Freq  (W/N)";
inline constexpr char kNarrow[] = "/      Narrow";
inline constexpr char kSerialNumber[] = "Serial  Number";
inline constexpr char kCustomer[] = "Customer";
inline constexpr char kDate[] = "Date";
inline constexpr char kMon[] = "Mon";
inline constexpr char kDay[] = "Day";
inline constexpr char kYear[] = "Year";
inline constexpr char kHi[] = "HI";
inline constexpr char kLow[] = "LOW";
inline constexpr const char* kMonths[12] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
inline constexpr char kStep2_5[] = "2.5";
inline constexpr char kStep5_0[] = "5.0";
inline constexpr char kStep6_25[] = "6.25";
inline constexpr char kStep12_5[] = "12.5";

// Port dialog
inline constexpr char kComportTitle[] = "Comport set";
inline constexpr char kComport1[] = "Comport1";
inline constexpr char kComport2[] = "Comport2";
} // namespace ViewText
