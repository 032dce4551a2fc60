// The radio image: the radio's 8192-byte configuration EEPROM held in memory,
// its memory map, and one accessor per field.
#pragma once

// model
#include "model/AppState.h"

// std
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr std::uint32_t kImageSize = 8192;
constexpr std::uint32_t kBlockSize = 8204;
constexpr std::uint32_t kDumpFileSize = 8208;

constexpr int kChannelCount = 320;
constexpr int kChannelRecordSize = 23;
constexpr int kGroupNameCount = 40;
constexpr int kGroupNameSlots = 41; // the accessors also reach one slot past the 40 names
constexpr int kNameLength = 12;
constexpr std::uint32_t kUnusedWord = 0x7FFFF; // a channel side without a frequency

// Memory map of the image (EEPROM addresses). Multi-byte numbers are big-endian.
namespace ImageMap
{
constexpr std::uint32_t kSerial = 0x0000;     // 4 bytes, 8 hex nibbles
constexpr std::uint32_t kCustomer = 0x0004;   // 5 bytes, 10 hex nibbles
constexpr std::uint32_t kDate = 0x0009;       // 4 bytes, YYYYMMDD as BCD
constexpr std::uint32_t kModel = 0x000D;      // band index 0..13, 0xFF = none
constexpr std::uint32_t kWideRef = 0x000E;    // 14-bit reference divider
constexpr std::uint32_t kNarrowRef = 0x0010;  // 14-bit reference divider
constexpr std::uint32_t kWideIf = 0x0012;     // signed 16-bit, wide steps
constexpr std::uint32_t kNarrowIf = 0x0014;   // signed 16-bit, narrow steps
constexpr std::uint32_t kFixed16 = 0x0016;    // fixed bits only
constexpr std::uint32_t kScanHold = 0x0017;   // scan hold times (layout below)
constexpr std::uint32_t kScan = 0x0018;       // scan options
constexpr std::uint32_t kInjBeep = 0x0019;    // injection flag and beeps
constexpr std::uint32_t kTwoTone = 0x001A;    // priority time, 2-tone, DTMF timing
constexpr std::uint32_t kLockout = 0x001B;    // lock-out, time-out, scan stop
constexpr std::uint32_t kFixed1C = 0x001C;    // fixed high nibble
constexpr std::uint32_t kPriority2 = 0x001E;  // defeat priority 2 channel
constexpr std::uint32_t kFixed1F = 0x001F;    // fixed high nibble
constexpr std::uint32_t kToneGroups = 0x0021; // first group high nibble, second low
constexpr std::uint32_t kFirstTone = 0x0022;  // 2-tone indexes 0..59
constexpr std::uint32_t kSecondTone = 0x0023; //   second tone
constexpr std::uint32_t kThirdTone = 0x0024;  //   third tone
constexpr std::uint32_t kGroupCount = 0x0025; // 1..40
constexpr std::uint32_t kAlignment = 0x0026;  // ten alignment levels, 0x26..0x2F
constexpr std::uint32_t kAni = 0x009D;        // 5 bytes, 10 DTMF nibbles
constexpr std::uint32_t kGroupNames = 0x00A7; // 41 slots of 12 bytes
constexpr std::uint32_t kChannels = 0x0340;   // 320 records of 23 bytes
} // namespace ImageMap

static_assert(ImageMap::kChannels + kChannelCount * kChannelRecordSize == kImageSize,
              "the channel records must end exactly at the end of the image");
static_assert(ImageMap::kGroupNames + kGroupNameSlots * kNameLength <= 0x0293,
              "the group-name slots must stay clear of the channel area");

