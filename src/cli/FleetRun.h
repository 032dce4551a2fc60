// fleet: one plan cloned onto several radios at once, one port a thread,
// each with its own session and link. A port's failure ends only its radio;
// every finished radio gets a journal row before its port goes on. With
// --loop a port waits for its radio to be taken away and the next one to
// answer the presence probe, then clones again, until Ctrl+C.
#pragma once

// own
#include "cli/CliOptions.h"
#include "cli/CloneRun.h"
#include "cli/DownloadSupport.h"
#include "cli/InterruptWatch.h"
#include "cli/PortMessages.h"

// std
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// What one port's line shows.
struct FleetPortView
{
    std::string strPort;
    std::string strSerial;
    const char* pPhase = nullptr;
    int nPercent = 0;
    std::string strLastResult;
    bool bEnded = false;
};

// One radio done: verified or failed, with the reason told.
struct FleetRadio
{
    std::string strPort;
    CloneOutcome outcome;
    std::string strReason; // empty when verified
};

class CFleetRun
{
public:
    CFleetRun(const CCliOptions& options, const DumpForRadio& plan);
    ~CFleetRun();
    CFleetRun(const CFleetRun&) = delete;
    CFleetRun& operator=(const CFleetRun&) = delete;

    // Runs every port until each has ended; onTick is called on this thread
    // a few times a second and once at the end. The worst exit status of
    // every radio and port (the highest).
    [[nodiscard]] int Run(const std::function<void(const std::vector<FleetPortView>&)>& onTick);

    const std::vector<FleetRadio>& Radios() const { return m_radios; }
    // Ports that ended without a radio done, with why (a port that would not
    // open, the reason a --loop port stopped).
    const std::vector<std::pair<std::string, std::string>>& PortFailures() const
    {
        return m_portFailures;
    }

    // The probe asks the radio for one byte of RAM at most this often.
    static constexpr int kProbeIntervalMs = 1000;

private:
    enum class Probe
    {
        Present,
        Absent,
        Stop,
    };
    struct Port;

    void PortMain(std::size_t index);
    int CloneOne(std::size_t index, CRadioSession& session, CPortMessages& messages);
    Probe ProbeOnce(CRadioSession& session);
    // Waits until the probe says present (or absent); false when the run is
    // to end (Ctrl+C, the port lost).
    bool WaitFor(std::size_t index, CRadioSession& session, bool present);
    void SetPhase(std::size_t index, const char* phase);
    void Note(int status);
    void WriteJournal(const FleetRadio& radio, const std::string& device, long long started,
                      long long ended, double seconds);
    void WakeAll();

    const CCliOptions& m_options;
    const DumpForRadio& m_plan;
    std::string m_strPlanSha256;
    std::vector<std::unique_ptr<Port>> m_ports;

    std::mutex m_mutex; // everything below
    std::condition_variable m_changed;
    std::vector<FleetRadio> m_radios;
    std::vector<std::pair<std::string, std::string>> m_portFailures;
    int m_nWorst = 0;
    int m_nRunning = 0;

    // Made before any port thread, so that each starts with the signals
    // blocked; one watch for every session.
    CInterruptWatch m_watch;
};
