// Every field of the radio image in one table: where it lies, which bits it
// takes and how large a value it holds. The accessors of CRadioImage read and
// write the image only through these entries, so a field's position is
// written here and nowhere else.
#pragma once

// std
#include <cstdint>

constexpr int kChannelCount = 320;
constexpr int kChannelRecordSize = 23;
constexpr int kGroupNameCount = 40;
constexpr int kGroupNameSlots = 41; // the accessors also reach one slot past the 40 names
constexpr int kNameLength = 12;
constexpr std::uint32_t kUnusedWord = 0x7FFFF; // a channel side without a frequency

// A field is bits [shift, shift + width) of the big-endian number made of
// `bytes` bytes from `offset` (an image offset; for a channel field the byte
// within the channel record). `limit` is the largest value a setter takes
// when that is less than the width holds; `valid` is the largest value a
// getter reads back as valid, where the radio gives the rest no meaning.
struct ImageField
{
    std::uint32_t offset;
    int bytes;
    int shift;
    int width;
    int limit = -1; // -1: what the width holds
    int valid = -1; // -1: every value

    constexpr std::uint32_t Mask() const
    {
        return width >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << width) - 1;
    }
    constexpr std::uint32_t Limit() const
    {
        return limit >= 0 ? static_cast<std::uint32_t>(limit) : Mask();
    }
};

// A run of whole bytes: a nibble text or a name.
struct ImageSpan
{
    std::uint32_t offset;
    int size;
};

// Bits no form edits; SetFixedBits writes them.
struct ImageFixedBits
{
    ImageField field;
    int value;
};

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
//
// Channel record n at kChannels + 23 * n, byte by byte (bytes 4..7 are the
// transmit side in the layout of the receive bytes 0..3):
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
struct ImageFields
{
    // Each entry: {offset, bytes, shift, width[, limit[, valid]]}.
    // ---- identification and model header -------------------------------------------------------
    static constexpr ImageSpan kSerialNumber{0x0000, 4};         // 8 hex nibbles
    static constexpr ImageSpan kCustomer{0x0004, 5};             // 10 hex nibbles
    static constexpr ImageSpan kDate{0x0009, 4};                 // YYYYMMDD, 8 BCD digits
    static constexpr ImageField kModel{0x000D, 1, 0, 8, -1, 13}; // 0xFF: none chosen
    static constexpr ImageField kWideReference{0x000E, 2, 0, 14};
    static constexpr ImageField kNarrowReference{0x0010, 2, 0, 14};
    static constexpr ImageField kWideIfOffset{0x0012, 2, 0, 16}; // signed
    static constexpr ImageField kWideIfSign{0x0012, 2, 15, 1};
    static constexpr ImageField kNarrowIfOffset{0x0014, 2, 0, 16};
    static constexpr ImageField kInjection{0x0019, 1, 4, 1}; // 0 high side, 1 low side

    // ---- options -------------------------------------------------------------------------------
    static constexpr ImageField kScanHoldOnRx{0x0017, 1, 6, 2};
    static constexpr ImageField kScanHoldAfterTx{0x0017, 1, 4, 2};
    static constexpr ImageField kScanListClear{0x0018, 1, 6, 2};
    static constexpr ImageField kScanHoldBy{0x0018, 1, 5, 1};
    static constexpr ImageField kScanHoldAt{0x0018, 1, 4, 1};
    static constexpr ImageField kScanType{0x0018, 1, 2, 2};
    static constexpr ImageField kChannelRollOver{0x0018, 1, 1, 1};
    static constexpr ImageField kPriorityCycle{0x0018, 1, 0, 1};
    static constexpr ImageField kBeepA{0x0019, 1, 3, 1};
    static constexpr ImageField kBeepB{0x0019, 1, 2, 1};
    static constexpr ImageField kBeepC{0x0019, 1, 1, 1};
    static constexpr ImageField kBeepD{0x0019, 1, 0, 1};
    static constexpr ImageField kPriorityTime{0x001A, 1, 6, 2};
    static constexpr ImageField kDtmfTiming{0x001A, 1, 0, 3};
    static constexpr ImageField kBusyLockout{0x001B, 1, 6, 2};
    static constexpr ImageField kTimeOutTimer{0x001B, 1, 3, 3};
    static constexpr ImageField kMicOffHookScanStop{0x001B, 1, 2, 1};
    static constexpr ImageField kDefeatPriority2{0x001E, 1, 7, 1};
    // Stored whole; a count above 15 reads back with the result false.
    static constexpr ImageField kGroupCount{0x0025, 1, 0, 8, 40, 15};

