// The radio image: the radio's 8192-byte configuration EEPROM held in memory,
// and one accessor per field over the table of ImageFields.h.
#pragma once

// model
#include "model/AppState.h"
#include "model/ImageFields.h"

// std
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr std::uint32_t kImageSize = 8192;
constexpr std::uint32_t kBlockSize = 8204;
constexpr std::uint32_t kDumpFileSize = 8208;

// Where the image's regions start (EEPROM addresses), as the code outside the
// image names them; the fields themselves are in ImageFields.h.
namespace ImageMap
{
constexpr std::uint32_t kSerial = ImageFields::kSerialNumber.offset;
constexpr std::uint32_t kCustomer = ImageFields::kCustomer.offset;
constexpr std::uint32_t kDate = ImageFields::kDate.offset;
constexpr std::uint32_t kModel = ImageFields::kModel.offset;
constexpr std::uint32_t kWideRef = ImageFields::kWideReference.offset;
constexpr std::uint32_t kNarrowRef = ImageFields::kNarrowReference.offset;
constexpr std::uint32_t kWideIf = ImageFields::kWideIfOffset.offset;
constexpr std::uint32_t kNarrowIf = ImageFields::kNarrowIfOffset.offset;
constexpr std::uint32_t kFixed16 = ImageFields::kFixedBits[0].field.offset;
constexpr std::uint32_t kScanHold = ImageFields::kScanHoldOnRx.offset;
constexpr std::uint32_t kScan = ImageFields::kScanType.offset;
constexpr std::uint32_t kInjBeep = ImageFields::kInjection.offset;
constexpr std::uint32_t kTwoTone = ImageFields::kTwoToneFormat.offset;
constexpr std::uint32_t kLockout = ImageFields::kBusyLockout.offset;
constexpr std::uint32_t kFixed1C = ImageFields::kFixedBits[3].field.offset;
constexpr std::uint32_t kPriority2 = ImageFields::kDefeatPriority2.offset;
constexpr std::uint32_t kFixed1F = ImageFields::kFixedBits[4].field.offset;
constexpr std::uint32_t kToneGroups = ImageFields::kFirstToneGroup.offset;
constexpr std::uint32_t kFirstTone = ImageFields::kFirstTone.offset;
constexpr std::uint32_t kSecondTone = ImageFields::kSecondTone.offset;
constexpr std::uint32_t kThirdTone = ImageFields::kThirdTone.offset;
constexpr std::uint32_t kGroupCount = ImageFields::kGroupCount.offset;
constexpr std::uint32_t kAlignment = ImageFields::kTxHighPowerLevel.offset; // ten levels
constexpr std::uint32_t kAni = ImageFields::kAniNumber.offset;
constexpr std::uint32_t kGroupNames = ImageFields::kGroupNames;
constexpr std::uint32_t kChannels = ImageFields::kChannels;
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
    // The table every accessor reads its field from.
    using F = ImageFields;

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

    // ---- byte packing and nibble codecs (see ByteCodec.h) -------------------
    static int PackBigEndian(std::uint32_t value, std::uint8_t* dest, int count);
    static bool EncodeHexNibbles(std::string_view text, std::uint8_t* dest, int count);
    static bool EncodeDtmfNibbles(std::string_view text, std::uint8_t* dest, int count);
    static bool DecodeHexNibbles(std::string& textOut, const std::uint8_t* source, int& count);
    static bool DecodeDtmfNibbles(std::string& textOut, const std::uint8_t* source, int& count);

    // ---- identification ---------------------------------------------------
    [[nodiscard]] bool SetSerialNumber(std::string_view t) { return SetHex(F::kSerialNumber, t); }
    bool GetSerialNumber(std::string& textOut) const { return GetHex(F::kSerialNumber, textOut); }
    [[nodiscard]] bool SetCustomer(std::string_view t) { return SetHex(F::kCustomer, t); }
    bool GetCustomer(std::string& textOut) const { return GetHex(F::kCustomer, textOut); }
    // A month outside 1..12 or a day outside 1..31 is stored as a blank byte
    // (0xFF), a year outside 0..9999 as two blank bytes; GetDate then reports
    // that part as invalid.
    [[nodiscard]] bool SetDate(int year, int month, int day);
    bool GetDate(int& yearOut, int& monthOut, int& dayOut) const;
    // The low byte of index, unchecked: -1 stores 0xFF, no model chosen.
    [[nodiscard]] bool SetModel(int index) { return StoreBits(F::kModel, index); }
    bool GetModel(int& indexOut) const { return GetValid(F::kModel, indexOut); }

