// Texts that vesk4-cli fleet and journal show.
#pragma once

inline constexpr const char* kFleetNeedPorts = "fleet needs at least one --port";
inline constexpr const char* kFleetSamePort = "--port %s is given twice";
inline constexpr const char* kFleetNoThread = "vesk4-cli: fleet: no thread for %s\n";

// The phases of a port's line.
inline constexpr const char* kPhaseOpening = "opening";
inline constexpr const char* kPhaseReading = "reading";
inline constexpr const char* kPhaseWriting = "writing";
inline constexpr const char* kPhaseVerifying = "verifying";
inline constexpr const char* kPhaseWaitRadio = "waiting for a radio";
inline constexpr const char* kPhaseWaitRemoval = "done; waiting for the radio to be taken away";
inline constexpr const char* kPhaseEnded = "ended";

// port, serial, phase, percent, last result; the plain lines without percent
inline constexpr const char* kFleetLine = "%-12s %-10s %-44s %3d%%  %s";
inline constexpr const char* kFleetPlainLine = "%-12s %-10s %-44s %s";
inline constexpr const char* kFleetNoSerial = "-";

// The summary: one line a radio, then the count.
inline constexpr const char* kFleetRadioLine = "%s: serial %s: %s%s%s\n";
inline constexpr const char* kFleetBackupPart = "; original in ";
inline constexpr const char* kFleetPortFailed = "%s: %s\n";
inline constexpr const char* kFleetSummary = "%d radios: %d verified, %d failed\n";
inline constexpr const char* kFleetJournalError =
    "vesk4-cli: the journal %s could not be written (%s); the radio on %s is not in it\n";

inline constexpr const char* kResultVerified = "verified";
inline constexpr const char* kResultFailedPrefix = "failed: ";
inline constexpr const char* kResultInterrupted = "interrupted";
inline constexpr const char* kResultUnknown = "no reason given";

inline constexpr const char* kJournalReadError = "vesk4-cli: cannot read the journal %s: %s\n";
inline constexpr const char* kJournalNotJournal =
    "vesk4-cli: %s is not a fleet journal (its first line is not the journal's heading)\n";
inline constexpr const char* kJournalSummary = "%d radios done: %d verified, %d failed\n";
inline constexpr const char* kJournalSerialLine = "%s: %s\n";
