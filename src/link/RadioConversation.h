// The Radio Comm conversation without a window: upload into an 8192-byte
// buffer, download with progress, RAM read into a 65536-byte buffer, RAM
// write, and the line watchdog. The windowed form and the command line both
// drive it from one thread of their own.
#pragma once

// own
#include "link/LinkSink.h"
#include "link/LinkTimerHost.h"
#include "link/RadioLink.h"

// model
#include "model/AppState.h"

// std
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CRadioImage;

enum class ConversationMode : std::int32_t
{
    Idle = 0,
    Upload = 1,
    Download = 2,
    RamRead = 3,
    RamWrite = 4,
};

// Why the last upload ended in "EEPROM copy error.".
enum class UploadFault
{
    None,
    BadRecord, // unreadable, out of order, or not ended by CR LF
    EarlyEnd,  // "S9" before the image the radio's capacity calls for
    NotSent,   // the request itself could not be written
    PortLost,  // the device went away during the upload
};

enum class ConversationEvent
{
    Progress,         // value: the progress bar's new position, 1..64
    ProgressClosed,   // the operation that had a progress display ended
    UploadComplete,   // "EEPROM copy complete."
    RamReadComplete,  // "RAM copy complete."; RamListing() holds the lines
    UploadError,      // "EEPROM copy error."; value: the UploadFault; the port is reset afterwards
    RamReadError,     // "RAM copy error."; the port is reset afterwards
    DownloadComplete, // "EEPROM program complete."
    DownloadError,    // "EEPROM program error."; the port is reset afterwards
    WatchdogReset,    // no line for a second; value: the mode at the time
    UploadCancelled,  // Cancel during an upload; show kUploadCancelledText
    LockTimeout,      // the reader gave up on the port lock; show kLockTimeoutText
    PortLost,         // the device went away
};

// Every operation and every callback runs on the owner's thread. The owner
// supplies a sink adapter that hands each link message back to OnLinkMessage
// on that thread, and a timer host whose expiries it hands to OnTimer.
class CRadioConversation
{
public:
    static constexpr int kTimerUploadDone = 1;
    static constexpr int kTimerRamDone = 2;
    static constexpr int kTimerUploadError = 3;
    static constexpr int kTimerRamError = 4;
    static constexpr int kTimerDownloadDone = 5;
    static constexpr int kTimerDownloadError = 6;
    static constexpr int kTimerWatchdog = 7;
    static constexpr int kMessageDelayMs = 100;
    static constexpr int kWatchdogMs = 1000;
    static constexpr std::uint32_t kUploadSize = 8192;
    // A 120-channel radio sends at least up to where channel 120's record
    // would begin; one whose last end reaches CRadioLink::kFullRadioEnd is a
    // 320-channel radio and sends the whole EEPROM.
    static constexpr std::uint32_t kEnd120Channels = 0x0E08;
    static constexpr std::uint32_t kRamSize = 65536;
    static constexpr int kProgressRange = 64;
    static constexpr int kStepsPerPosition = 16;

    using Callback = std::function<void(ConversationEvent event, int value)>;

    CRadioConversation(IAppState& app, ILinkTimerHost& timers, Callback callback);
    ~CRadioConversation();
    CRadioConversation(const CRadioConversation&) = delete;
    CRadioConversation& operator=(const CRadioConversation&) = delete;

    CRadioLink& Link() { return m_link; }
    const CRadioLink& Link() const { return m_link; }

    // Where the link delivers; the owner's adapter to its own thread.
    void SetSink(ILinkSink* sink);
    // Port 1..4 through the link's port map, or a device path (which wins).
    void SetPort(std::int32_t portNumber) { m_nPort = portNumber; }
    void SetDevicePath(const std::string& path) { m_link.SetDevicePath(path); }
    // Opens (or reopens) the port with a fresh reader and idles RTS low.
    [[nodiscard]] bool OnPortChanged();

    // The upload buffer before any upload: the owner's image.
    void SetUploadBuffer(const std::uint8_t* image);
    // The delay before an outcome is reported and the silence after the last
    // line that resets the port, in milliseconds; values below 0 are taken as 0.
    // The link's write-stall limit follows from the silence and the line rate.
    void SetTimings(int messageDelayMs, int watchdogMs);
    int MessageDelayMs() const { return m_nMessageDelayMs; }
    int WatchdogMs() const { return m_nWatchdogMs; }

