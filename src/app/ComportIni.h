// The port choice kept in "Comport.ini", a Windows profile file: section
// "AppComport", key "Value". The other sections of the file are kept as they are.
#pragma once

// std
#include <string>

class CComportIni
{
public:
    // The integer "Value" of section "AppComport", read as a Windows profile
    // file would be: names compared without regard to case, blanks around the
    // value ignored, a leading sign and "0x" accepted, reading stops at the
    // first character that is not a digit. `defaultValue` when the file, the
    // section or the key is missing or the value is empty.
    static int ReadValue(const std::string& iniPath, int defaultValue);
    // Sets "Value" of section "AppComport" to `value`, creating the file, the
    // section or the key as needed. False when the file could not be written.
    static bool WriteValue(const std::string& iniPath, const std::string& value);
};
