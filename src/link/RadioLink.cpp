// Radio record protocol and commands.

// own
#include "link/RadioLink.h"
#include "link/Record.h"

// std
#include <algorithm>
#include <chrono>
#include <cstring>
#include <system_error>

using namespace RadioCommands;

CRadioLink::CRadioLink() : CCommPort()
{
    m_nStartByte = kAnswerStart;
    m_nEndByte = '\n';
}

CRadioLink::CRadioLink(std::unique_ptr<ISerialBackend> backend) : CCommPort(std::move(backend))
{
    m_nStartByte = kAnswerStart;
    m_nEndByte = '\n';
}

CRadioLink::~CRadioLink()
{
    // The worker uses this object; it must end before any member goes.
    Close();
}

void CRadioLink::ConfigureLine(LineSettings& settings)
{
    settings.parity = false;
    settings.twoStopBits = false;
    settings.baudRate = kRadioBaud;
    settings.dataBits = 8;
    settings.dtrEnable = true;
    settings.rtsEnable = true;
    settings.ctsOutFlow = true;
    settings.dsrOutFlow = true;
}

void CRadioLink::StopWorkers()
{
    if (m_download.joinable())
    {
        m_bCancel = true;
        m_download.join();
    }
}

bool CRadioLink::Write(const std::uint8_t* bytes, std::uint32_t count)
{
    m_nBytesWritten = 0;
    if (!IsOpen())
    {
        return false;
    }
    CPortLock lock(LockDevice());
    if (!LockPort(lock))
    {
        return false;
    }
    const PortTimings timings = Timings();
    int polls = 0;
    bool result = false;
    for (int attempt = 0; attempt < kWriteAttempts && !result; ++attempt)
    {
        if (PortSetRts(true) == SerialResult::Gone)
        {
            break;
        }
        bool ready = false;
        for (;;)
        {
            bool cts = true;
            bool dsr = true;
            const SerialResult lines = PortModemLines(cts, dsr);
            if (lines != SerialResult::Ok)
            {
                break;
            }
            const bool held =
                (m_lineSettings.ctsOutFlow && !cts) || (m_lineSettings.dsrOutFlow && !dsr);
            if (!held)
            {
                ready = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(timings.ctsPollMs));
            // The count runs over all attempts: 500 ms in all, not per attempt.
            if (++polls >= timings.ctsPolls)
            {
                (void)PortSetRts(false);
                return false;
            }
        }
        SerialResult written = SerialResult::Failed;
        const auto started = std::chrono::steady_clock::now();
        if (ready)
        {
            written = PortWrite(bytes, count);
        }
        // RTS stays up until the last stop bit has left, not just until the
        // bytes were handed to the driver.
        if (written == SerialResult::Ok)
        {
            written = PortDrain();
        }
        if (written == SerialResult::Ok)
        {
            result = true;
            m_nBytesWritten = count;
            NoteLineTime(started, std::chrono::steady_clock::now(), count);
        }
        else
        {
            (void)PortSetRts(false);
            if (IsLost())
            {
                break;
            }
        }
    }
    (void)PortSetRts(false);
    return result;
}

void CRadioLink::NoteLineTime(std::chrono::steady_clock::time_point started,
                              std::chrono::steady_clock::time_point finished, std::uint32_t count)
{
    using std::chrono::nanoseconds;
    const std::uint32_t baud = m_lineSettings.baudRate != 0 ? m_lineSettings.baudRate : kRadioBaud;
    // Ten bit times a byte: start, eight data bits, stop.
    const std::int64_t lineNs = static_cast<std::int64_t>(count) * 10'000'000'000LL / baud;
    const std::int64_t startNs =
        std::chrono::duration_cast<nanoseconds>(started.time_since_epoch()).count();
    m_nLineClearNs = std::max(m_nLineClearNs.load(), startNs) + lineNs;
    // A device whose buffer was full made the write wait for the line; one
    // that never did keeps up with what it is given (a real port drains each
    // record before the write returns), and the estimate would only be late.
    const std::int64_t heldNs = std::chrono::duration_cast<nanoseconds>(finished - started).count();
    if (heldNs >= lineNs / 2 && heldNs >= 20'000'000)
    {
        m_bLineHeldBack = true;
    }
}

