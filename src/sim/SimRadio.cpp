// Simulated radio behaviour.

// own
#include "sim/SimRadio.h"

// link
#include "sim/SimTexts.h"

// link
#include "link/RadioCommands.h"
#include "link/Record.h"

// model
#include "model/AppState.h"
#include "model/BandTable.h"
#include "model/RadioImage.h"

// std
#include <algorithm>
#include <cstdio>

using namespace RadioCommands;

CSimRadio::CSimRadio() : m_eeprom(kEepromSize, 0xFF), m_ram(kRamSize, 0) {}

void CSimRadio::SetChannels(int channels)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nChannels = channels == 120 ? 120 : 320;
    m_nUploadEnd = m_nChannels == 120 ? kEnd120 : kEepromSize;
}

int CSimRadio::Channels() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nChannels;
}

void CSimRadio::SetUploadEnd(std::uint32_t end)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nUploadEnd = std::min(end, kEepromSize);
}

bool CSimRadio::LoadImage(const std::string& path)
{
    CRadioImage image;
    CPlainAppState app;
    if (!image.LoadFromFile(path, app))
    {
        return false;
    }
    std::vector<std::uint8_t> bytes(kEepromSize);
    if (!image.ReadBlock(bytes.data(), 0, kEepromSize))
    {
        return false;
    }
    SetEeprom(bytes.data());
    return true;
}

bool CSimRadio::SaveImage(const std::string& path) const
{
    CRadioImage image;
    CPlainAppState app;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!image.WriteBlock(m_eeprom.data(), 0, kEepromSize))
        {
            return false;
        }
        app.m_nChannelCode = m_nChannels == 120 ? 1 : 2;
        app.m_nChannelMode = app.m_nChannelCode - 1;
    }
    return image.SaveToFile(path, app);
}

void CSimRadio::SetEeprom(const std::uint8_t* image)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::copy(image, image + kEepromSize, m_eeprom.begin());
    LoadLevelsFromEeprom();
}

std::vector<std::uint8_t> CSimRadio::Eeprom() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_eeprom;
}

std::vector<std::uint8_t> CSimRadio::Ram(std::uint32_t address, std::uint32_t count) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    address = std::min(address, kRamSize);
    count = std::min(count, kRamSize - address);
    return std::vector<std::uint8_t>(m_ram.begin() + address, m_ram.begin() + address + count);
}

int CSimRadio::Receive(const std::uint8_t* bytes, std::size_t count,
                       std::vector<std::string>& replies)
{
    int records = 0;
    bool downloadEnded = false;
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (std::size_t i = 0; i < count; ++i)
        {
            const char c = static_cast<char>(bytes[i]);
            if (c == kCommandStart || c == kAnswerStart)
            {
                // A record start inside a line: the partial line is lost, as
                // on a real receiver that resynchronises.
                m_strLine.assign(1, c);
                m_bInLine = true;
            }
            else if (m_bInLine)
            {
                m_strLine += c;
                if (c == '\n')
                {
                    m_bInLine = false;
                    ++records;
                    HandleLine(m_strLine, replies, downloadEnded);
                    m_strLine.clear();
                }
                else if (m_strLine.size() > kMaxLine)
                {
                    AddLog(true, m_strLine, false);
                    m_bInLine = false;
                    m_strLine.clear();
                }
            }
        }
        if (downloadEnded)
        {
            hook = m_downloadHook;
        }
    }
    if (hook)
    {
        hook();
    }
    return records;
}