    // ---- model header: reference dividers, IF offsets, injection ---------
    [[nodiscard]] bool SetWideReference(double hz) { return SetReference(F::kWideReference, hz); }
    [[nodiscard]] bool SetNarrowReference(double hz)
    {
        return SetReference(F::kNarrowReference, hz);
    }
    bool GetWideReferenceCode(int model, int& codeOut) const
    {
        return GetReferenceCode(F::kWideReference, model, codeOut);
    }
    bool GetNarrowReferenceCode(int model, int& codeOut) const
    {
        return GetReferenceCode(F::kNarrowReference, model, codeOut);
    }
    // The low 16 bits of word, unchecked.
    [[nodiscard]] bool SetWideIfOffset(int word) { return StoreBits(F::kWideIfOffset, word); }
    [[nodiscard]] bool SetNarrowIfOffset(int word) { return StoreBits(F::kNarrowIfOffset, word); }
    // 0..65535, bit 15 is the sign
    bool GetWideIfOffset(int& wordOut) const { return GetBits(F::kWideIfOffset, wordOut); }
    [[nodiscard]] bool SetInjection(int flag) { return SetBits(F::kInjection, flag); }
    bool GetInjection(int& flagOut) const { return GetBits(F::kInjection, flagOut); }
    void DeriveInjection();

    // ---- 2-tone and ANI ---------------------------------------------------
    [[nodiscard]] bool SetTwoToneUnused(int flag) { return SetBits(F::kTwoToneUnused, flag); }
    bool GetTwoToneUnused(int& flagOut) const { return GetBits(F::kTwoToneUnused, flagOut); }
    [[nodiscard]] bool SetTwoToneFormat(int format) { return SetBits(F::kTwoToneFormat, format); }
    bool GetTwoToneFormat(int& formatOut) const { return GetBits(F::kTwoToneFormat, formatOut); }
    [[nodiscard]] bool SetTwoToneGroups(int first, int second);
    bool GetTwoToneGroups(int& firstOut, int& secondOut) const;
    [[nodiscard]] bool SetFirstToneIndex(int index) { return SetByte(F::kFirstTone, index); }
    [[nodiscard]] bool SetSecondToneIndex(int index) { return SetByte(F::kSecondTone, index); }
    [[nodiscard]] bool SetThirdToneIndex(int index) { return SetByte(F::kThirdTone, index); }
    bool GetFirstToneIndex(int& indexOut) const { return GetValid(F::kFirstTone, indexOut); }
    bool GetSecondToneIndex(int& indexOut) const { return GetValid(F::kSecondTone, indexOut); }
    bool GetThirdToneIndex(int& indexOut) const { return GetValid(F::kThirdTone, indexOut); }
    [[nodiscard]] bool SetAniNumber(std::string_view text);
    bool GetAniNumber(std::string& textOut) const;