std::chrono::steady_clock::time_point CRadioLink::LineClearAt() const
{
    if (!m_bLineHeldBack.load())
    {
        return {};
    }
    return std::chrono::steady_clock::time_point(
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::nanoseconds(m_nLineClearNs.load())));
}

int CRadioLink::WriteStallMs(std::uint32_t baud, int silenceMs)
{
    const std::uint64_t bits = static_cast<std::uint64_t>(kWriteWakeBytes) * 10U * 1000U;
    const auto drainMs = static_cast<int>((bits + baud - 1) / std::max<std::uint32_t>(baud, 1));
    return std::max(0, silenceMs) + drainMs;
}

void CRadioLink::ReleaseRts()
{
    if (!IsOpen())
    {
        return;
    }
    CPortLock lock(LockDevice());
    if (LockPort(lock))
    {
        (void)PortSetRts(false);
    }
}

bool CRadioLink::FormatRecord(const char* type, std::uint16_t address, const std::uint8_t* data,
                              std::uint32_t n)
{
    if (n > CRecord::kMaxCommandData || (n > 0 && data == nullptr))
    {
        return false;
    }
    const std::string line = CRecord::Compose(type, address, data, n);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(line.data());
    ILinkTrace* trace = Trace();
    if (trace != nullptr)
    {
        trace->OnRecordSent(bytes, line.size());
    }
    const bool sent = Write(bytes, static_cast<std::uint32_t>(line.size()));
    if (!sent && trace != nullptr)
    {
        trace->OnRecordFailed(bytes, line.size());
    }
    return sent;
}

bool CRadioLink::RequestUpload()
{
    return FormatRecord(kUploadRequest, kNoAddress, nullptr, 0);
}

bool CRadioLink::DownloadImage(const std::uint8_t* image, std::uint32_t count)
{
    m_bCancel = false;
    return RunDownload(image, count);
}

bool CRadioLink::RunDownload(const std::uint8_t* image, std::uint32_t count)
{
    // Addresses are 16 bits wide; a longer image cannot be addressed.
    bool result = IsOpen() && (image != nullptr || count == 0) && count <= 0x10000;
    m_nDownloadReached = 0;
    m_bDownloadEndSent = false;
    if (result)
    {
        result = FormatRecord(kProgram, kProgramAddress, nullptr, 0);
    }
    for (std::uint32_t offset = 0; result && offset < count && !m_bCancel; offset += 8)
    {
        const std::uint32_t n = std::min<std::uint32_t>(count - offset, 8);
        result = FormatRecord(kData, static_cast<std::uint16_t>(offset), image + offset, n);
        if (result)
        {
            m_nDownloadReached = offset + n;
            Post(kLinkStep, {});
        }
    }
    // A cancelled download still ends with "S9" so the radio leaves its
    // programming mode.
    if (result)
    {
        result = FormatRecord(kEnd, kNoAddress, nullptr, 0);
        m_bDownloadEndSent = result;
    }
    // Posted even when nothing could be sent, so the owner never waits for
    // an end that does not come.
    Post(kLinkEnd, {static_cast<std::uint8_t>(result ? 1 : 0)});
    return result;
}

bool CRadioLink::StartDownload(const std::uint8_t* image, std::uint32_t count)
{
    StopWorkers();
    m_downloadData.assign(image, image + (image != nullptr ? count : 0));
    // Cleared here, not on the worker, so a cancel right after the start
    // is never lost.
    m_bCancel = false;
    m_bDownloadRunning = true;
    try
    {
        m_download = std::thread(
            [this]
            {
                (void)RunDownload(m_downloadData.data(),
                                  static_cast<std::uint32_t>(m_downloadData.size()));
                m_bDownloadRunning = false;
            });
    }
    catch (const std::system_error&)
    {
        m_bDownloadRunning = false;
        Post(kLinkEnd, {0});
        return false;
    }
    return true;
}

void CRadioLink::WaitDownload()
{
    if (m_download.joinable())
    {
        m_download.join();
    }
}

bool CRadioLink::ReadRam(std::uint32_t address, std::uint32_t count)
{
    if (address > 0xFFFF)
    {
        return false;
    }
    const auto n = static_cast<std::uint8_t>(count & 0xFF);
    return FormatRecord(kRamRead, static_cast<std::uint16_t>(address), &n, 1);
}

