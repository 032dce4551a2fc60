// The status lines of `vesk4-cli fleet --status`: one line on standard error
// each time what a port shows changes, fields separated by tabs, so that a
// program running the fleet (the window's Program Several Radios) can follow
// every port without reading the lines meant for people:
//
//   fleet-status <TAB> port <TAB> phase <TAB> percent <TAB> serial <TAB> result
//
// The serial is empty until the radio has told it, the result is the port's
// last finished radio ("verified" or "failed: " and the reason), empty before
// the first. Tabs and line breaks inside a field are sent as blanks.
#pragma once

// std
#include <string>

struct FleetStatus
{
    std::string strPort;
    std::string strPhase;
    int nPercent = 0; // 0..100
    std::string strSerial;
    std::string strResult;
};

class CFleetStatusLine
{
public:
    static constexpr const char* kTag = "fleet-status";

    // The line for status, without its line break.
    static std::string Format(const FleetStatus& status);
    // False for any line that is not a whole status line (another message
    // of the program), status untouched then. A carriage return at the end
    // is ignored.
    [[nodiscard]] static bool Parse(const std::string& line, FleetStatus& status);
};
