// Radio Comm conversation.

// own
#include "link/RadioConversation.h"
#include "link/LinkTexts.h"
#include "link/RadioCommands.h"
#include "link/Record.h"

// model
#include "model/RadioImage.h"

// std
#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace RadioCommands;

CRadioConversation::CRadioConversation(IAppState& app, ILinkTimerHost& timers, Callback callback)
    : m_app(app), m_timers(timers), m_callback(std::move(callback)), m_upload(kUploadSize, 0xFF),
      m_ram(kRamSize, 0)
{
    m_link.SetAppState(&m_app);
    ApplyWriteStall();
}

CRadioConversation::~CRadioConversation()
{
    m_link.Close();
}

void CRadioConversation::SetSink(ILinkSink* sink)
{
    m_pSink = sink;
    m_link.SetNotifyWindow(m_pSink);
    m_link.SetNotifyMessage(kLinkMessage);
}

bool CRadioConversation::OnPortChanged()
{
    m_link.SetNotifyWindow(m_pSink);
    m_link.SetNotifyMessage(kLinkMessage);
    const bool opened = m_link.Open(m_nPort, true);
    m_link.ReleaseRts();
    return opened;
}

void CRadioConversation::SetUploadBuffer(const std::uint8_t* image)
{
    std::memcpy(m_upload.data(), image, kUploadSize);
}

void CRadioConversation::SetTimings(int messageDelayMs, int watchdogMs)
{
    m_nMessageDelayMs = std::max(0, messageDelayMs);
    m_nWatchdogMs = std::max(0, watchdogMs);
    ApplyWriteStall();
}

void CRadioConversation::ApplyWriteStall()
{
    PortTimings timings = m_link.Timings();
    timings.writeStallMs = CRadioLink::WriteStallMs(CRadioLink::kRadioBaud, m_nWatchdogMs);
    m_link.SetTimings(timings);
}

std::uint32_t CRadioConversation::RequiredUploadEnd(std::uint32_t end)
{
    return end >= CRadioLink::kFullRadioEnd ? kUploadSize : kEnd120Channels;
}

bool CRadioConversation::OnUpload()
{
    m_mode = ConversationMode::Upload;
    m_nProgressCount = 0;
    m_nExpected = 0;
    m_bAnyRecord = false;
    m_eUploadFault = UploadFault::None;
    m_nBytesAtRequest = m_link.BytesRead();
    if (m_link.RequestUpload())
    {
        return true;
    }
    UploadFailed(UploadFault::NotSent);
    return false;
}

bool CRadioConversation::OnDownload(const std::uint8_t* image)
{
    m_mode = ConversationMode::Download;
    m_nProgressCount = 0;
    std::memcpy(m_upload.data(), image, kUploadSize);
    ++m_nPendingEnds;
    return m_link.StartDownload(m_upload.data(), kUploadSize);
}

bool CRadioConversation::OnRamRead(std::uint32_t address, std::uint32_t count)
{
    m_nRamAddress = address;
    m_nRamCount = count;
    m_nExpected = address;
    m_nBytesAtRequest = m_link.BytesRead();
    m_mode = ConversationMode::RamRead;
    if (m_link.ReadRam(address, count))
    {
        return true;
    }
    // Nothing will answer a request that was never sent.
    m_mode = ConversationMode::Idle;
    m_timers.SetTimer(kTimerRamError, m_nMessageDelayMs);
    return false;
}

bool CRadioConversation::OnRamWrite(std::uint32_t address, const std::uint8_t* bytes,
                                    std::uint32_t count)
{
    m_mode = ConversationMode::RamWrite;
    return m_link.WriteRam(address, bytes, count);
}

void CRadioConversation::OnCancel()
{
    m_link.CancelTransfer();
    if (m_mode == ConversationMode::Upload)
    {
        m_mode = ConversationMode::Idle;
        Emit(ConversationEvent::UploadCancelled);
    }
    m_mode = ConversationMode::Idle;
    (void)OnPortChanged();
}