bool CRadioLink::WriteRam(std::uint32_t address, const std::uint8_t* bytes, std::uint32_t count)
{
    // Every record's address must fit in 16 bits.
    if (address > 0xFFFF || count > 0x10000 - address || (count > 0 && bytes == nullptr))
    {
        return false;
    }
    for (std::uint32_t offset = 0; offset < count; offset += 8)
    {
        const std::uint32_t n = std::min<std::uint32_t>(count - offset, 8);
        if (!FormatRecord(kRamWrite, static_cast<std::uint16_t>(address + offset), bytes + offset,
                          n))
        {
            return false;
        }
    }
    return true;
}

bool CRadioLink::StoreAdjustments()
{
    m_bCancel = false;
    return FormatRecord(kProgram, kStoreAdjustAddress, nullptr, 0);
}

bool CRadioLink::SendLiveAdjust(std::uint16_t address, std::uint8_t value, bool receiveSide)
{
    return FormatRecord(receiveSide ? kLiveReceive : kLiveTransmit, address, &value, 1);
}

bool CRadioLink::SendTxHighPowerLevel(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kTxHighPowerLevel, value, false);
}

bool CRadioLink::SendTxLowPowerLevel(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kTxLowPowerLevel, value, false);
}

bool CRadioLink::SendSquelchVolume(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kSquelchVolume, value, true);
}

bool CRadioLink::SendTxToneLevel(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kTxToneLevel, value, false);
}

bool CRadioLink::SendDtmfLowToneLevel(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kDtmfLowToneLevel, value, false);
}

bool CRadioLink::SendModulationSensitivity(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kModulationSensitivity, value, false);
}

bool CRadioLink::SendWideBandModulation(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kWideBandModulation, value, false);
}

bool CRadioLink::SendNarrowBandModulation(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kNarrowBandModulation, value, false);
}

bool CRadioLink::SendWideBandDemodulation(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kWideBandDemodulation, value, true);
}

bool CRadioLink::SendNarrowBandDemodulation(std::uint8_t value)
{
    return SendLiveAdjust(kLiveLevelBase + kNarrowBandDemodulation, value, true);
}

bool CRadioLink::SendTest(const char* type, const TestSettings& settings)
{
    std::uint8_t payload[kTestPayloadSize];
    if (!CTestRecord::Build(settings, m_nModelIndex, payload))
    {
        return false;
    }
    return FormatRecord(type, kTestAddress, payload, kTestPayloadSize);
}

bool CRadioLink::TestReceive(const TestSettings& settings)
{
    return SendTest(kLiveReceive, settings);
}

bool CRadioLink::TestTransmit(const TestSettings& settings)
{
    return SendTest(kLiveTransmit, settings);
}

bool CRadioLink::SetLight(int on)
{
    return FormatRecord(kSwitch, on == 1 ? kLampOn : kLampOff, nullptr, 0);
}

bool CRadioLink::SetBeep(int on)
{
    return FormatRecord(kSwitch, on == 1 ? kBeeperOn : kBeeperOff, nullptr, 0);
}

int CRadioLink::ParseRecord(const std::uint8_t* line, std::int32_t length, std::uint8_t* target,
                            std::uint32_t targetSize)
{
    if (line == nullptr || length < 2 || line[0] != kAnswerStart || line[1] < '0' || line[1] > '9')
    {
        return 0;
    }
    DecodedRecord record;
    if (!CRecord::Decode(line, static_cast<std::size_t>(length), record))
    {
        return 0;
    }
    if (record.address >= targetSize || target == nullptr)
    {
        return 0;
    }
    const int type = line[1] - '0';
    if (type == kDataDigit)
    {
        const std::uint32_t room = targetSize - record.address;
        std::memcpy(target + record.address, record.data, std::min(record.dataCount, room));
        m_nLastEnd = record.address + record.dataCount;
    }
    else if (type == kEndDigit && m_pApp != nullptr)
    {
        const std::int32_t mode = m_nLastEnd >= kFullRadioEnd ? 1 : 0;
        m_pApp->SetChannelMode(mode);
        m_pApp->SetChannelCode(mode + 1);
    }
    return type;
}
