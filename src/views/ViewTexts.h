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
// Spoken names of the two reference lists, whose shared label names neither.
inline constexpr char kWideReferenceName[] = "PLL Reference Freq Wide";
inline constexpr char kNarrowReferenceName[] = "PLL Reference Freq Narrow";

// Port dialog
inline constexpr char kComportTitle[] = "Comport set";
inline constexpr char kComport1[] = "Comport1";
inline constexpr char kComport2[] = "Comport2";
// Spoken names of the device lists beside them, and the mark of a device that
// is not there now.
inline constexpr char kComport1Device[] = "Comport1 device";
inline constexpr char kComport2Device[] = "Comport2 device";
inline constexpr char kDeviceAbsent[] = " (not present)";

// Radio Comm form (the outcome messages are the link's, in link/LinkTexts.h)
inline constexpr char kUpLoad[] = "Up Load";
inline constexpr char kDownLoad[] = "Down Load";
inline constexpr char kRamRead[] = "Ram Read";
inline constexpr char kRamWrite[] = "Ram Write";
inline constexpr char kVerify[] = "Verify";
inline constexpr char kCopyOk[] = " COPY OK ? ";
inline constexpr char kNotUploadedVerify[] = " Not Up Loading\n VERIFY OK? ";
inline constexpr char kFindContinue[] = "find!!\nContinue ?";
inline constexpr char kVerifyComplete[] = " Verify Complete ";
inline constexpr char kPleaseWait[] = "PLEASE WAIT !!";
// The check Down Load makes first: %1 the findings, one a line.
inline constexpr char kDownLoadRefused[] =
    "Nothing is written: the radio cannot use what the errors below name. Mend them and "
    "Down Load again.\n\n%1";
inline constexpr char kDownLoadWarnings[] = "%1\n\nWrite anyway?";
// After the first findings of a long list: %1 how many are left out.
inline constexpr char kMoreFindings[] = "... and %1 more (vesk4-cli check lists them all).";

// The unit beside the frequency boxes of the Channel and Test forms.
inline constexpr char kMhz[] = "MHz";
// Spoken names of the form's unlabelled parts.
inline constexpr char kTransferListName[] = "Radio Comm messages";
inline constexpr char kPortLineName[] = "Port";

// The port line of the Radio Comm, Adjust and Test forms: %1 the port name,
// %2 its device as the device list names it ("USB serial cable FT232R USB
// UART, /dev/ttyUSB0").
inline constexpr char kPortOpen[] = "%1: %2: open.";
inline constexpr char kPortMissing[] =
    "%1: %2: not open, no such device. Plug in the cable or adapter, or name its device in "
    "Comport.ini, section [Devices] (for example %1=/dev/ttyUSB0), then choose Utility > "
    "Comport set and OK.";
inline constexpr char kPortInUse[] =
    "%1: %2: not open, in use by another program. Close that program, then choose Utility > "
    "Comport set and OK.";
// %3 the group that owns the device.
inline constexpr char kPortDenied[] =
    "%1: %2: not open, permission denied. Add yourself to the group %3 (sudo usermod -aG %3 "
    "$USER), log in again, then choose Utility > Comport set and OK.";
inline constexpr char kPortNotSerial[] =
    "%1: %2: not open, not a serial device. Name the radio's port in Comport.ini, section "
    "[Devices].";
inline constexpr char kPortConfigure[] =
    "%1: %2: not open, the device refused 2400 baud, 8 data bits, no parity.";
inline constexpr char kPortLockBusy[] =
    "%1: %2: not open, another program holds the port lock Vesk4Mutex. Close it, then choose "
    "Utility > Comport set and OK.";
inline constexpr char kPortLost[] =
    "%1: %2: the device went away. Reconnect it, then choose Utility > Comport set and OK.";
inline constexpr char kPortFailed[] = "%1: %2: not open.";
// %3 why, and what to do, as the link's diagnosis says.
inline constexpr char kPortDiagnosed[] =
    "%1: %2: not open, %3 Then choose Utility > Comport set and OK.";
inline constexpr char kPortNoDevice[] = "(no device)";
inline constexpr char kDefaultSerialGroup[] = "dialout";

// RAM dialogs
inline constexpr char kRamReadTitle[] = "RAMREAD";
inline constexpr char kRamWriteTitle[] = "RAMWRITE";
inline constexpr char kReadAddress[] = "Read Address (Hex)";
inline constexpr char kReadByte[] = "Read Byte";
inline constexpr char kWriteAddress[] = "Write Address (Hex)";
inline constexpr char kWriteByte[] = "Write Byte (Dec)";
inline constexpr char kWriteData[] = "Write Data (Hex)";
// Spoken name of data field %1.
inline constexpr char kWriteDataName[] = "Write Data (Hex) %1";
inline constexpr char kEnterInteger[] = "Please enter an integer.";