void CRadioConversation::OnLinkMessage(std::int32_t wParam, const std::vector<std::uint8_t>& bytes)
{
    if (wParam == kLinkLockTimeout)
    {
        Emit(ConversationEvent::LockTimeout);
        return;
    }
    if (wParam == kLinkPortLost)
    {
        Emit(ConversationEvent::PortLost);
        if (m_mode == ConversationMode::Upload)
        {
            UploadFailed(UploadFault::PortLost);
        }
        else if (m_mode == ConversationMode::RamRead)
        {
            m_mode = ConversationMode::Idle;
            m_timers.SetTimer(kTimerRamError, m_nMessageDelayMs);
        }
        return;
    }
    if (wParam == kLinkEnd && m_nPendingEnds > 1)
    {
        --m_nPendingEnds; // the end of a download that a newer one replaced
        return;
    }

    const bool isLine = wParam >= 2;
    const bool success = wParam == kLinkEnd && !bytes.empty() && bytes[0] != 0;
    if (isLine || success)
    {
        m_timers.SetTimer(kTimerWatchdog, m_nWatchdogMs);
    }
    if (isLine && m_mode == ConversationMode::Upload)
    {
        HandleUploadLine(bytes);
    }
    else if (isLine && m_mode == ConversationMode::RamRead)
    {
        HandleRamLine(bytes);
    }

    if (wParam == kLinkEnd)
    {
        m_nPendingEnds = std::max(0, m_nPendingEnds - 1);
        if (m_mode == ConversationMode::Download)
        {
            CloseProgress();
            m_timers.SetTimer(success ? kTimerDownloadDone : kTimerDownloadError,
                              m_nMessageDelayMs);
        }
    }
    else if (m_mode == ConversationMode::Download)
    {
        ProgressStep();
    }
}

void CRadioConversation::HandleUploadLine(const std::vector<std::uint8_t>& line)
{
    DecodedRecord record;
    bool acceptable = CRecord::DecodeLine(line.data(), line.size(), record);
    if (acceptable && IsType(record.type, kData))
    {
        acceptable = record.address == m_nExpected;
    }
    else if (acceptable && IsType(record.type, kEnd) &&
             m_nExpected < RequiredUploadEnd(m_nExpected))
    {
        // Saving or reporting this as a copy would pass the old or blank rest
        // of the buffer off as the radio's.
        UploadFailed(UploadFault::EarlyEnd);
        return;
    }
    const int result = acceptable
                           ? m_link.ParseRecord(line.data(), static_cast<std::int32_t>(line.size()),
                                                m_upload.data(), kUploadSize)
                           : 0;
    if (result == kEndDigit)
    {
        m_bUploaded = true;
        CloseProgress();
        m_timers.SetTimer(kTimerUploadDone, m_nMessageDelayMs);
    }
    else if (result == kDataDigit)
    {
        // From the first record on the buffer no longer holds the previous
        // upload; only this upload's "S9" can make it a whole copy again.
        if (!m_bAnyRecord)
        {
            m_bUploaded = false;
        }
        m_bAnyRecord = true;
        m_nExpected = m_link.LastEnd();
        ProgressStep();
    }
    else
    {
        UploadFailed(UploadFault::BadRecord);
    }
}

void CRadioConversation::UploadFailed(UploadFault fault)
{
    m_eUploadFault = fault;
    CloseProgress();
    m_timers.SetTimer(kTimerUploadError, m_nMessageDelayMs);
}