    // ---- channel records (n = 0..319) --------------------------------------
    [[nodiscard]] bool SetRxSignallingNone(int n, int f)
    {
        return SetAt(n, F::kRxSignallingNone, f);
    }
    [[nodiscard]] bool SetTxSignallingNone(int n, int f)
    {
        return SetAt(n, F::kTxSignallingNone, f);
    }
    // 0 CTCSS, 1 DCS
    [[nodiscard]] bool SetRxSignallingType(int n, int t)
    {
        return SetAt(n, F::kRxSignallingType, t);
    }
    [[nodiscard]] bool SetTxSignallingType(int n, int t)
    {
        return SetAt(n, F::kTxSignallingType, t);
    }
    // code 0..511
    [[nodiscard]] bool SetRxDcs(int n, int inverted, int code)
    {
        return SetDcs(n, F::kRxDcsInverted, F::kRxDcsCode, inverted, code);
    }
    [[nodiscard]] bool SetTxDcs(int n, int inverted, int code)
    {
        return SetDcs(n, F::kTxDcsInverted, F::kTxDcsCode, inverted, code);
    }
    [[nodiscard]] bool SetRxCtcss(int n, int index) { return SetAt(n, F::kRxCtcss, index); }
    [[nodiscard]] bool SetTxCtcss(int n, int index) { return SetAt(n, F::kTxCtcss, index); }
    [[nodiscard]] bool SetRxUnused(int n, int flag) { return SetAt(n, F::kRxUnused, flag); }
    [[nodiscard]] bool SetTxUnused(int n, int flag) { return SetAt(n, F::kTxUnused, flag); }
    // 0..0x7FFFF
    [[nodiscard]] bool SetRxWord(int n, std::uint32_t word) { return SetAt(n, F::kRxWord, word); }
    [[nodiscard]] bool SetTxWord(int n, std::uint32_t word) { return SetAt(n, F::kTxWord, word); }
    [[nodiscard]] bool SetTxPower(int n, int flag) { return SetAt(n, F::kTxPower, flag); }
    [[nodiscard]] bool SetScrambler(int n, int flag) { return SetAt(n, F::kScrambler, flag); }
    [[nodiscard]] bool SetScanGroupA(int n, int flag) { return SetAt(n, F::kScanGroupA, flag); }
    [[nodiscard]] bool SetScanGroupB(int n, int flag) { return SetAt(n, F::kScanGroupB, flag); }
    [[nodiscard]] bool SetCompander(int n, int flag) { return SetAt(n, F::kCompander, flag); }
    [[nodiscard]] bool SetWide(int n, int flag) { return SetAt(n, F::kWide, flag); }
    [[nodiscard]] bool SetDTone(int n, int flag) { return SetAt(n, F::kDTone, flag); }
    [[nodiscard]] bool SetAniEnable(int n, int flag) { return SetAt(n, F::kAniEnable, flag); }
    [[nodiscard]] bool UpdateCheck(int n);
    [[nodiscard]] bool SetAuxData(int n, int value) { return SetAt(n, F::kAuxData, value); }
    [[nodiscard]] bool SetChannelName(int n, std::string_view text);
    [[nodiscard]] bool SetGroupName(int g, std::string_view text); // g = 0..40

    bool GetRxSignallingNone(int n, int& f) const { return GetAt(n, F::kRxSignallingNone, f); }
    bool GetTxSignallingNone(int n, int& f) const { return GetAt(n, F::kTxSignallingNone, f); }
    bool GetRxSignallingType(int n, int& t) const { return GetAt(n, F::kRxSignallingType, t); }
    bool GetTxSignallingType(int n, int& t) const { return GetAt(n, F::kTxSignallingType, t); }
    bool GetRxDcs(int n, int& invertedOut, int& codeOut) const
    {
        return GetAt(n, F::kRxDcsInverted, invertedOut) && GetAt(n, F::kRxDcsCode, codeOut);
    }
    bool GetTxDcs(int n, int& invertedOut, int& codeOut) const
    {
        return GetAt(n, F::kTxDcsInverted, invertedOut) && GetAt(n, F::kTxDcsCode, codeOut);
    }
    // false above 44, the value still delivered
    bool GetRxCtcss(int n, int& indexOut) const { return GetLimited(n, F::kRxCtcss, indexOut); }
    bool GetTxCtcss(int n, int& indexOut) const { return GetLimited(n, F::kTxCtcss, indexOut); }
    bool GetRxUnused(int n, int& flagOut) const { return GetAt(n, F::kRxUnused, flagOut); }
    bool GetTxUnused(int n, int& flagOut) const { return GetAt(n, F::kTxUnused, flagOut); }
    bool GetRxWord(int n, std::uint32_t& wordOut) const { return GetAt(n, F::kRxWord, wordOut); }
    bool GetTxWord(int n, std::uint32_t& wordOut) const { return GetAt(n, F::kTxWord, wordOut); }
    bool GetTxPower(int n, int& flagOut) const { return GetAt(n, F::kTxPower, flagOut); }
    bool GetScrambler(int n, int& flagOut) const { return GetAt(n, F::kScrambler, flagOut); }
    bool GetScanGroupA(int n, int& flagOut) const { return GetAt(n, F::kScanGroupA, flagOut); }
    bool GetScanGroupB(int n, int& flagOut) const { return GetAt(n, F::kScanGroupB, flagOut); }
    bool GetCompander(int n, int& flagOut) const { return GetAt(n, F::kCompander, flagOut); }
    bool GetWide(int n, int& flagOut) const { return GetAt(n, F::kWide, flagOut); }
    bool GetDTone(int n, int& flagOut) const { return GetAt(n, F::kDTone, flagOut); }
    bool GetAniEnable(int n, int& flagOut) const { return GetAt(n, F::kAniEnable, flagOut); }
    bool GetCheck(int n, int& valueOut) const { return GetAt(n, F::kCheck, valueOut); }
    bool GetAuxData(int n, int& valueOut) const { return GetAt(n, F::kAuxData, valueOut); }
    bool GetChannelName(int n, std::string& textOut) const;
    bool GetGroupName(int g, std::string& textOut) const;

