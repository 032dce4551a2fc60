// The radio's record protocol on top of the serial port: the radio's line
// discipline, the RTS-keyed write, and one operation per radio command.
#pragma once

// own
#include "link/CommPort.h"
#include "link/RadioCommands.h"
#include "link/TestRecord.h"

// model
#include "model/AppState.h"

// std
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

class CRadioLink : public CCommPort
{
public:
    static constexpr std::uint32_t kRadioBaud = 2400;
    static constexpr int kWriteAttempts = 3;
    // A serial driver lets a blocked writer go on only once its buffer has
    // drained down to about this many bytes.
    static constexpr std::uint32_t kWriteWakeBytes = 256;
    // An upload whose last record ends here or later came from a 320-channel radio.
    static constexpr std::uint32_t kFullRadioEnd = 0x1FE9;

    CRadioLink();
    explicit CRadioLink(std::unique_ptr<ISerialBackend> backend);
    ~CRadioLink() override;

    // Channel mode and capacity code are set here at "S9"; none: not set.
    void SetAppState(IAppState* app) { m_pApp = app; }
    // The model index of the image the test settings come from (the Test
    // form passes its own image's); 13 selects prescaler 128.
    void SetModelIndex(std::int32_t modelIndex) { m_nModelIndex = modelIndex; }

    // RTS raised, CTS (and DSR) awaited in the timings' polls (50 of 10 ms)
    // over at most 3 attempts, every byte written and drained, RTS dropped.
    [[nodiscard]] bool Write(const std::uint8_t* bytes, std::uint32_t count) override;
    void ReleaseRts();

    // How long a write may find no room before it has failed: the pause the
    // radio is allowed (silenceMs) plus the time the line at baud needs to
    // drain a driver's buffer down to where it lets the writer go on. A
    // fixed figure would fail a slow line whose buffer is simply full.
    static int WriteStallMs(std::uint32_t baud, int silenceMs);
    // When everything written so far will have crossed the line at the radio's
    // rate, once a write has had to wait for room: a device that takes bytes
    // faster than the line carries them (a pseudo-terminal) holds them until
    // then, and the radio cannot answer a request before it has heard it. A
    // default (epoch) time while no write ever waited.
    std::chrono::steady_clock::time_point LineClearAt() const;

    // Composes one record (at most 8 data bytes) and writes it in one Write.
    [[nodiscard]] bool FormatRecord(const char* type, std::uint16_t address,
                                    const std::uint8_t* data, std::uint32_t n);

    [[nodiscard]] bool RequestUpload();
    // "M2", one "S1" per 8 bytes, "S9"; posts a step after each "S1" and the
    // end with the result, also when the port is closed or lost. Runs on the
    // caller's thread.
    [[nodiscard]] bool DownloadImage(const std::uint8_t* image, std::uint32_t count);
    // DownloadImage of a copy of image on this link's worker thread. A
    // download still running is cancelled and waited for first.
    [[nodiscard]] bool StartDownload(const std::uint8_t* image, std::uint32_t count);
    void WaitDownload();
    bool IsDownloadRunning() const { return m_bDownloadRunning.load(); }
    void CancelTransfer() { m_bCancel = true; }
    // A cancel (CancelTransfer, Close, destruction) has been asked for since
    // the running transfer began.
    bool IsCancelRequested() const { return m_bCancel.load(); }
    // How far the last download came: the image bytes whose "S1" records were
    // written, and whether its end record "S9" went out, so that the radio
    // has left its programming mode.
    std::uint32_t DownloadReached() const { return m_nDownloadReached.load(); }
    bool DownloadEndSent() const { return m_bDownloadEndSent.load(); }

    [[nodiscard]] bool ReadRam(std::uint32_t address, std::uint32_t count);
    [[nodiscard]] bool WriteRam(std::uint32_t address, const std::uint8_t* bytes,
                                std::uint32_t count);
    [[nodiscard]] bool StoreAdjustments();
    [[nodiscard]] bool SendLiveAdjust(std::uint16_t address, std::uint8_t value, bool receiveSide);
    [[nodiscard]] bool SendTxHighPowerLevel(std::uint8_t value);
    [[nodiscard]] bool SendTxLowPowerLevel(std::uint8_t value);
    [[nodiscard]] bool SendSquelchVolume(std::uint8_t value);
    [[nodiscard]] bool SendTxToneLevel(std::uint8_t value);
    [[nodiscard]] bool SendDtmfLowToneLevel(std::uint8_t value);
    [[nodiscard]] bool SendModulationSensitivity(std::uint8_t value);
    [[nodiscard]] bool SendWideBandModulation(std::uint8_t value);
    [[nodiscard]] bool SendNarrowBandModulation(std::uint8_t value);
    [[nodiscard]] bool SendWideBandDemodulation(std::uint8_t value);
    [[nodiscard]] bool SendNarrowBandDemodulation(std::uint8_t value);
    [[nodiscard]] bool TestReceive(const TestSettings& settings);
    [[nodiscard]] bool TestTransmit(const TestSettings& settings);
    [[nodiscard]] bool SetLight(int on);
    [[nodiscard]] bool SetBeep(int on);

    // Decodes a received "S" line (with or without its CR LF) into target.
    // Returns the type digit, or 0 for a line that is not a well-formed record
    // (bad digits, wrong length for its count, bad checksum) or whose address
    // is not below targetSize; then nothing is stored. Data past the end of
    // the target is not stored.
    int ParseRecord(const std::uint8_t* line, std::int32_t length, std::uint8_t* target,
                    std::uint32_t targetSize);
    std::uint32_t LastEnd() const { return m_nLastEnd; }

protected:
    void ConfigureLine(LineSettings& settings) override;
    void StopWorkers() override;

private:
    [[nodiscard]] bool RunDownload(const std::uint8_t* image, std::uint32_t count);
    [[nodiscard]] bool SendTest(const char* type, const TestSettings& settings);
    void NoteLineTime(std::chrono::steady_clock::time_point started,
                      std::chrono::steady_clock::time_point finished, std::uint32_t count);

    IAppState* m_pApp = nullptr;
    std::int32_t m_nModelIndex = -1;
    std::atomic<bool> m_bCancel{false};
    std::uint32_t m_nLastEnd = 0;

    std::thread m_download;
    std::atomic<bool> m_bDownloadRunning{false};
    std::atomic<std::uint32_t> m_nDownloadReached{0};
    std::atomic<bool> m_bDownloadEndSent{false};
    // LineClearAt, as steady-clock nanoseconds, and whether a write ever had
    // to wait for the line.
    std::atomic<std::int64_t> m_nLineClearNs{0};
    std::atomic<bool> m_bLineHeldBack{false};
    std::vector<std::uint8_t> m_downloadData;
};
