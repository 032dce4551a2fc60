// The journal of a fleet run: one CSV row for every radio a plan was cloned
// onto, appended and on the disk before the next radio starts, so a power cut
// loses at most the radio in progress and every finished one can be told
// later: what it was, what it got, whether it verified and where its
// original is kept.
#pragma once

// std
#include <string>
#include <vector>

struct JournalRow
{
    std::string strStarted; // UTC, 2026-12-09T13:50:01Z
    std::string strEnded;
    std::string strPort;   // as the user named it
    std::string strDevice; // what it led to
    std::string strSerialBefore;
    std::string strSerialAfter; // as read back, empty when nothing was
    std::string strModel;
    std::string strPlan;
    std::string strPlanSha256;
    std::string strResult;          // "verified" or "failed: " and the reason
    std::string strFirstDifference; // hexadecimal address, empty when none
    std::string strBackup;
    std::string strSeconds;

    bool Verified() const { return strResult == kVerified; }
    static constexpr const char* kVerified = "verified";
};

struct JournalSummary
{
    int nRadios = 0;
    int nVerified = 0;
    int nFailed = 0;
    // The last result of each serial number, in the order they first came;
    // rows without a serial number (no answer) count only above.
    std::vector<std::pair<std::string, std::string>> lastBySerial;
};

class CCloneJournal
{
public:
    // The first line of every journal.
    static const std::vector<std::string>& Columns();

    // Appends row to the journal at path (made with its heading line when it
    // does not exist or is empty) in one write, then waits until it is on
    // the disk. Refuses what is not a regular file and never follows a link
    // at the end of path. False with errno set when any of it failed.
    [[nodiscard]] static bool Append(const std::string& path, const JournalRow& row);

    // Reads every complete row of the journal text; a row cut short at the
    // end (the power went while it was written) is left out. False when the
    // text does not start with the journal's heading.
    [[nodiscard]] static bool Parse(const std::string& text, std::vector<JournalRow>& rows);

    static JournalSummary Summarise(const std::vector<JournalRow>& rows);

    // UTC time as the journal writes it.
    static std::string TimeText(long long secondsSinceEpoch);
};