// Option form
inline constexpr char kScanCondition[] = "Scan Condition";
inline constexpr char kPriCondition[] = "PRI Condition";
inline constexpr char kDtmfCondition[] = "DTMF Condition";
inline constexpr char kOtherCondition[] = "Other Condition";
inline constexpr char kScanType[] = "Scan Type";
inline constexpr char kScanHoldOnRx[] = "Scan Hold on Rx";
inline constexpr char kScanHoldAfterTx[] = "Scan Hold After Tx";
inline constexpr char kScanListClear[] = "Scan List Clear";
inline constexpr char kScanHoldBy[] = "Scan Hold By";
inline constexpr char kScanHoldAt[] = "Scan Hold At";
inline constexpr char kPriCycle[] = "PRI CH Moniter Cycle";
inline constexpr char kPriTime[] = "PRI CH Moniter Time";
inline constexpr char kDefeatPri2[] = "Defeat PRI 2 CH";
inline constexpr char kDtmfOnOffTime[] = "DTMF ON/OFF Time";
inline constexpr char kOnTime[] = "ON Time";
inline constexpr char kOffTime[] = "OFF Time";
inline constexpr char kChannelRollOver[] = "Channel Roll-Over";
inline constexpr char kTxTimeOut[] = "Tx Time-Out Timer ";
inline constexpr char kMicOffHook[] = "Mic Off-Hook Scan Stop";
inline constexpr char kBusyLockOut[] = "Busy CH Lock-Out";
inline constexpr char kBeepControl[] = "Beep Control";
inline constexpr const char* kBeeps[4] = {"Beep A", "Beep B", "Beep C", "Beep D"};
inline constexpr char k120ch[] = "120ch";
inline constexpr char k320ch[] = "320ch";
inline constexpr char kGroupCount[] = "Group Count";
inline constexpr char kSec[] = "sec";
inline constexpr char kMs[] = "ms";
inline constexpr const char* kScanTypes[4] = {"NORMAL", "MODIFY", "SECOND", "PS"};
inline constexpr const char* kScanHoldTimes[4] = {"0.5", "2.5", "5.0", "INF"};
inline constexpr const char* kScanListClears[4] = {"Power/Scan", "When Power On",
                                                   "When Scan Off", "No Clear"};
inline constexpr const char* kScanHoldBys[2] = {"NSQ", "SIGNALLING"};
inline constexpr const char* kScanHoldAts[2] = {"VACANT CH", "BUSY CH"};
inline constexpr const char* kPriCycles[2] = {"1/4", "1/8"};
inline constexpr const char* kPriTimes[4] = {"0.5", "0.75", "1.0", "1.5"};
inline constexpr const char* kEnableDisable[2] = {"Enable", "Disable"};
inline constexpr const char* kDtmfTimings[8] = {"0", "1", "2", "3", "4", "5", "6", "7"};
inline constexpr const char* kTimeOuts[8] = {"30", "60", "90", "120", "150", "180", "210", "INF"};
inline constexpr const char* kBusyLockOuts[4] = {"NSQ", "SGNL", "SPCL", "DIS"};
// Spoken names of the two read-only times.
inline constexpr char kOnTimeName[] = "DTMF ON Time ms";
inline constexpr char kOffTimeName[] = "DTMF OFF Time ms";
inline constexpr char kSetUpErrorOption[] = "Set Up Error";

// Manual form
inline constexpr char kEepromAddress[] = "EEPROM Address (Hex)";
inline constexpr char kDecision[] = "Decision";
inline constexpr char kEepromData[] = "EEPROM Data";
inline constexpr char kHex[] = "Hex";
inline constexpr char kBinary[] = "binary";
inline constexpr char kBitCaption[] = "   7      6      5      4      3      2      1      0";
inline constexpr char kCancelCaps[] = "CANCEL";
inline constexpr char kWarning[] = "WARNING !";
inline constexpr char kWarningText[] =
    "Incorrect changes to Configuration Data can render the radio inoperable";
inline constexpr char kHexAddressError[] = "Hex Address Error ! ";
inline constexpr char kHexDataError[] = "Hex Data Error ! ";
inline constexpr char kSetAddressErrorManual[] = " Set Address Error ";

// 2-Tone form
inline constexpr char kTwoToneUsed[] = " 2Tone  used / unused";
inline constexpr char kFormatType[] = "Format Type";
inline constexpr const char* kTwoToneFormats[4] = {"MOTOROLA 1+1", "MOTOROLA 2+2", "REACH",
                                                   "PLECTRON"};
inline constexpr char kGroupFormatCode[] = "Group Format Code";
inline constexpr const char* kGroupCodes[11] = {"0", "1", "2", "3", "4", "5",
                                                "6", "7", "8", "9", "A"};
inline constexpr char kGroupFor1st[] = "Group For 1st Tone";
inline constexpr char kGroupFor2nd[] = "Group For 2nd Tone";
inline constexpr char k1stToneFreq[] = "1st Tone Freq";
inline constexpr char k2ndToneFreq[] = "2nd Tone Freq";
inline constexpr char k3rdToneFreq[] = "3rd Tone Freq";
inline constexpr char kHz[] = "Hz";
inline constexpr char kAniNumber[] = "ANI Number";
inline constexpr char kSetUpErrorTwoTone[] = " Set Up Error ! ";
inline constexpr char kFormatCodeError[] = " Format Code Error ";
inline constexpr char kFormatTypeError[] = " Format Type Error ";

// Radio Comm form: the backup kept of every upload
inline constexpr char kBackupFailed[] =
    "The radio's image could not be kept in the backup folder.\n"
    "The upload itself is complete.";
} // namespace ViewText
