// The simulated radio's behaviour: its EEPROM and RAM, the records it
// understands and the records it answers with. No I/O of its own.
#pragma once

// own
#include "sim/SimCommandWords.h"
#include "sim/SimRadioState.h"

// link
#include "link/RadioCommands.h"
#include "link/Record.h"

// std
#include <cstdint>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

struct SimLogEntry
{
    bool received = false; // false: sent by the radio
    std::string text;      // the record without CR LF
    bool valid = true;     // well formed with a correct checksum
    std::string words;     // a command the radio took, in words; empty otherwise
};

class CSimRadio
{
public:
    static constexpr std::uint32_t kEepromSize = 8192;
    static constexpr std::uint32_t kRamSize = 65536;
    // A 120-channel radio's EEPROM ends with its last channel record.
    static constexpr std::uint32_t kEnd120 = 0x0E08;
    static constexpr std::uint32_t kAlignmentOffset = 0x26;
    static constexpr std::uint32_t kAlignmentCount = RadioCommands::kLiveLevelCount;
    static constexpr std::size_t kMaxLine = 64;

    CSimRadio();

    // 120 or 320 channels: where an upload stops (0x0E08 or 0x2000).
    void SetChannels(int channels);
    int Channels() const;
    // Where an upload stops, in bytes (a multiple of 8 up to 8192).
    void SetUploadEnd(std::uint32_t end);

    // The EEPROM as a ".dmp" file; the capacity code follows the channels.
    [[nodiscard]] bool LoadImage(const std::string& path);
    [[nodiscard]] bool SaveImage(const std::string& path) const;
    void SetEeprom(const std::uint8_t* image);
    std::vector<std::uint8_t> Eeprom() const;
    std::vector<std::uint8_t> Ram(std::uint32_t address, std::uint32_t count) const;

    // Feeds received bytes; every complete record is handled and its answer
    // records (with CR LF) are appended to replies. Returns the number of
    // records received.
    int Receive(const std::uint8_t* bytes, std::size_t count, std::vector<std::string>& replies);
    // Notes a record as actually sent (after any fault was applied).
    void NoteSent(const std::string& record);

    // What the radio is doing, decoded from the commands it took.
    SimRadioState State() const;

    bool Lamp() const;
    bool Beeper() const;
    // The last test record as it arrived, also one the radio ignored: 'R'
    // (receive, "M4") or 'T' (transmit, "M6"), 0 when none came; and its
    // bytes. State() holds the last one it took.
    char TestSide() const;
    std::vector<std::uint8_t> TestPayload() const;
    int DownloadsCompleted() const;
    bool InDownload() const;
    std::vector<SimLogEntry> Log() const;

    // Appends every log entry to a file as it happens.
    [[nodiscard]] bool SetLogFile(const std::string& path);
    // Called (on the receiving thread, without the state lock) after each
    // completed download.
    void SetDownloadHook(std::function<void()> hook);

private:
    void HandleLine(const std::string& line, std::vector<std::string>& replies,
                    bool& downloadEnded);
    // The words of a well-formed record; empty for data records.
    std::string TakeCommand(const std::string& type, const DecodedRecord& record);
    void AddLog(bool received, const std::string& text, bool valid,
                const std::string& words = std::string());
    void WriteLogLine(const SimLogEntry& entry);
    SimBandSetup BandSetup() const;
    // At power-on the live levels start from the stored ones.
    void LoadLevelsFromEeprom();

    mutable std::mutex m_mutex;
    std::vector<std::uint8_t> m_eeprom;
    std::vector<std::uint8_t> m_ram;
    int m_nChannels = 320;
    std::uint32_t m_nUploadEnd = kEepromSize;
    bool m_bDownload = false;
    int m_nDownloads = 0;
    bool m_bLamp = false;
    bool m_bBeeper = false;
    char m_cTestSide = 0;
    std::vector<std::uint8_t> m_testPayload;
    SimRadioState m_state;
    std::vector<SimLogEntry> m_log;
    std::ofstream m_logFile;
    std::function<void()> m_downloadHook;

    std::string m_strLine;
    bool m_bInLine = false;
};
