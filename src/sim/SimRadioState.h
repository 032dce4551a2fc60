// What the simulated radio is doing, as decoded from the commands it took:
// a copy handed out for display and for tests, never written through.
#pragma once

// link
#include "link/RadioCommands.h"

// std
#include <array>
#include <cstdint>
#include <string>

enum class SimSignalling
{
    None,
    Ctcss,
    Dcs,
    Unknown, // a word that names no tone and no known code
};

// One decoded receive or transmit test command.
struct SimTestState
{
    char side = 0;             // 'R' receiving, 'T' transmitting, 0 none taken yet
    bool hasFrequency = false; // false: the divider was kNoDivisor
    bool bandKnown = false;    // the EEPROM names a band, so the divider means a frequency
    std::uint32_t divider = RadioCommands::kNoDivisor; // the 20-bit divider word as received
    double stepKhz = 0.0;        // the reference step of the commanded bandwidth
    double synthesizerMhz = 0.0; // where the oscillator runs
    double frequencyMhz = 0.0;   // on air: the oscillator less or plus the IF on receive
    SimSignalling signalling = SimSignalling::None;
    // bits 15..4 of the word as received
    std::uint32_t signallingWord = RadioCommands::kNoSignallingCarried;
    int ctcssIndex = -1;
    double ctcssHz = 0.0;
    int dcsDigits = -1; // the code in its octal-digit form, 23 for 023
    bool dcsInverted = false;
    bool wide = false;
    bool highPower = false;
    bool compander = false; // each of these four: enabled
    bool dtone = false;
    bool ani = false;
    bool scanGroupA = false; // the channel is in the scan group
    bool scanGroupB = false;
    std::uint8_t auxiliary = 0;
};

struct SimRadioState
{
    static constexpr int kLevelCount = RadioCommands::kLiveLevelCount;
    // The live alignment levels by their offset from the live level base.
    std::array<int, kLevelCount> levels{};
    int lastLevel = -1; // offset of the last level taken, -1 none
    int lastLevelValue = 0;
    bool lastLevelTransmitting = false;
    int adjustmentsStored = 0; // how many store-adjustments records were taken
    SimTestState test;
    bool lamp = false;
    bool beeper = false;
    int commandsTaken = 0;  // well-formed command records
    std::string lastAction; // the last command taken, in words
};