void CSimRadio::HandleLine(const std::string& line, std::vector<std::string>& replies,
                           bool& downloadEnded)
{
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    {
        text.pop_back();
    }
    DecodedRecord record;
    const bool valid =
        CRecord::Decode(reinterpret_cast<const std::uint8_t*>(line.data()), line.size(), record);
    AddLog(true, text, valid);
    if (!valid)
    {
        return; // the radio ignores what fails its checksum
    }
    const std::string type(record.type, 2);
    const std::uint16_t address = record.address;
    const std::string words = TakeCommand(type, record);
    m_log.back().words = words;
    WriteLogLine(m_log.back());

    if (type == kUploadRequest)
    {
        for (std::uint32_t offset = 0; offset < m_nUploadEnd; offset += 8)
        {
            const std::uint32_t n = std::min<std::uint32_t>(8, m_nUploadEnd - offset);
            replies.push_back(
                CRecord::Compose(kData, static_cast<std::uint16_t>(offset), &m_eeprom[offset], n));
        }
        replies.push_back(CRecord::Compose(kEnd, kNoAddress, nullptr, 0));
    }
    else if (type == kRamRead && record.dataCount >= 1)
    {
        const std::uint32_t end = std::min<std::uint32_t>(address + record.data[0], kRamSize);
        for (std::uint32_t a = address; a < end; a += 8)
        {
            const std::uint32_t n = std::min<std::uint32_t>(8, end - a);
            replies.push_back(CRecord::Compose(kData, static_cast<std::uint16_t>(a), &m_ram[a], n));
        }
        replies.push_back(CRecord::Compose(kEnd, kNoAddress, nullptr, 0));
    }
    else if (type == kData && m_bDownload)
    {
        for (std::uint32_t i = 0; i < record.dataCount && address + i < kEepromSize; ++i)
        {
            m_eeprom[address + i] = record.data[i];
        }
    }
    else if (type == kEnd && m_bDownload)
    {
        m_bDownload = false;
        ++m_nDownloads;
        downloadEnded = true;
    }
}

std::string CSimRadio::TakeCommand(const std::string& type, const DecodedRecord& record)
{
    const std::uint16_t address = record.address;
    const bool live = type == kLiveReceive || type == kLiveTransmit;
    std::string words;
    char buffer[96];
    if (type == kUploadRequest)
    {
        words = kSimWordUpload;
    }
    else if (type == kRamRead && record.dataCount >= 1)
    {
        std::snprintf(buffer, sizeof buffer, kSimWordRamRead, static_cast<unsigned>(address),
                      static_cast<unsigned>(record.data[0]));
        words = buffer;
    }
    else if (type == kProgram && address == kProgramAddress)
    {
        m_bDownload = true;
        words = kSimWordDownloadStart;
    }
    else if (type == kEnd && m_bDownload)
    {
        words = kSimWordDownloadEnd;
    }
    else if (type == kProgram && address == kStoreAdjustAddress)
    {
        for (std::uint32_t i = 0; i < kAlignmentCount; ++i)
        {
            m_eeprom[kAlignmentOffset + i] = m_ram[kLiveLevelBase + i];
        }
        ++m_state.adjustmentsStored;
        words = kSimWordStored;
    }
    else if (type == kRamWrite)
    {
        for (std::uint32_t i = 0; i < record.dataCount && address + i < kRamSize; ++i)
        {
            m_ram[address + i] = record.data[i];
        }
        std::snprintf(buffer, sizeof buffer, kSimWordRamWrite, static_cast<unsigned>(address),
                      static_cast<unsigned>(record.dataCount));
        words = buffer;
    }
    else if (live && address >= kLiveLevelBase && address < kLiveLevelBase + kAlignmentCount &&
             record.dataCount >= 1)
    {
        m_ram[address] = record.data[0];
        m_state.lastLevel = address - kLiveLevelBase;
        m_state.lastLevelValue = record.data[0];
        m_state.lastLevelTransmitting = type == kLiveTransmit;
        words = DescribeLevel(m_state.lastLevel, record.data[0], m_state.lastLevelTransmitting);
    }
    else if (live && address == kTestAddress)
    {
        m_cTestSide = type == kLiveReceive ? 'R' : 'T';
        m_testPayload.assign(record.data, record.data + record.dataCount);
        words = DecodeTestPayload(record.data, record.dataCount, type == kLiveTransmit, BandSetup(),
                                  m_state.test)
                    ? DescribeTest(m_state.test)
                    : kSimWordBadTest;
    }
    else if (type == kSwitch && (address & ~kSwitchOn) == kLampOff)
    {
        m_bLamp = (address & kSwitchOn) != 0;
        words = m_bLamp ? kSimWordLampOn : kSimWordLampOff;
    }
    else if (type == kSwitch && (address & ~kSwitchOn) == kBeeperOff)
    {
        m_bBeeper = (address & kSwitchOn) != 0;
        words = m_bBeeper ? kSimWordBeeperOn : kSimWordBeeperOff;
    }
    else if (type[0] == kCommandStart)
    {
        words = kSimWordUnknownCommand;
    }
    if (type[0] == kCommandStart)
    {
        ++m_state.commandsTaken;
        m_state.lastAction = words;
    }
    return words;
}

