// One serial port: opened with fixed line settings, a reader thread that
// assembles received bytes into lines between a start and an end byte, and
// writes, all serialised through the port lock "Vesk4Mutex" of its device.
#pragma once

// own
#include "link/LinkSink.h"
#include "link/LinkTrace.h"
#include "link/PortLock.h"
#include "link/PortMap.h"
#include "link/SerialBackend.h"

// std
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The port's waits. The defaults are what the radio needs; tests shorten them
// so that no test has to sit out a real time-out.
struct PortTimings
{
    // How long an operation waits for the port lock.
    int lockTimeoutMs = 10000;
    // A line whose bytes stop arriving for this long is thrown away; also the
    // longest the reader waits before it looks at the line again.
    int readWaitMs = 1000;
    // A write that the device takes nothing of for this long has failed.
    int writeStallMs = 1000;
    // The keyed write waits for CTS (and DSR) this many times, this long each,
    // over all its attempts together.
    int ctsPolls = 50;
    int ctsPollMs = 10;
};

class CCommPort
{
public:
    static constexpr int kDefaultLockTimeoutMs = PortTimings{}.lockTimeoutMs;
    // A line longer than this cannot be a record; it is purged like a stray byte.
    static constexpr std::int32_t kMaxLineLength = 4096;

    CCommPort();
    explicit CCommPort(std::unique_ptr<ISerialBackend> backend);
    virtual ~CCommPort();
    CCommPort(const CCommPort&) = delete;
    CCommPort& operator=(const CCommPort&) = delete;

    // The sink is called on the reader's (and a download worker's) thread.
    void SetNotifyWindow(ILinkSink* sink);
    // -1 (the default) drops every line and event.
    void SetNotifyMessage(std::int32_t lineMessage);
    // Every received line (and, in a derived link, every record sent) is also
    // handed to trace; nullptr (the default) for none. The trace must outlive
    // the port's threads or be unset before it goes.
    void SetTrace(ILinkTrace* trace) { m_pTrace = trace; }
    void SetPortMap(const CPortMap& map);
    // A device path to open instead of the port number's; empty to go back to
    // the port number.
    void SetDevicePath(const std::string& path);
    void SetLockTimeout(int milliseconds);
    // Takes effect for the next wait, also on a running reader.
    void SetTimings(const PortTimings& timings);
    PortTimings Timings() const;

    // portNumber 1..4 replaces the stored port number; 0 keeps it. Closes
    // first; on failure the port stays closed and LastError() says why.
    [[nodiscard]] bool Open(std::int32_t portNumber, bool startReader);
    // Stops the reader (and, in a derived link, its worker), closes the device
    // and drops a partial line. Always succeeds; harmless when closed. Must
    // not be called from inside the sink.
    void Close();
    // Discards what the device has received and not yet read, and the partial
    // line. With lock false the caller already holds the port lock.
    [[nodiscard]] bool Purge(bool lock);
    [[nodiscard]] virtual bool Write(const std::uint8_t* bytes, std::uint32_t count);

    // Open and not lost: operations may be tried.
    bool IsOpen() const { return m_bOpen.load() && !m_bLost.load(); }
    bool IsLost() const { return m_bLost.load(); }
    bool IsReaderRunning() const { return m_bReaderAlive.load(); }
    PortError LastError() const { return m_eLastError.load(); }
    std::int32_t PortNumber() const { return m_nPortNumber; }
    // The device that Open opens: the device path if one is set, else the
    // port number's entry of the port map.
    std::string DeviceName() const;
    std::uint32_t BytesWritten() const { return m_nBytesWritten.load(); }
    // Every byte the reader has taken from the device since construction,
    // whether or not it became part of a line.
    std::uint64_t BytesRead() const { return m_nBytesRead.load(); }
    // Partial lines and stray bytes the reader has thrown away since
    // construction: a line cut short by a pause, a start byte inside a line,
    // bytes outside any line, an endless line.
    std::uint32_t DiscardCount() const { return m_nDiscards.load(); }

protected:
    virtual bool OnReceiveByte(std::uint8_t byte);
    virtual std::uint32_t ReadLoop(bool run);
    virtual void ConfigureLine(LineSettings& settings);
    // Ends threads of a derived class that use the port; called first by Close.
    virtual void StopWorkers() {}

    // Port primitives for derived writes. Each holds the I/O guard for the one
    // call, so Close can never pull the device from under it; Gone marks the
    // port lost.
    [[nodiscard]] bool LockPort(CPortLock& lock);
    // The device whose port lock this port takes, as resolved when it opened.
    std::string LockDevice() const;
    SerialResult PortWrite(const std::uint8_t* bytes, std::size_t count);
    SerialResult PortDrain();
    SerialResult PortSetRts(bool on);
    SerialResult PortModemLines(bool& cts, bool& dsr);
    // Delivers to the sink if one is set and the message is not -1.
    void Post(std::int32_t wParam, std::vector<std::uint8_t> bytes);
    ILinkTrace* Trace() const { return m_pTrace.load(); }

    std::uint8_t m_nStartByte = 0x02;
    std::uint8_t m_nEndByte = 0x03;
    LineSettings m_lineSettings; // as last applied by Open
    std::atomic<std::uint32_t> m_nBytesWritten{0};

private:
    SerialResult Note(SerialResult result);
    void FreeLine();
    void ReaderMain();
    std::uint32_t ReaderGivesUp();

    std::atomic<ILinkSink*> m_pSink{nullptr};
    std::atomic<ILinkTrace*> m_pTrace{nullptr};
    std::atomic<std::int32_t> m_nLineMessage{-1};
    std::int32_t m_nPortNumber = 1;
    std::string m_strDevicePath;
    // Guarded by m_timingsMutex: read by the reader and download threads.
    std::string m_strLockDevice;
    CPortMap m_portMap;
    std::unique_ptr<ISerialBackend> m_pBackend;

    std::thread m_reader;
    std::atomic<bool> m_bRun{false};
    std::atomic<bool> m_bReaderAlive{false};
    // True from a successful Open until Close begins; lock waits give up when
    // it drops, so Close never waits out a 10-second lock time-out.
    std::atomic<bool> m_bActive{false};
    std::atomic<bool> m_bOpen{false};
    std::atomic<bool> m_bLost{false};
    std::atomic<PortError> m_eLastError{PortError::None};
    std::atomic<std::uint32_t> m_nDiscards{0};
    mutable std::mutex m_timingsMutex;
    PortTimings m_timings;
    std::atomic<std::uint64_t> m_nBytesRead{0};

    // Guards the device against Close while another thread uses it.
    std::mutex m_ioMutex;
    // Guards the partial line between the reader and Purge/Close.
    std::mutex m_lineMutex;
    std::unique_ptr<std::uint8_t[]> m_pLine;
    std::int32_t m_nLineLength = 0;
    std::int32_t m_nLineCapacity = 0;
};
