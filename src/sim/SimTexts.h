// Texts that vesk4-radiosim shows.
#pragma once

inline constexpr const char* kSimUsage =
    "Usage: vesk4-radiosim [options]\n"
    "A simulated Borea 320 radio on a pseudo-terminal. It prints the device path\n"
    "to give to vesk4-cli (--port) or to the windowed program's Comport.ini\n"
    "(section Devices, COM1=...), then answers until it is interrupted.\n"
    "\n"
    "  --image FILE.dmp     start with this EEPROM image (default: all 0xFF)\n"
    "  --save FILE.dmp      write the EEPROM here after every download and at exit\n"
    "  --serial HEX         give the radio this serial number (up to 8 hex digits),\n"
    "                       so that several simulated radios tell apart\n"
    "  --channels 120|320   a 120-channel radio uploads up to 0x0E08 (default 320)\n"
    "  --upload-end HEX     upload only the EEPROM below this address\n"
    "  --baud N             pace the line at N baud both ways: what the radio sends\n"
    "                       and what it takes in, a byte each ten bit times\n"
    "                       (default: unpaced; the radio's own line runs at 2400)\n"
    "  --log FILE           append every record received and sent to FILE, with\n"
    "                       each command the radio takes in words\n"
    "Faults, for testing:\n"
    "  --silent             answer nothing\n"
    "  --noise              answer with bytes that never make a record\n"
    "  --stall-after N      send N records, then fall silent\n"
    "  --corrupt K          give the K-th record sent a wrong checksum\n"
    "  --garbage K          send bytes outside any record before the K-th record\n"
    "  --garbage-pause MS   quiet time after those bytes (default 300)\n"
    "  --hangup-after N     close the device after N records (received and sent)\n"
    "  --help               show this text\n"
    "  --version            show the version\n"
    "Exit status: 0 after Ctrl+C, SIGTERM, SIGHUP or a --hangup-after fault;\n"
    "1 when the image cannot be read, the log opened, the pseudo-terminal\n"
    "created or the image saved; 2 for a bad option or value.\n";
inline constexpr const char* kSimVersion = "vesk4-radiosim %s\n";

inline constexpr const char* kSimStarted = "vesk4-radiosim: simulated radio (%d channels) on %s\n";
inline constexpr const char* kSimHungUp = "vesk4-radiosim: hung up after %d records\n";
inline constexpr const char* kSimBadOption = "vesk4-radiosim: bad option or value: %s\n";
inline constexpr const char* kSimImageError = "vesk4-radiosim: cannot read the image %s\n";
inline constexpr const char* kSimSaveError = "vesk4-radiosim: cannot write the image %s\n";
inline constexpr const char* kSimLogError = "vesk4-radiosim: cannot open the log %s\n";
inline constexpr const char* kSimPtyError = "vesk4-radiosim: cannot create a pseudo-terminal\n";

// The commands the radio takes, in words, for its log and the demo's port line.
inline constexpr const char* kSimLevelNames[10] = {
    "Tx High power Level",     "Tx Low power Level",     "SQ Volume",
    "Tx Tone Level",           "DTMF Low Tone Level",    "Modulation Sensitivity",
    "Wide Band Modulation",    "Narrow Band Modulation", "Wide Band Demodulation",
    "Narrow Band Demodulation"};
inline constexpr const char* kSimWordLevel = "%s %d";
inline constexpr const char* kSimWordLevelTransmitting = "%s %d (transmitting)";
inline constexpr const char* kSimWordReceiving = "receiving";
inline constexpr const char* kSimWordTransmitting = "transmitting";
inline constexpr const char* kSimWordOnFrequency = " on %.5f MHz";
inline constexpr const char* kSimWordOnDivider = " on divider 0x%05X (the EEPROM names no band)";
inline constexpr const char* kSimWordNoFrequency = " with no frequency set";
inline constexpr const char* kSimWordWide = ", wide";
inline constexpr const char* kSimWordNarrow = ", narrow";
inline constexpr const char* kSimWordHighPower = ", high power";
inline constexpr const char* kSimWordLowPower = ", low power";
inline constexpr const char* kSimWordNoSignalling = ", no signalling";
inline constexpr const char* kSimWordCtcss = ", CTCSS %.1f Hz";
inline constexpr const char* kSimWordDcs = ", DCS %03d";
inline constexpr const char* kSimWordDcsInverted = ", DCS %03d inverted";
inline constexpr const char* kSimWordUnknownSignalling = ", unknown signalling 0x%04X";
inline constexpr const char* kSimWordCompander = ", compander";
inline constexpr const char* kSimWordDtone = ", DTone";
inline constexpr const char* kSimWordAni = ", ANI";
inline constexpr const char* kSimWordScanGroupA = ", scan group A";
inline constexpr const char* kSimWordScanGroupB = ", scan group B";
inline constexpr const char* kSimWordAuxiliary = ", auxiliary 0x%02X";
inline constexpr const char* kSimWordBadTest =
    "test record ignored: not seven bytes with a good check nibble";
inline constexpr const char* kSimWordLampOn = "lamp on";
inline constexpr const char* kSimWordLampOff = "lamp off";
inline constexpr const char* kSimWordBeeperOn = "beeper on";
inline constexpr const char* kSimWordBeeperOff = "beeper off";
inline constexpr const char* kSimWordStored = "adjustments stored";
inline constexpr const char* kSimWordUpload = "upload asked for";
inline constexpr const char* kSimWordDownloadStart = "download started";
inline constexpr const char* kSimWordDownloadEnd = "download complete";
inline constexpr const char* kSimWordRamWrite = "RAM write at 0x%04X, %u bytes";
inline constexpr const char* kSimWordRamRead = "RAM read at 0x%04X, %u bytes";
inline constexpr const char* kSimWordUnknownCommand = "command not understood";