// The image block, the body of a dump file. The size word is little-endian in
// files whatever the host; SaveToFile and LoadFromFile convert it.
//
//   offset  size  field
//   ------  ----  -----------------------------------------
//        0     4  size (8204 after Reset)
//        4     4  reserved, carried but never interpreted
//        8  8192  image, EEPROM 0x0000..0x1FFF
//     8200     4  reserved, carried but never interpreted
struct ImageBlock
{
    std::uint32_t size = 0;
    std::uint8_t reserved1[4] = {};
    std::uint8_t image[kImageSize] = {};
    std::uint8_t reserved2[4] = {};
};
static_assert(sizeof(ImageBlock) == kBlockSize, "ImageBlock must have no padding");
static_assert(offsetof(ImageBlock, image) == 8, "image must follow the 8-byte header");
static_assert(kDumpFileSize == kBlockSize + 4, "a dump file is the block and a capacity code");

// Channel record n at ImageMap::kChannels + 23 * n, byte by byte (bytes 4..7 are
// the transmit side in the layout of the receive bytes 0..3):
//
//   byte | 7     | 6     | 5     | 4     | 3     | 2     | 1     | 0     |
//   -----+-------+-------+-------+-------+-------+-------+-------+-------+
//    0/4 | none  | DCS   | inv   |   DCS code bits 8-4                   |
//        |       |       |    CTCSS index 0..44 (bits 5-0)               |
//    1/5 |   DCS code bits 3-0           |unused |  word bits 18-16       |
//    2/6 |   synthesizer word bits 15-8                                  |
//    3/7 |   synthesizer word bits 7-0                                   |
//    8   | power | scrmbl| scanA | scanB | compnd| wide  | DTone | ANI   |
//    9   |   check value 1..16                                           |
//    10  |   auxiliary data 0..255                                       |
//  11-22 |   name, 12 characters, NUL padded                             |
//
// Option bytes; [0] and [1] are fixed bits written only by SetFixedBits:
//
//   byte | 7     | 6     | 5     | 4     | 3     | 2     | 1     | 0     |
//   -----+-------+-------+-------+-------+-------+-------+-------+-------+
//   0x16 | kept          | [1]   | [0]   | [0]   | [0]   | [0]   | [0]   |
//   0x17 | hold on rx    | hold after tx | [0]   | [0]   | [0]   | kept  |
//   0x18 | list clear    | by    | at    | scan type     | roll  | cycle |
//   0x19 | [1]   | [0]   | kept  | inj   | beepA | beepB | beepC | beepD |
//   0x1A | priority time | 2T off| 2-tone format | DTMF timing           |
//   0x1B | busy lock-out | time-out timer        | stop  | kept          |
//   0x1C | [0]   | [1]   | [1]   | [1]   | kept                          |
//   0x1E | defeat| kept                                                  |
//   0x1F | [0]   | [0]   | [1]   | [1]   | kept                          |
//   0x21 | first tone group              | second tone group             |
//   0x25 | group count 1..40                                             |
// What loading a dump file came to; everything but Loaded leaves the image
// (and the capacity) as it was.
enum class DumpFileStatus
{
    Loaded,
    Missing,
    Denied,
    NotRegular,
    Unreadable,
    TooShort,
};

class CRadioImage
{
public:
    // Carried along when one image is copied into another; the image itself
    // never reads them.
    std::string m_strExtra1;
    std::string m_strExtra2;
    std::string m_strExtra3;
    std::int32_t m_nExtra = 0;

    CRadioImage();
    virtual ~CRadioImage() = default;
    CRadioImage(const CRadioImage&) = default;
    CRadioImage& operator=(const CRadioImage&) = default;

    // The working block (what a dump file holds) and the copy taken by Reset.
    const ImageBlock& WorkBlock() const { return m_work; }
    const ImageBlock& BackupBlock() const { return m_backup; }

    // ---- whole image ----------------------------------------------------
    bool Reset();
    bool ClearUpperChannels();
    [[nodiscard]] bool SetFixedBits();
    [[nodiscard]] bool ReadBlock(std::uint8_t* dest, std::uint32_t offset,
                                 std::uint32_t length) const;
    [[nodiscard]] bool WriteBlock(const std::uint8_t* source, std::uint32_t offset,
                                  std::uint32_t length);