    // ---- options -------------------------------------------------------------
    [[nodiscard]] bool SetScanHoldOnRx(int v) { return SetBits(F::kScanHoldOnRx, v); }
    [[nodiscard]] bool SetScanHoldAfterTx(int v) { return SetBits(F::kScanHoldAfterTx, v); }
    [[nodiscard]] bool SetScanListClear(int v) { return SetBits(F::kScanListClear, v); }
    [[nodiscard]] bool SetScanHoldBy(int v) { return SetBits(F::kScanHoldBy, v); }
    [[nodiscard]] bool SetScanHoldAt(int v) { return SetBits(F::kScanHoldAt, v); }
    [[nodiscard]] bool SetScanType(int v) { return SetBits(F::kScanType, v); }
    [[nodiscard]] bool SetChannelRollOver(int v) { return SetBits(F::kChannelRollOver, v); }
    [[nodiscard]] bool SetPriorityCycle(int v) { return SetBits(F::kPriorityCycle, v); }
    [[nodiscard]] bool SetBeeps(int a, int b, int c, int d);
    [[nodiscard]] bool SetPriorityTime(int v) { return SetBits(F::kPriorityTime, v); }
    [[nodiscard]] bool SetDtmfTiming(int v) { return SetBits(F::kDtmfTiming, v); }
    [[nodiscard]] bool SetBusyLockout(int v) { return SetBits(F::kBusyLockout, v); }
    [[nodiscard]] bool SetTimeOutTimer(int v) { return SetBits(F::kTimeOutTimer, v); }
    [[nodiscard]] bool SetMicOffHookScanStop(int v) { return SetBits(F::kMicOffHookScanStop, v); }
    [[nodiscard]] bool SetDefeatPriority2(int v) { return SetBits(F::kDefeatPriority2, v); }
    // capacityCode 0 (120 channels) or 1 (320) is checked, not stored.
    [[nodiscard]] bool SetGroupCount(int capacityCode, int count);

    bool GetScanHoldOnRx(int& vOut) const { return GetBits(F::kScanHoldOnRx, vOut); }
    bool GetScanHoldAfterTx(int& vOut) const { return GetBits(F::kScanHoldAfterTx, vOut); }
    bool GetScanListClear(int& vOut) const { return GetBits(F::kScanListClear, vOut); }
    bool GetScanHoldBy(int& vOut) const { return GetBits(F::kScanHoldBy, vOut); }
    bool GetScanHoldAt(int& vOut) const { return GetBits(F::kScanHoldAt, vOut); }
    bool GetScanType(int& vOut) const { return GetBits(F::kScanType, vOut); }
    bool GetChannelRollOver(int& vOut) const { return GetBits(F::kChannelRollOver, vOut); }
    bool GetPriorityCycle(int& vOut) const { return GetBits(F::kPriorityCycle, vOut); }
    bool GetBeeps(int& aOut, int& bOut, int& cOut, int& dOut) const;
    bool GetPriorityTime(int& vOut) const { return GetBits(F::kPriorityTime, vOut); }
    bool GetDtmfTiming(int& vOut) const { return GetBits(F::kDtmfTiming, vOut); }
    bool GetBusyLockout(int& vOut) const { return GetBits(F::kBusyLockout, vOut); }
    bool GetTimeOutTimer(int& vOut) const { return GetBits(F::kTimeOutTimer, vOut); }
    bool GetMicOffHookScanStop(int& vOut) const { return GetBits(F::kMicOffHookScanStop, vOut); }
    bool GetDefeatPriority2(int& vOut) const { return GetBits(F::kDefeatPriority2, vOut); }
    // False when the stored count is above 15 (countOut still holds it).
    bool GetGroupCount(int& bigFlagOut, int& countOut) const;

    // Channel n (0-based) in the form of an empty channel: every field at its
    // default, the check value kept. False for n outside 0..319.
    [[nodiscard]] bool ResetChannel(int n);