    [[nodiscard]] bool OnUpload();
    // Downloads a copy of image (8192 bytes) on the link's worker thread.
    [[nodiscard]] bool OnDownload(const std::uint8_t* image);
    [[nodiscard]] bool OnRamRead(std::uint32_t address, std::uint32_t count);
    [[nodiscard]] bool OnRamWrite(std::uint32_t address, const std::uint8_t* bytes,
                                  std::uint32_t count);
    // The progress display's Cancel.
    void OnCancel();
    void OnLinkMessage(std::int32_t wParam, const std::vector<std::uint8_t>& bytes);
    void OnTimer(int id);

    ConversationMode Mode() const { return m_mode; }
    // The upload buffer holds one whole upload: set at its "S9", cleared when
    // a later upload starts overwriting the buffer.
    bool IsUploaded() const { return m_bUploaded; }
    UploadFault LastUploadFault() const { return m_eUploadFault; }
    // Bytes came from the radio since the last upload or RAM read request,
    // whether or not any of them made a line.
    bool HeardSinceRequest() const { return m_link.BytesRead() != m_nBytesAtRequest; }
    // Where the records of the current upload or RAM read received so far end.
    std::uint32_t ReceivedEnd() const { return m_nExpected; }
    // How far an upload whose records run from 0 to end must reach before
    // "S9" may end it: the radio's capacity, told by that same end, decides.
    static std::uint32_t RequiredUploadEnd(std::uint32_t end);
    int ProgressCount() const { return m_nProgressCount; }
    const std::uint8_t* UploadBuffer() const { return m_upload.data(); }
    const std::uint8_t* RamBuffer() const { return m_ram.data(); }
    std::uint32_t RamAddress() const { return m_nRamAddress; }
    std::uint32_t RamCount() const { return m_nRamCount; }

    // The lines of the last RAM read, without the heading.
    std::vector<std::string> RamListing() const;
    // Addresses at which pcImage (8192 bytes) differs from the upload buffer.
    std::vector<std::uint32_t> FindDifferences(const std::uint8_t* pcImage) const;
    static std::string RamLine(std::uint32_t address, std::uint8_t value);
    static std::string VerifyLine(std::uint32_t address, std::uint8_t pc, std::uint8_t radio);

    // What leaving the form with " COPY OK ? " answered OK does: the upload
    // buffer into shared, channels 120-319 reset after a 120-channel radio,
    // the injection flag re-derived.
    [[nodiscard]] bool StoreUploadTo(CRadioImage& shared) const;

private:
    // A write may wait for room as long as the radio may pause, plus the
    // line's own drain time.
    void ApplyWriteStall();
    void Emit(ConversationEvent event, int value = 0);
    void CloseProgress();
    void ProgressStep();
    void HandleUploadLine(const std::vector<std::uint8_t>& line);
    void HandleRamLine(const std::vector<std::uint8_t>& line);
    void UploadFailed(UploadFault fault);

    IAppState& m_app;
    ILinkTimerHost& m_timers;
    Callback m_callback;
    ILinkSink* m_pSink = nullptr;
    std::int32_t m_nPort = 1;
    int m_nMessageDelayMs = kMessageDelayMs;
    int m_nWatchdogMs = kWatchdogMs;

    ConversationMode m_mode = ConversationMode::Idle;
    bool m_bUploaded = false;
    int m_nProgressCount = 0;
    std::uint32_t m_nRamAddress = 0;
    std::uint32_t m_nRamCount = 0;
    // Address the next "S1" record must start at: a record lost in between
    // would otherwise leave a hole that is reported as a complete copy.
    std::uint32_t m_nExpected = 0;
    bool m_bAnyRecord = false;
    UploadFault m_eUploadFault = UploadFault::None;
    std::uint64_t m_nBytesAtRequest = 0;
    // Download ends still to come; an end of a download that was replaced
    // by a newer one is not the newer one's end.
    int m_nPendingEnds = 0;

    std::vector<std::uint8_t> m_upload;
    std::vector<std::uint8_t> m_ram;
    // Declared last: its threads end (in its destructor) before the buffers go.
    CRadioLink m_link;
};