    // Dump file: the 8204-byte block, then the capacity code little-endian,
    // replacing the file safely (see SaveFileSafely). False when the file
    // could not be written completely; the old file is then untouched.
    [[nodiscard]] bool SaveToFile(const std::string& path, const IAppState& app) const;
    // The capacity code a dump file gets: the application's code, except that
    // a code missing from the loaded file is written as 1 (120 channels, the
    // capacity such a file is shown with).
    static std::int32_t CapacityCodeToSave(const IAppState& app);
    // True when the image was replaced. A file too short for a block leaves the
    // image alone and calls app.ReportReadError(); a missing capacity code
    // becomes -1 with mode 0. The injection flag is re-derived whenever the
    // file could be opened. Only regular files are read: a folder, pipe or
    // device counts as a file that cannot be opened, and never blocks.
    [[nodiscard]] bool LoadFromFile(const std::string& path, IAppState& app,
                                    DumpFileStatus* status = nullptr);

    // ---- byte packing and nibble codecs -----------------------------------
    static int PackBigEndian(std::uint32_t value, std::uint8_t* dest, int count);
    static bool EncodeHexNibbles(std::string_view text, std::uint8_t* dest, int count);
    static bool EncodeDtmfNibbles(std::string_view text, std::uint8_t* dest, int count);
    static bool DecodeHexNibbles(std::string& textOut, const std::uint8_t* source, int& count);
    static bool DecodeDtmfNibbles(std::string& textOut, const std::uint8_t* source, int& count);

    // ---- identification ---------------------------------------------------
    [[nodiscard]] bool SetSerialNumber(std::string_view text);
    bool GetSerialNumber(std::string& textOut) const;
    [[nodiscard]] bool SetCustomer(std::string_view text);
    bool GetCustomer(std::string& textOut) const;
    // A month outside 1..12 or a day outside 1..31 is stored as a blank byte
    // (0xFF), a year outside 0..9999 as two blank bytes; GetDate then reports
    // that part as invalid.
    [[nodiscard]] bool SetDate(int year, int month, int day);
    bool GetDate(int& yearOut, int& monthOut, int& dayOut) const;
    [[nodiscard]] bool SetModel(int index);
    bool GetModel(int& indexOut) const;

    // ---- model header: reference dividers, IF offsets, injection ---------
    [[nodiscard]] bool SetWideReference(double stepHz);
    [[nodiscard]] bool SetNarrowReference(double stepHz);
    bool GetWideReferenceCode(int model, int& codeOut) const;
    bool GetNarrowReferenceCode(int model, int& codeOut) const;
    [[nodiscard]] bool SetWideIfOffset(int word);
    [[nodiscard]] bool SetNarrowIfOffset(int word);
    bool GetWideIfOffset(int& wordOut) const;  // 0..65535, bit 15 is the sign
    [[nodiscard]] bool SetInjection(int flag); // 0 high side, 1 low side
    bool GetInjection(int& flagOut) const;
    void DeriveInjection();

    // ---- 2-tone and ANI ---------------------------------------------------
    [[nodiscard]] bool SetTwoToneUnused(int flag);
    bool GetTwoToneUnused(int& flagOut) const;
    [[nodiscard]] bool SetTwoToneFormat(int format);
    bool GetTwoToneFormat(int& formatOut) const;
    [[nodiscard]] bool SetTwoToneGroups(int first, int second);
    bool GetTwoToneGroups(int& firstOut, int& secondOut) const;
    [[nodiscard]] bool SetFirstToneIndex(int index);
    [[nodiscard]] bool SetSecondToneIndex(int index);
    [[nodiscard]] bool SetThirdToneIndex(int index);
    bool GetFirstToneIndex(int& indexOut) const;
    bool GetSecondToneIndex(int& indexOut) const;
    bool GetThirdToneIndex(int& indexOut) const;
    [[nodiscard]] bool SetAniNumber(std::string_view text);
    bool GetAniNumber(std::string& textOut) const;