    // ---- alignment levels (0x26..0x2F) -------------------------------------
    [[nodiscard]] bool SetTxHighPowerLevel(int v) { return SetByte(F::kTxHighPowerLevel, v); }
    [[nodiscard]] bool SetTxLowPowerLevel(int v) { return SetByte(F::kTxLowPowerLevel, v); }
    [[nodiscard]] bool SetSqVolume(int v) { return SetByte(F::kSqVolume, v); }
    [[nodiscard]] bool SetTxToneLevel(int v) { return SetByte(F::kTxToneLevel, v); }
    [[nodiscard]] bool SetDtmfLowToneLevel(int v) { return SetByte(F::kDtmfLowToneLevel, v); }
    [[nodiscard]] bool SetModulationSensitivity(int v)
    {
        return SetByte(F::kModulationSensitivity, v);
    }
    [[nodiscard]] bool SetWideModulation(int v) { return SetBits(F::kWideModulation, v); }
    [[nodiscard]] bool SetNarrowModulation(int v) { return SetBits(F::kNarrowModulation, v); }
    [[nodiscard]] bool SetWideDemodulation(int v) { return SetByte(F::kWideDemodulation, v); }
    [[nodiscard]] bool SetNarrowDemodulation(int v) { return SetByte(F::kNarrowDemodulation, v); }

    bool GetTxHighPowerLevel(int& vOut) const { return GetValid(F::kTxHighPowerLevel, vOut); }
    bool GetTxLowPowerLevel(int& vOut) const { return GetValid(F::kTxLowPowerLevel, vOut); }
    bool GetSqVolume(int& vOut) const { return GetValid(F::kSqVolume, vOut); }
    bool GetTxToneLevel(int& vOut) const { return GetValid(F::kTxToneLevel, vOut); }
    bool GetDtmfLowToneLevel(int& vOut) const { return GetValid(F::kDtmfLowToneLevel, vOut); }
    bool GetModulationSensitivity(int& vOut) const
    {
        return GetValid(F::kModulationSensitivity, vOut);
    }
    bool GetWideModulation(int& vOut) const { return GetBits(F::kWideModulation, vOut); }
    bool GetNarrowModulation(int& vOut) const { return GetBits(F::kNarrowModulation, vOut); }
    bool GetWideDemodulation(int& vOut) const { return GetBits(F::kWideDemodulation, vOut); }
    bool GetNarrowDemodulation(int& vOut) const { return GetBits(F::kNarrowDemodulation, vOut); }

private:
    ImageBlock m_backup;
    ImageBlock m_work;

    // ---- the field primitives the accessors are made of -------------------
    // The value of the field's bits in the bytes from base (0 for the image's
    // own fields, the record's start for a channel field).
    std::uint32_t Bits(std::uint32_t base, const ImageField& field) const;
    // Writes value into the field's bits, keeping the other bits of its bytes.
    void PutBits(std::uint32_t base, const ImageField& field, std::uint32_t value);
    // Writes value into the field's bytes whole, clearing the bits beside it.
    void PutBytes(std::uint32_t base, const ImageField& field, std::uint32_t value);

    // Range checked against the field's limit; false leaves the image as it was.
    bool SetBits(const ImageField& field, std::int64_t value);
    bool SetByte(const ImageField& field, std::int64_t value);
    // The value masked to the field's width, unchecked.
    bool StoreBits(const ImageField& field, int value);
    bool GetBits(const ImageField& field, int& valueOut) const;
    // -1 and false above the field's valid values.
    bool GetValid(const ImageField& field, int& valueOut) const;

    // Channel fields: false for n outside 0..319 as well.
    bool SetAt(int n, const ImageField& field, std::int64_t value);
    template <typename Value> bool GetAt(int n, const ImageField& field, Value& valueOut) const
    {
        if (!IsChannel(n))
        {
            return false;
        }
        valueOut = static_cast<Value>(Bits(RecordStart(n), field));
        return true;
    }
    // Delivers the value and says whether it is within the field's limit.
    bool GetLimited(int n, const ImageField& field, int& valueOut) const;
    bool SetDcs(int n, const ImageField& inverted, const ImageField& code, int flag, int value);
    static bool IsChannel(int n) { return n >= 0 && n < kChannelCount; }
    static std::uint32_t RecordStart(int n);

    bool SetHex(const ImageSpan& span, std::string_view text);
    bool GetHex(const ImageSpan& span, std::string& textOut) const;
    bool SetReference(const ImageField& field, double stepHz);
    bool GetReferenceCode(const ImageField& field, int model, int& codeOut) const;
    bool SetName(std::uint32_t offset, std::string_view text);
    void GetName(std::uint32_t offset, std::string& textOut) const;
};
