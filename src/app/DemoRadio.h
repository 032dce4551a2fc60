// The simulated radio that "vesk4 --demo" runs inside the program: a 320-channel
// radio with a sample configuration, answering on a pseudo-terminal from its own
// thread, with the ports pointed at it.
#pragma once

// sim
#include "sim/SimPort.h"
#include "sim/SimRadio.h"

// std
#include <cstdint>
#include <string>

class CVesk4App;

class CDemoRadio
{
public:
    // Fast enough that a whole transfer takes seconds, slow enough to watch
    // the progress bar move.
    static constexpr std::uint32_t kDemoBaud = 38400;
    static constexpr char kOption[] = "--demo";

    CDemoRadio();
    ~CDemoRadio();
    CDemoRadio(const CDemoRadio&) = delete;
    CDemoRadio& operator=(const CDemoRadio&) = delete;

    // True when the command line asks for the demonstration.
    static bool IsRequested(int argc, char** argv);

    // Loads the sample configuration into the simulated radio and starts
    // answering; baud 0 answers as fast as the pseudo-terminal allows.
    [[nodiscard]] bool Start(std::uint32_t baud = kDemoBaud);
    // Points COM1 (and COM2) at the simulated radio, and lets the forms ask
    // the application what it is doing.
    void Attach(CVesk4App& app) const;

    // What the radio is doing now, in one line for the live forms' port line:
    // its receive or transmit state, lamp, beeper and the last level taken.
    std::string StateText() const;

    const std::string& DevicePath() const { return m_port.DevicePath(); }
    CSimRadio& Radio() { return m_radio; }

private:
    CSimRadio m_radio;
    CSimPort m_port;
};