    // ---- channel records (n = 0..319) --------------------------------------
    [[nodiscard]] bool SetRxSignallingNone(int n, int flag);
    [[nodiscard]] bool SetTxSignallingNone(int n, int flag);
    [[nodiscard]] bool SetRxSignallingType(int n, int type); // 0 CTCSS, 1 DCS
    [[nodiscard]] bool SetTxSignallingType(int n, int type);
    [[nodiscard]] bool SetRxDcs(int n, int inverted, int code); // code 0..511
    [[nodiscard]] bool SetTxDcs(int n, int inverted, int code);
    [[nodiscard]] bool SetRxCtcss(int n, int index); // 0..44
    [[nodiscard]] bool SetTxCtcss(int n, int index);
    [[nodiscard]] bool SetRxUnused(int n, int flag);
    [[nodiscard]] bool SetTxUnused(int n, int flag);
    [[nodiscard]] bool SetRxWord(int n, std::uint32_t word); // 0..0x7FFFF
    [[nodiscard]] bool SetTxWord(int n, std::uint32_t word);
    [[nodiscard]] bool SetTxPower(int n, int flag);
    [[nodiscard]] bool SetScrambler(int n, int flag);
    [[nodiscard]] bool SetScanGroupA(int n, int flag);
    [[nodiscard]] bool SetScanGroupB(int n, int flag);
    [[nodiscard]] bool SetCompander(int n, int flag);
    [[nodiscard]] bool SetWide(int n, int flag);
    [[nodiscard]] bool SetDTone(int n, int flag);
    [[nodiscard]] bool SetAniEnable(int n, int flag);
    [[nodiscard]] bool UpdateCheck(int n);
    [[nodiscard]] bool SetAuxData(int n, int value);
    [[nodiscard]] bool SetChannelName(int n, std::string_view text);
    [[nodiscard]] bool SetGroupName(int g, std::string_view text); // g = 0..40

    bool GetRxSignallingNone(int n, int& flagOut) const;
    bool GetTxSignallingNone(int n, int& flagOut) const;
    bool GetRxSignallingType(int n, int& typeOut) const;
    bool GetTxSignallingType(int n, int& typeOut) const;
    bool GetRxDcs(int n, int& invertedOut, int& codeOut) const;
    bool GetTxDcs(int n, int& invertedOut, int& codeOut) const;
    bool GetRxCtcss(int n, int& indexOut) const; // false above 44, value still delivered
    bool GetTxCtcss(int n, int& indexOut) const;
    bool GetRxUnused(int n, int& flagOut) const;
    bool GetTxUnused(int n, int& flagOut) const;
    bool GetRxWord(int n, std::uint32_t& wordOut) const;
    bool GetTxWord(int n, std::uint32_t& wordOut) const;
    bool GetTxPower(int n, int& flagOut) const;
    bool GetScrambler(int n, int& flagOut) const;
    bool GetScanGroupA(int n, int& flagOut) const;
    bool GetScanGroupB(int n, int& flagOut) const;
    bool GetCompander(int n, int& flagOut) const;
    bool GetWide(int n, int& flagOut) const;
    bool GetDTone(int n, int& flagOut) const;
    bool GetAniEnable(int n, int& flagOut) const;
    bool GetCheck(int n, int& valueOut) const;
    bool GetAuxData(int n, int& valueOut) const;
    bool GetChannelName(int n, std::string& textOut) const;
    bool GetGroupName(int g, std::string& textOut) const;

    // ---- options -------------------------------------------------------------
    [[nodiscard]] bool SetScanHoldOnRx(int v);
    [[nodiscard]] bool SetScanHoldAfterTx(int v);
    [[nodiscard]] bool SetScanListClear(int v);
    [[nodiscard]] bool SetScanHoldBy(int v);
    [[nodiscard]] bool SetScanHoldAt(int v);
    [[nodiscard]] bool SetScanType(int v);
    [[nodiscard]] bool SetChannelRollOver(int v);
    [[nodiscard]] bool SetPriorityCycle(int v);
    [[nodiscard]] bool SetBeeps(int a, int b, int c, int d);
    [[nodiscard]] bool SetPriorityTime(int v);
    [[nodiscard]] bool SetDtmfTiming(int v);
    [[nodiscard]] bool SetBusyLockout(int v);
    [[nodiscard]] bool SetTimeOutTimer(int v);
    [[nodiscard]] bool SetMicOffHookScanStop(int v);
    [[nodiscard]] bool SetDefeatPriority2(int v);
    // capacityCode 0 (120 channels) or 1 (320) is checked, not stored.
    [[nodiscard]] bool SetGroupCount(int capacityCode, int count);

