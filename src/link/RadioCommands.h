// The radio's commands as one table: every record type, every address a
// command goes to and the layout of the test record, named once for the link
// that sends them and for the simulated radio that takes them.
#pragma once

// model
#include "model/BandTable.h"

// std
#include <cstdint>

namespace RadioCommands
{
// ---- record types ------------------------------------------------------------
inline constexpr char kRamWrite[] = "M0";
inline constexpr char kRamRead[] = "M1"; // one data byte: how many bytes
// At kProgramAddress the radio takes the "S1" records that follow into its
// EEPROM until "S9"; at kStoreAdjustAddress it stores the live levels.
inline constexpr char kProgram[] = "M2";
inline constexpr char kUploadRequest[] = "M3";
// A live level or the test record: the receive side, and the transmit side,
// which keys the transmitter.
inline constexpr char kLiveReceive[] = "M4";
inline constexpr char kLiveTransmit[] = "M6";
inline constexpr char kSwitch[] = "M8"; // lamp or beeper, by address
inline constexpr char kData[] = "S1";
inline constexpr char kEnd[] = "S9";

// Every line the radio sends is a data or an end record; every other record
// it takes is a command. A record starts with one of these two letters.
inline constexpr char kAnswerStart = kData[0];
inline constexpr char kCommandStart = kRamWrite[0];
// The type digits a parsed answer reports.
inline constexpr int kDataDigit = kData[1] - '0';
inline constexpr int kEndDigit = kEnd[1] - '0';

constexpr bool IsType(const char* type, const char* name)
{
    return type[0] == name[0] && type[1] == name[1];
}

// ---- addresses -----------------------------------------------------------------
// Upload request, programming start and end records carry no address.
inline constexpr std::uint16_t kNoAddress = 0x0000;
inline constexpr std::uint16_t kProgramAddress = 0x0000;
inline constexpr std::uint16_t kStoreAdjustAddress = 0x8000;
inline constexpr std::uint16_t kTestAddress = 0x2000;
// The ten live levels, each at its offset from the base.
inline constexpr std::uint16_t kLiveLevelBase = 0x4000;
enum LiveLevel : std::uint16_t
{
    kTxHighPowerLevel,
    kTxLowPowerLevel,
    kSquelchVolume,
    kTxToneLevel,
    kDtmfLowToneLevel,
    kModulationSensitivity,
    kWideBandModulation,
    kNarrowBandModulation,
    kWideBandDemodulation,
    kNarrowBandDemodulation,
    kLiveLevelCount
};
// Lamp and beeper: the switch's address, with its lowest bit for on.
inline constexpr std::uint16_t kSwitchOn = 0x0001;
inline constexpr std::uint16_t kLampOff = 0x1000;
inline constexpr std::uint16_t kLampOn = kLampOff | kSwitchOn;
inline constexpr std::uint16_t kBeeperOff = 0x3000;
inline constexpr std::uint16_t kBeeperOn = kBeeperOff | kSwitchOn;

// ---- the test record -----------------------------------------------------------
// Seven data bytes at kTestAddress:
//   0  signalling word bits 15..8
//   1  signalling word bits 7..4 (high nibble), divisor bits 19..16 (low)
//   2  divisor bits 15..8
//   3  divisor bits 7..0
//   4  option flags
//   5  check nibble: the nibbles of byte 1 (low only) to byte 5 add up to a
//      multiple of 16; the high nibble is 0
//   6  auxiliary data
inline constexpr std::uint32_t kTestPayloadSize = 7;
inline constexpr int kTestSignallingHigh = 0;
inline constexpr int kTestSignallingDivisor = 1;
inline constexpr int kTestDivisorMiddle = 2;
inline constexpr int kTestDivisorLow = 3;
inline constexpr int kTestFlags = 4;
inline constexpr int kTestCheck = 5;
inline constexpr int kTestAuxiliary = 6;
inline constexpr unsigned kCheckModulus = 16;

// Option flags, each bit set for the choice named.
inline constexpr std::uint8_t kFlagNormalPower = 0x80; // else "Lowpower"
inline constexpr std::uint8_t kFlagFixed = 0x40;       // always set
inline constexpr std::uint8_t kFlagNotScanGroupA = 0x20;
inline constexpr std::uint8_t kFlagNotScanGroupB = 0x10;
inline constexpr std::uint8_t kFlagCompanderOff = 0x08; // "Disable"
inline constexpr std::uint8_t kFlagWide = 0x04;         // else narrow
inline constexpr std::uint8_t kFlagDtoneOff = 0x02;
inline constexpr std::uint8_t kFlagAniOff = 0x01;

// Signalling word: a CTCSS tone index shifted left 8; a DCS code (its octal
// value, plus kDcsInverted when inverted) shifted left 4 with kDcsFlag set;
// kNoSignallingWord for none. The record carries bits 15..4.
inline constexpr std::uint32_t kNoSignallingWord = 0xFFFFF;
inline constexpr int kToneShift = 8;
inline constexpr std::uint32_t kToneLowBits = 0xFF; // clear in a tone's word
inline constexpr int kDcsShift = 4;
inline constexpr std::uint32_t kDcsFlag = 0x4000;
inline constexpr std::uint32_t kDcsInverted = 0x200;
inline constexpr std::uint32_t kDcsCodeMask = 0x1FF;
inline constexpr std::uint32_t kCarriedSignallingBits = 0xFFF0;
inline constexpr std::uint32_t kNoSignallingCarried = kNoSignallingWord & kCarriedSignallingBits;

// Divisor: the synthesizer's counters N (11 bits, shifted left 7) and A (7
// bits) of the dual-modulus prescaler; kNoDivisor when no frequency is set.
inline constexpr std::uint32_t kNoDivisor = 0xFFFFF;
inline constexpr int kDivisorNShift = 7;
inline constexpr std::uint32_t kDivisorNMask = 0x7FF;
inline constexpr std::uint32_t kDivisorAMask = 0x7F;
// The prescaler's modulus: 128 for the 800 MHz model, 64 for every other.
inline constexpr std::int64_t kPrescaler = 64;
inline constexpr std::int64_t kPrescaler800 = 128;
inline constexpr int kPrescaler800Model = kModel800;
} // namespace RadioCommands
