// The command line of vesk4-cli: command, options and arguments.
#pragma once

// std
#include <string>
#include <vector>

class CCliOptions
{
public:
    std::string m_strCommand;
    std::string m_strPort; // the last --port
    // Every --port in order, for fleet.
    std::vector<std::string> m_ports;
    // fleet --journal FILE.csv, --loop.
    std::string m_strJournal;
    bool m_bLoop = false;
    // fleet --status: tab-separated status lines for a program to read.
    bool m_bStatusLines = false;
    std::string m_strOutput;
    std::vector<std::string> m_args;
    double m_dTimeout = 3.0;
    // How long the radio may pause in the middle of a transfer.
    double m_dSilence = 1.0;
    bool m_bHelp = false;
    bool m_bVersion = false;
    // import-csv --merge keeps the channels the plan does not list.
    bool m_bMerge = false;
    int m_nProgress = -1; // -1 on a terminal only, 0 never, 1 always
    // Backups of what is read from a radio: --no-backup, --backup-dir DIR.
    bool m_bNoBackup = false;
    std::string m_strBackupDir;
    // download --verify reads the radio back and compares.
    bool m_bVerify = false;
    // download and clone --force write an image whose check found errors.
    bool m_bForce = false;
    // --trace FILE: every record sent and received, with times.
    std::string m_strTrace;
    // new --model NAME [--channels 120|320].
    std::string m_strModel;
    int m_nChannels = 120;
    // ports --diagnose: why each port cannot be had.
    bool m_bDiagnose = false;

    // False with a message for the user when the line cannot be understood.
    [[nodiscard]] bool Parse(int argc, const char* const* argv, std::string& error);
};
