// Fixed texts of the radio link that reach the user through the link's owner.
#pragma once

// The reader thread could not get the port lock in time ("the synchronisation
// object is not released"). The link shows nothing; its owner shows this.
inline constexpr const char* kLockTimeoutText = "同期オブジェクトが開放されません。";

// RAM dialog checks, shared by the windowed dialogs and the command line.
inline constexpr const char* kSetAddressErrorText = "Set Address Error !";
inline constexpr const char* kSetByteErrorText = "Set Byte Error !";
inline constexpr const char* kHexAddressErrorText = "Hex Address Error ! ";
inline constexpr const char* kHexDataErrorText = "Hex Data Error ! ";

// Listing headings and line formats of the Radio Comm conversation.
inline constexpr const char* kRamHeading = "Addr   RAMDATA";
inline constexpr const char* kVerifyHeading = "Addr   PC   RADIO";
inline constexpr const char* kRamLineFormat = " %03x    %02x";
inline constexpr const char* kVerifyLineFormat = " %03x    %02x    %02x";

// Outcome messages of the Radio Comm conversation.
inline constexpr const char* kUploadCompleteText = "EEPROM copy complete.";
inline constexpr const char* kRamCompleteText = "RAM copy complete.";
inline constexpr const char* kUploadErrorText = "EEPROM copy error.";
inline constexpr const char* kRamErrorText = "RAM copy error.";
inline constexpr const char* kDownloadCompleteText = "EEPROM program complete.";
inline constexpr const char* kDownloadErrorText = "EEPROM program error.";
inline constexpr const char* kUploadCancelledText =
    "Up Load Data is with begin outputted from the radio.\nTurn on the radio again if carring it "
    "out after waiting\nfor one for two minutes when it continues and\nUpLoad DownLoad.";

// Bytes came after an upload or RAM read request, but none of them made a
// line that reads as a record (a wrong device, a bad cable, line noise).
inline constexpr const char* kNoValidRecordText =
    "Bytes came from the radio, but no valid record could be read from them.";

// How the device list names a device (the port line and vesk4-cli ports).
inline constexpr const char* kUsbSerialLabel = "USB serial cable";
inline constexpr const char* kBuiltInSerialLabel = "built-in serial port";
inline constexpr const char* kPseudoTerminalLabel = "pseudo-terminal";

// The diagnosis of a port that cannot be had ({name} marks stand for what was found).
inline constexpr const char* kDiagnoseVanished =
    "the device went away: it was {name}. It was unplugged, or it now has another name: plug the "
    "cable back in (any socket keeps this name), or choose the device again.";
inline constexpr const char* kDiagnoseMissing = "there is no device {path}.";
inline constexpr const char* kDiagnosePresent = " Serial devices present now: {list}.";
inline constexpr const char* kDiagnoseNonePresent = " No serial device is present now.";
inline constexpr const char* kDiagnoseNotInGroup =
    "permission denied: {user} is not in the group {group} that owns the device. Run "
    "sudo usermod -aG {group} {user} and then log out and in again: the group counts only from a "
    "new login.";
inline constexpr const char* kDiagnoseNewLogin =
    "permission denied: {user} is in the group {group} that owns the device, but this login began "
    "before that. Log out and in again.";
inline constexpr const char* kDiagnoseNoPermission =
    "permission denied: the device (group {group}, mode {mode}) lets no other user in. Have the "
    "administrator give it to the group dialout with mode 0660 (a udev rule), or run as its "
    "owner.";
inline constexpr const char* kDiagnoseHeldByCopy =
    "another copy of this program (process {pid}) has the device. Close that window or command, "
    "or choose another port.";
inline constexpr const char* kDiagnoseHeldBy =
    "{program} (process {pid}) has the device open. Close that program, then try again.";
inline constexpr const char* kDiagnoseHeldByBrltty =
    "the braille display service brltty (process {pid}) has claimed the device. If no braille "
    "display is used, stop it with sudo systemctl stop brltty-udev.service brltty.service and "
    "keep it away with sudo systemctl mask brltty-udev.service (or remove the brltty package), "
    "then unplug and replug the cable.";
inline constexpr const char* kDiagnoseHeldByModemManager =
    "ModemManager (process {pid}) is probing the device as a modem. Install the udev rule "
    "70-vesk4-serial.rules that comes with this program (it sets ID_MM_DEVICE_IGNORE for serial "
    "adapters) and unplug and replug the cable, or stop it with sudo systemctl stop "
    "ModemManager.";