    bool GetScanHoldOnRx(int& vOut) const;
    bool GetScanHoldAfterTx(int& vOut) const;
    bool GetScanListClear(int& vOut) const;
    bool GetScanHoldBy(int& vOut) const;
    bool GetScanHoldAt(int& vOut) const;
    bool GetScanType(int& vOut) const;
    bool GetChannelRollOver(int& vOut) const;
    bool GetPriorityCycle(int& vOut) const;
    bool GetBeeps(int& aOut, int& bOut, int& cOut, int& dOut) const;
    bool GetPriorityTime(int& vOut) const;
    bool GetDtmfTiming(int& vOut) const;
    bool GetBusyLockout(int& vOut) const;
    bool GetTimeOutTimer(int& vOut) const;
    bool GetMicOffHookScanStop(int& vOut) const;
    bool GetDefeatPriority2(int& vOut) const;
    // False when the stored count is above 15 (countOut still holds it).
    bool GetGroupCount(int& bigFlagOut, int& countOut) const;

    // Channel n (0-based) in the form of an empty channel: every field at its
    // default, the check value kept. False for n outside 0..319.
    [[nodiscard]] bool ResetChannel(int n);

    // ---- alignment levels (0x26..0x2F) -------------------------------------
    [[nodiscard]] bool SetTxHighPowerLevel(int v);
    [[nodiscard]] bool SetTxLowPowerLevel(int v);
    [[nodiscard]] bool SetSqVolume(int v);
    [[nodiscard]] bool SetTxToneLevel(int v);
    [[nodiscard]] bool SetDtmfLowToneLevel(int v);
    [[nodiscard]] bool SetModulationSensitivity(int v);
    [[nodiscard]] bool SetWideModulation(int v);
    [[nodiscard]] bool SetNarrowModulation(int v);
    [[nodiscard]] bool SetWideDemodulation(int v);
    [[nodiscard]] bool SetNarrowDemodulation(int v);

    bool GetTxHighPowerLevel(int& vOut) const;
    bool GetTxLowPowerLevel(int& vOut) const;
    bool GetSqVolume(int& vOut) const;
    bool GetTxToneLevel(int& vOut) const;
    bool GetDtmfLowToneLevel(int& vOut) const;
    bool GetModulationSensitivity(int& vOut) const;
    bool GetWideModulation(int& vOut) const;
    bool GetNarrowModulation(int& vOut) const;
    bool GetWideDemodulation(int& vOut) const;
    bool GetNarrowDemodulation(int& vOut) const;

private:
    ImageBlock m_backup;
    ImageBlock m_work;

    bool LoadDump(const std::string& path, IAppState& app, DumpFileStatus& status);
    bool SetField(std::uint32_t offset, int shift, int width, int value);
    int GetField(std::uint32_t offset, int shift, int width) const;
    bool SetChannelField(int n, int byte, int shift, int width, int value);
    bool GetChannelField(int n, int byte, int shift, int width, int& valueOut) const;
    bool SetSideDcs(int n, int side, int inverted, int code);
    bool GetSideDcs(int n, int side, int& invertedOut, int& codeOut) const;
    bool SetSideWord(int n, int side, std::uint32_t word);
    bool GetSideWord(int n, int side, std::uint32_t& wordOut) const;
    bool SetReference(std::uint32_t offset, double stepHz);
    bool GetReferenceCode(std::uint32_t offset, int model, int& codeOut) const;
    bool SetToneIndex(std::uint32_t offset, int index);
    bool GetToneIndex(std::uint32_t offset, int& indexOut) const;
    bool SetName(std::uint32_t offset, std::string_view text);
    void GetName(std::uint32_t offset, std::string& textOut) const;
};
