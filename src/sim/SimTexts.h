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
    "  --channels 120|320   a 120-channel radio uploads up to 0x0E08 (default 320)\n"
    "  --upload-end HEX     upload only the EEPROM below this address\n"
    "  --baud N             pace what the radio sends at N baud (default: unpaced)\n"
    "  --log FILE           append every record received and sent to FILE\n"
    "Faults, for testing:\n"
    "  --silent             answer nothing\n"
    "  --noise              answer with bytes that never make a record\n"
    "  --stall-after N      send N records, then fall silent\n"
    "  --corrupt K          give the K-th record sent a wrong checksum\n"
    "  --garbage K          send bytes outside any record before the K-th record\n"
    "  --garbage-pause MS   quiet time after those bytes (default 300)\n"
    "  --hangup-after N     close the device after N records (received and sent)\n"
    "  --help               show this text\n";

inline constexpr const char* kSimStarted = "vesk4-radiosim: simulated radio (%d channels) on %s\n";
inline constexpr const char* kSimHungUp = "vesk4-radiosim: hung up after %d records\n";
inline constexpr const char* kSimBadOption = "vesk4-radiosim: bad option or value: %s\n";
inline constexpr const char* kSimImageError = "vesk4-radiosim: cannot read the image %s\n";
inline constexpr const char* kSimSaveError = "vesk4-radiosim: cannot write the image %s\n";
inline constexpr const char* kSimLogError = "vesk4-radiosim: cannot open the log %s\n";
inline constexpr const char* kSimPtyError = "vesk4-radiosim: cannot create a pseudo-terminal\n";
