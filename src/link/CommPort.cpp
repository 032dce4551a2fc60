// Serial port with its reader thread and line assembly.

// own
#include "link/CommPort.h"
#include "link/LinkTexts.h"
#include "link/PosixSerialBackend.h"

// std
#include <algorithm>
#include <cstring>
#include <system_error>

CCommPort::CCommPort() : CCommPort(std::make_unique<CPosixSerialBackend>()) {}

CCommPort::CCommPort(std::unique_ptr<ISerialBackend> backend) : m_pBackend(std::move(backend)) {}

CCommPort::~CCommPort()
{
    Close();
}

void CCommPort::SetNotifyWindow(ILinkSink* sink)
{
    m_pSink = sink;
}

void CCommPort::SetNotifyMessage(std::int32_t lineMessage)
{
    m_nLineMessage = lineMessage;
}

void CCommPort::SetPortMap(const CPortMap& map)
{
    m_portMap = map;
}

void CCommPort::SetDevicePath(const std::string& path)
{
    m_strDevicePath = path;
}

void CCommPort::SetLockTimeout(int milliseconds)
{
    std::lock_guard<std::mutex> guard(m_timingsMutex);
    m_timings.lockTimeoutMs = milliseconds;
}

void CCommPort::SetTimings(const PortTimings& timings)
{
    std::lock_guard<std::mutex> guard(m_timingsMutex);
    m_timings = timings;
}

PortTimings CCommPort::Timings() const
{
    std::lock_guard<std::mutex> guard(m_timingsMutex);
    return m_timings;
}

std::string CCommPort::DeviceName() const
{
    return m_strDevicePath.empty() ? m_portMap.DevicePath(m_nPortNumber) : m_strDevicePath;
}

bool CCommPort::Open(std::int32_t portNumber, bool startReader)
{
    Close();
    if (portNumber != 0)
    {
        m_nPortNumber = portNumber;
    }
    m_bLost = false;
    m_eLastError = PortError::None;
    const std::string device = DeviceName();
    if (device.empty())
    {
        m_eLastError = PortError::Missing;
        return false;
    }

    {
        std::lock_guard<std::mutex> guard(m_timingsMutex);
        m_strLockDevice = CPortLock::ResolvedDevice(device);
    }
    CPortLock lock(LockDevice());
    if (!lock.Acquire(Timings().lockTimeoutMs))
    {
        m_eLastError = PortError::LockTimeout;
        return false;
    }
    {
        std::lock_guard<std::mutex> io(m_ioMutex);
        const PortError opened = m_pBackend->Open(device);
        if (opened != PortError::None)
        {
            m_eLastError = opened;
            return false;
        }
        {
            std::lock_guard<std::mutex> line(m_lineMutex);
            FreeLine();
        }
        LineSettings settings;
        settings.baudRate = 9600;
        settings.parity = false;
        settings.twoStopBits = false;
        settings.dtrEnable = true;
        settings.rtsEnable = true;
        settings.ctsOutFlow = false;
        settings.dsrOutFlow = false;
        ConfigureLine(settings);
        if (!m_pBackend->Configure(settings))
        {
            m_pBackend->Close();
            m_eLastError = PortError::Configure;
            return false;
        }
        m_lineSettings = settings;
        m_bOpen = true;
    }
    m_bActive = true;
    if (!Purge(false))
    {
        lock.Release();
        Close();
        m_eLastError = PortError::Failed;
        return false;
    }
    lock.Release();

    if (startReader && !m_reader.joinable())
    {
        // Set before the thread starts so that a Close racing with the start
        // is never undone by the new thread.
        m_bRun = true;
        m_bReaderAlive = true;
        try
        {
            m_reader = std::thread(&CCommPort::ReaderMain, this);
        }
        catch (const std::system_error&)
        {
            m_bReaderAlive = false;
            Close();
            m_eLastError = PortError::Failed;
            return false;
        }
    }
    return true;
}