SimBandSetup CSimRadio::BandSetup() const
{
    CRadioImage image;
    SimBandSetup band;
    int model = -1;
    if (!image.WriteBlock(m_eeprom.data(), 0, kEepromSize) || !image.GetModel(model) ||
        FindBand(model) == nullptr)
    {
        return band;
    }
    band.model = model;
    (void)image.GetWideReferenceCode(model, band.wideCode);
    (void)image.GetNarrowReferenceCode(model, band.narrowCode);
    (void)image.GetInjection(band.injection);
    return band;
}

void CSimRadio::LoadLevelsFromEeprom()
{
    std::copy(m_eeprom.begin() + kAlignmentOffset,
              m_eeprom.begin() + kAlignmentOffset + kAlignmentCount,
              m_ram.begin() + kLiveLevelBase);
}

SimRadioState CSimRadio::State() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimRadioState state = m_state;
    for (int i = 0; i < SimRadioState::kLevelCount; ++i)
    {
        state.levels[i] = m_ram[kLiveLevelBase + i];
    }
    state.lamp = m_bLamp;
    state.beeper = m_bBeeper;
    return state;
}

void CSimRadio::NoteSent(const std::string& record)
{
    std::string text = record;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    {
        text.pop_back();
    }
    DecodedRecord decoded;
    const bool valid = CRecord::Decode(reinterpret_cast<const std::uint8_t*>(record.data()),
                                       record.size(), decoded);
    std::lock_guard<std::mutex> lock(m_mutex);
    AddLog(false, text, valid);
}

void CSimRadio::AddLog(bool received, const std::string& text, bool valid, const std::string& words)
{
    m_log.push_back(SimLogEntry{received, text, valid, words});
    // A well-formed received record is written once its words are known.
    if (!(received && valid))
    {
        WriteLogLine(m_log.back());
    }
}

void CSimRadio::WriteLogLine(const SimLogEntry& entry)
{
    if (!m_logFile.is_open())
    {
        return;
    }
    m_logFile << (entry.received ? "<- " : "-> ") << entry.text
              << (entry.valid ? "" : "  (bad record)");
    if (!entry.words.empty())
    {
        m_logFile << "  " << entry.words;
    }
    m_logFile << '\n';
    m_logFile.flush();
}

bool CSimRadio::Lamp() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bLamp;
}

bool CSimRadio::Beeper() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bBeeper;
}

char CSimRadio::TestSide() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cTestSide;
}

std::vector<std::uint8_t> CSimRadio::TestPayload() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_testPayload;
}

int CSimRadio::DownloadsCompleted() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nDownloads;
}

bool CSimRadio::InDownload() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bDownload;
}

std::vector<SimLogEntry> CSimRadio::Log() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_log;
}

bool CSimRadio::SetLogFile(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_logFile.open(path, std::ios::out | std::ios::app);
    return m_logFile.is_open();
}

void CSimRadio::SetDownloadHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_downloadHook = std::move(hook);
}
