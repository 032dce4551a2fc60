// Texts of Utility > Program Several Radios, spelled exactly as shown. The
// phases and results in its rows are vesk4-cli fleet's own, word for word.
#pragma once

namespace FleetText
{
inline constexpr char kMenuFleet[] = "Program Several Radios(&F)...";
inline constexpr char kTitle[] = "Program Several Radios";

inline constexpr char kPlanGroup[] = "Plan";
inline constexpr char kPlanWindow[] = "The configuration in the window";
inline constexpr char kPlanFile[] = "A dump file:";
inline constexpr char kBrowse[] = "Browse...";
inline constexpr char kPortsGroup[] = "Ports";
// "COM1 (/dev/ttyS0)"
inline constexpr char kPortBox[] = "%1 (%2)";
inline constexpr char kLoop[] = "When a radio is done, wait for the next one on its port";
inline constexpr char kJournalLabel[] = "Journal:";
inline constexpr char kJournalName[] = "fleet-journal.csv";
inline constexpr char kJournalFilter[] = "Fleet Journal(*.csv)";
inline constexpr char kJournalPattern[] = "*.csv";
inline constexpr char kChoose[] = "Choose...";
inline constexpr char kOpenJournal[] = "Open Journal";
inline constexpr char kStart[] = "Start";
inline constexpr char kStop[] = "Stop";
inline constexpr char kClose[] = "Close";
inline constexpr char kLogName[] = "Messages of the run";

// The rows
inline constexpr char kColumnPort[] = "Port";
inline constexpr char kColumnDevice[] = "Device";
inline constexpr char kColumnSerial[] = "Serial";
inline constexpr char kColumnPhase[] = "Phase";
inline constexpr char kColumnProgress[] = "Progress";
inline constexpr char kColumnResult[] = "Result";
inline constexpr char kWaiting[] = "starting";

// The state of the run
inline constexpr char kIdle[] = "Tick the ports with a radio on them and press Start.";
inline constexpr char kRunning[] = "Running; Stop ends every port cleanly.";
inline constexpr char kStopping[] = "Stopping: each port ends what it is sending...";
inline constexpr char kEnded[] = "Ended (exit status %1).";
inline constexpr char kEndedOk[] = "Ended: every radio verified.";
inline constexpr char kCrashed[] = "vesk4-cli ended without finishing.";
// What the journal holds, as vesk4-cli journal counts it.
inline constexpr char kJournalSummary[] = "%1 radios done: %2 verified, %3 failed";
inline constexpr char kJournalNone[] = "The journal holds no radio yet.";

// Refusals
inline constexpr char kNoPorts[] = "Tick at least one port.";
inline constexpr char kNoPlanFile[] = "Choose the dump file to write into the radios.";
inline constexpr char kNoJournal[] = "Name the journal file.";
inline constexpr char kNoCli[] =
    "vesk4-cli was found neither beside this program nor on the PATH, so several radios "
    "cannot be programmed from here.";
inline constexpr char kSaveFailed[] = "The configuration could not be saved for the run: %1";
inline constexpr char kStartFailed[] = "vesk4-cli could not be started: %1";
inline constexpr char kBusyPort[] =
    "The form on screen is using its port; wait until it is done, then press Start again.";
inline constexpr char kNoJournalFile[] = "The journal %1 does not exist yet.";
} // namespace FleetText