void CCommPort::Close()
{
    StopWorkers();
    m_bActive = false;
    m_bRun = false;
    if (m_reader.joinable())
    {
        m_pBackend->Wake();
        m_reader.join();
    }
    {
        std::lock_guard<std::mutex> io(m_ioMutex);
        if (m_bOpen)
        {
            m_pBackend->Close();
            m_bOpen = false;
        }
    }
    std::lock_guard<std::mutex> line(m_lineMutex);
    FreeLine();
}

bool CCommPort::Purge(bool lock)
{
    CPortLock portLock(LockDevice());
    if (lock && !LockPort(portLock))
    {
        return false;
    }
    SerialResult result = SerialResult::Gone;
    {
        std::lock_guard<std::mutex> io(m_ioMutex);
        if (m_bOpen && !m_bLost)
        {
            result = Note(m_pBackend->DiscardInput());
        }
    }
    std::lock_guard<std::mutex> line(m_lineMutex);
    FreeLine();
    return result == SerialResult::Ok;
}

bool CCommPort::Write(const std::uint8_t* bytes, std::uint32_t count)
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
    if (PortWrite(bytes, count) != SerialResult::Ok)
    {
        return false;
    }
    m_nBytesWritten = count;
    return true;
}

bool CCommPort::OnReceiveByte(std::uint8_t byte)
{
    if (byte == m_nStartByte)
    {
        if (m_nLineLength != 0)
        {
            return false; // a start inside a line: the caller purges
        }
        m_pLine = std::make_unique<std::uint8_t[]>(128);
        m_nLineCapacity = 128;
        m_pLine[0] = byte;
        m_nLineLength = 1;
        return true;
    }
    if (m_nLineLength == 0)
    {
        return false; // a byte outside any line
    }
    if (m_nLineLength >= kMaxLineLength)
    {
        return false;
    }
    if (m_nLineLength == m_nLineCapacity)
    {
        auto grown =
            std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(m_nLineCapacity) + 128);
        std::memcpy(grown.get(), m_pLine.get(), static_cast<std::size_t>(m_nLineLength));
        m_pLine = std::move(grown);
        m_nLineCapacity += 128;
    }
    m_pLine[static_cast<std::size_t>(m_nLineLength++)] = byte;
    if (byte != m_nEndByte)
    {
        return true;
    }
    if (ILinkTrace* trace = m_pTrace.load(); trace != nullptr)
    {
        trace->OnLineReceived(m_pLine.get(), static_cast<std::size_t>(m_nLineLength));
    }
    Post(m_nLineLength, std::vector<std::uint8_t>(m_pLine.get(), m_pLine.get() + m_nLineLength));
    FreeLine();
    return true;
}

void CCommPort::ReaderMain()
{
    (void)ReadLoop(true);
    m_bReaderAlive = false;
}

std::uint32_t CCommPort::ReadLoop(bool run)
{
    if (!run)
    {
        m_bRun = false;
    }
    std::uint32_t result = 0;
    std::uint8_t chunk[256];
    while (m_bRun)
    {
        // The device stays open until this thread has been joined, so the
        // wait needs no guard; Close wakes it through the backend.
        const SerialResult wait = m_pBackend->WaitReadable(Timings().readWaitMs);
        if (!m_bRun)
        {
            break;
        }
        if (wait == SerialResult::Woken)
        {
            continue;
        }
        if (wait == SerialResult::TimedOut)
        {
            bool partial = false;
            {
                std::lock_guard<std::mutex> line(m_lineMutex);
                partial = m_nLineLength != 0;
            }
            if (!partial)
            {
                continue;
            }
            const bool purged = Purge(true);
            ++m_nDiscards;
            if (!purged)
            {
                result = ReaderGivesUp();
                break;
            }
            continue;
        }
        if (wait != SerialResult::Ok)
        {
            m_bLost = true;
            m_eLastError = PortError::Lost;
            Post(kLinkPortLost, {});
            result = 1;
            break;
        }

        CPortLock lock(LockDevice());
        if (!lock.Acquire(Timings().lockTimeoutMs, &m_bRun))
        {
            if (m_bRun)
            {
                m_eLastError = PortError::LockTimeout;
                result = ReaderGivesUp();
            }
            break;
        }
        std::size_t got = 0;
        SerialResult read = SerialResult::Gone;
        {
            std::lock_guard<std::mutex> io(m_ioMutex);
            if (m_bOpen)
            {
                read = Note(m_pBackend->Read(chunk, sizeof chunk, got));
            }
        }
        lock.Release();
        m_nBytesRead += got;
        if (read == SerialResult::Gone || read == SerialResult::Failed)
        {
            m_bLost = true;
            m_eLastError = PortError::Lost;
            Post(kLinkPortLost, {});
            result = 1;
            break;
        }
        for (std::size_t i = 0; i < got; ++i)
        {
            bool accepted = false;
            {
                std::lock_guard<std::mutex> line(m_lineMutex);
                accepted = OnReceiveByte(chunk[i]);
            }
            if (!accepted)
            {
                // The rest of this chunk was queued behind the bad byte and
                // goes with the purge.
                const bool purged = Purge(true);
                ++m_nDiscards;
                if (!purged && m_bRun)
                {
                    result = ReaderGivesUp();
                    m_bRun = false;
                }
                break;
            }
        }
    }
    return result;
}