    // ---- 2-tone and ANI ------------------------------------------------------------------------
    static constexpr ImageField kTwoToneUnused{0x001A, 1, 5, 1};
    static constexpr ImageField kTwoToneFormat{0x001A, 1, 3, 2};
    static constexpr ImageField kFirstToneGroup{0x0021, 1, 4, 4};
    static constexpr ImageField kSecondToneGroup{0x0021, 1, 0, 4};
    static constexpr ImageField kFirstTone{0x0022, 1, 0, 8, 59, 59};
    static constexpr ImageField kSecondTone{0x0023, 1, 0, 8, 59, 59};
    static constexpr ImageField kThirdTone{0x0024, 1, 0, 8, 59, 59};
    static constexpr ImageSpan kAniNumber{0x009D, 5}; // 10 DTMF nibbles

    // ---- alignment levels, in the order the radio keeps them in its RAM ------------------------
    // Written as whole bytes, except the modulation levels, which keep bits 7-5.
    static constexpr ImageField kTxHighPowerLevel{0x0026, 1, 0, 8};
    static constexpr ImageField kTxLowPowerLevel{0x0027, 1, 0, 8};
    static constexpr ImageField kSqVolume{0x0028, 1, 0, 8, -1, 80};
    static constexpr ImageField kTxToneLevel{0x0029, 1, 0, 8, 127, 127};
    static constexpr ImageField kDtmfLowToneLevel{0x002A, 1, 0, 8, 127, 127};
    static constexpr ImageField kModulationSensitivity{0x002B, 1, 0, 8, 15, 15};
    static constexpr ImageField kWideModulation{0x002C, 1, 0, 5};
    static constexpr ImageField kNarrowModulation{0x002D, 1, 0, 5};
    static constexpr ImageField kWideDemodulation{0x002E, 1, 0, 4};
    static constexpr ImageField kNarrowDemodulation{0x002F, 1, 0, 4};

    // ---- fixed bits ----------------------------------------------------------------------------
    static constexpr ImageFixedBits kFixedBits[] = {
        {{0x0016, 1, 0, 6}, 0x20}, // bit 5 set, bits 4-0 clear
        {{0x0017, 1, 1, 3}, 0},    // bits 3-1 clear
        {{0x0019, 1, 6, 2}, 2},    // bits 7-6 binary 10
        {{0x001C, 1, 4, 4}, 7},    // high nibble 0x7
        {{0x001F, 1, 4, 4}, 3},    // high nibble 0x3
    };

    // ---- group names and channel records -------------------------------------------------------
    static constexpr std::uint32_t kGroupNames = 0x00A7; // kGroupNameSlots of kNameLength bytes
    static constexpr std::uint32_t kChannels = 0x0340;   // kChannelCount of kChannelRecordSize

    // Within a channel record; the transmit side repeats the receive layout four
    // bytes on. Writing a CTCSS index overwrites the DCS inverted bit and the
    // high DCS bits, which share its byte.
    static constexpr ImageField kRxSignallingNone{0, 1, 7, 1};
    static constexpr ImageField kRxSignallingType{0, 1, 6, 1}; // 0 CTCSS, 1 DCS
    static constexpr ImageField kRxDcsInverted{0, 1, 5, 1};
    static constexpr ImageField kRxDcsCode{0, 2, 4, 9};
    static constexpr ImageField kRxCtcss{0, 1, 0, 6, 44};
    static constexpr ImageField kRxUnused{1, 1, 3, 1};
    static constexpr ImageField kRxWord{1, 3, 0, 19};
    static constexpr ImageField kTxSignallingNone{4, 1, 7, 1};
    static constexpr ImageField kTxSignallingType{4, 1, 6, 1};
    static constexpr ImageField kTxDcsInverted{4, 1, 5, 1};
    static constexpr ImageField kTxDcsCode{4, 2, 4, 9};
    static constexpr ImageField kTxCtcss{4, 1, 0, 6, 44};
    static constexpr ImageField kTxUnused{5, 1, 3, 1};
    static constexpr ImageField kTxWord{5, 3, 0, 19};
    static constexpr ImageField kTxPower{8, 1, 7, 1};
    static constexpr ImageField kScrambler{8, 1, 6, 1};
    static constexpr ImageField kScanGroupA{8, 1, 5, 1};
    static constexpr ImageField kScanGroupB{8, 1, 4, 1};
    static constexpr ImageField kCompander{8, 1, 3, 1};
    static constexpr ImageField kWide{8, 1, 2, 1};
    static constexpr ImageField kDTone{8, 1, 1, 1};
    static constexpr ImageField kAniEnable{8, 1, 0, 1};
    static constexpr ImageField kCheck{9, 1, 0, 8}; // 1..16, see UpdateCheck
    static constexpr ImageField kAuxData{10, 1, 0, 8};
    static constexpr ImageSpan kChannelName{11, kNameLength};
};
