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