std::uint32_t CCommPort::ReaderGivesUp()
{
    // The owner learns why the reader ended; the link itself shows nothing.
    if (m_eLastError == PortError::LockTimeout)
    {
        const char* text = kLockTimeoutText;
        Post(kLinkLockTimeout, std::vector<std::uint8_t>(text, text + std::strlen(text)));
        return 2;
    }
    // A port whose input cannot be discarded is of no more use than one that
    // went away, and an owner never told would wait for lines forever. A
    // Close that took the port lock away has nobody waiting.
    if (!m_bLost)
    {
        if (!m_bActive)
        {
            return 1;
        }
        m_bLost = true;
        m_eLastError = PortError::Failed;
    }
    Post(kLinkPortLost, {});
    return 1;
}

void CCommPort::ConfigureLine(LineSettings& /*settings*/) {}

std::string CCommPort::LockDevice() const
{
    std::lock_guard<std::mutex> guard(m_timingsMutex);
    return m_strLockDevice;
}

bool CCommPort::LockPort(CPortLock& lock)
{
    if (lock.Acquire(Timings().lockTimeoutMs, &m_bActive))
    {
        return true;
    }
    if (m_bActive)
    {
        m_eLastError = PortError::LockTimeout;
    }
    return false;
}

SerialResult CCommPort::Note(SerialResult result)
{
    if (result == SerialResult::Gone)
    {
        m_bLost = true;
        m_eLastError = PortError::Lost;
    }
    return result;
}

SerialResult CCommPort::PortWrite(const std::uint8_t* bytes, std::size_t count)
{
    std::lock_guard<std::mutex> io(m_ioMutex);
    if (!m_bOpen || m_bLost)
    {
        return SerialResult::Gone;
    }
    return Note(m_pBackend->Write(bytes, count, Timings().writeStallMs));
}

SerialResult CCommPort::PortDrain()
{
    std::lock_guard<std::mutex> io(m_ioMutex);
    if (!m_bOpen || m_bLost)
    {
        return SerialResult::Gone;
    }
    return Note(m_pBackend->Drain());
}

SerialResult CCommPort::PortSetRts(bool on)
{
    std::lock_guard<std::mutex> io(m_ioMutex);
    if (!m_bOpen || m_bLost)
    {
        return SerialResult::Gone;
    }
    return Note(m_pBackend->SetRts(on));
}

SerialResult CCommPort::PortModemLines(bool& cts, bool& dsr)
{
    std::lock_guard<std::mutex> io(m_ioMutex);
    if (!m_bOpen || m_bLost)
    {
        return SerialResult::Gone;
    }
    return Note(m_pBackend->GetModemLines(cts, dsr));
}

void CCommPort::Post(std::int32_t wParam, std::vector<std::uint8_t> bytes)
{
    ILinkSink* sink = m_pSink.load();
    const std::int32_t message = m_nLineMessage.load();
    if (sink == nullptr || message == -1)
    {
        return;
    }
    sink->OnLinkMessage(message, wParam, std::move(bytes));
}

void CCommPort::FreeLine()
{
    m_pLine.reset();
    m_nLineLength = 0;
    m_nLineCapacity = 0;
}