void CRadioConversation::HandleRamLine(const std::vector<std::uint8_t>& line)
{
    DecodedRecord record;
    bool acceptable = CRecord::DecodeLine(line.data(), line.size(), record);
    if (acceptable && IsType(record.type, kData))
    {
        acceptable = record.address == m_nExpected;
    }
    else if (acceptable && IsType(record.type, kEnd))
    {
        acceptable = m_nExpected - m_nRamAddress >= (m_nRamCount & 0xFF);
    }
    // The end of a RAM read says nothing about the radio's channel capacity,
    // so the application state stays out of it.
    m_link.SetAppState(nullptr);
    const int result = acceptable
                           ? m_link.ParseRecord(line.data(), static_cast<std::int32_t>(line.size()),
                                                m_ram.data(), kRamSize)
                           : 0;
    m_link.SetAppState(&m_app);
    if (result == kEndDigit)
    {
        m_mode = ConversationMode::Idle;
        m_timers.SetTimer(kTimerRamDone, m_nMessageDelayMs);
    }
    else if (result == kDataDigit)
    {
        m_nExpected = m_link.LastEnd();
    }
    else
    {
        m_mode = ConversationMode::Idle;
        m_timers.SetTimer(kTimerRamError, m_nMessageDelayMs);
    }
}

void CRadioConversation::OnTimer(int id)
{
    m_timers.KillTimer(id);
    switch (id)
    {
    case kTimerUploadDone:
        Emit(ConversationEvent::UploadComplete);
        break;
    case kTimerRamDone:
        Emit(ConversationEvent::RamReadComplete);
        break;
    case kTimerUploadError:
        Emit(ConversationEvent::UploadError, static_cast<int>(m_eUploadFault));
        (void)OnPortChanged();
        break;
    case kTimerRamError:
        Emit(ConversationEvent::RamReadError);
        (void)OnPortChanged();
        break;
    case kTimerDownloadDone:
        Emit(ConversationEvent::DownloadComplete);
        break;
    case kTimerDownloadError:
        Emit(ConversationEvent::DownloadError);
        (void)OnPortChanged();
        break;
    case kTimerWatchdog:
        Emit(ConversationEvent::WatchdogReset, static_cast<int>(m_mode));
        // Reopening the port would end a download that is still writing;
        // a download has its own end, so the watchdog leaves it alone.
        if (!m_link.IsDownloadRunning())
        {
            (void)OnPortChanged();
        }
        break;
    default:
        break;
    }
}

void CRadioConversation::Emit(ConversationEvent event, int value)
{
    if (m_callback)
    {
        m_callback(event, value);
    }
}

void CRadioConversation::CloseProgress()
{
    m_mode = ConversationMode::Idle;
    Emit(ConversationEvent::ProgressClosed);
}

void CRadioConversation::ProgressStep()
{
    ++m_nProgressCount;
    if (m_nProgressCount % kStepsPerPosition == 0)
    {
        Emit(ConversationEvent::Progress, m_nProgressCount / kStepsPerPosition);
    }
}

std::vector<std::string> CRadioConversation::RamListing() const
{
    std::vector<std::string> lines;
    for (std::uint32_t i = 0; i < m_nRamCount; ++i)
    {
        const std::uint32_t address = m_nRamAddress + i;
        if (address >= kRamSize)
        {
            break;
        }
        lines.push_back(RamLine(address, m_ram[address]));
    }
    return lines;
}

std::vector<std::uint32_t> CRadioConversation::FindDifferences(const std::uint8_t* pcImage) const
{
    std::vector<std::uint32_t> addresses;
    for (std::uint32_t address = 0; address < kUploadSize; ++address)
    {
        if (pcImage[address] != m_upload[address])
        {
            addresses.push_back(address);
        }
    }
    return addresses;
}

std::string CRadioConversation::RamLine(std::uint32_t address, std::uint8_t value)
{
    char text[32];
    std::snprintf(text, sizeof text, kRamLineFormat, address, value);
    return text;
}

std::string CRadioConversation::VerifyLine(std::uint32_t address, std::uint8_t pc,
                                           std::uint8_t radio)
{
    char text[40];
    std::snprintf(text, sizeof text, kVerifyLineFormat, address, pc, radio);
    return text;
}

bool CRadioConversation::StoreUploadTo(CRadioImage& shared) const
{
    if (!shared.WriteBlock(m_upload.data(), 0, kUploadSize))
    {
        return false;
    }
    if (m_app.GetChannelMode() == 0)
    {
        shared.ClearUpperChannels();
    }
    shared.DeriveInjection();
    return true;
}
