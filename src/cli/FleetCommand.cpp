// fleet: the command line around CFleetRun. A line a port while it runs, on
// standard error: redrawn in place on a terminal, else a plain line each time
// what it says changes; then one summary line a radio on standard output.

// own
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
#include "cli/ExitCodes.h"
#include "cli/FleetRun.h"
#include "cli/FleetTexts.h"

// model
#include "model/FleetStatusLine.h"

// std
#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
std::string LineOf(const FleetPortView& view, bool withPercent)
{
    char text[512];
    const char* serial = view.strSerial.empty() ? kFleetNoSerial : view.strSerial.c_str();
    const char* phase = view.pPhase != nullptr ? view.pPhase : "";
    if (withPercent)
    {
        std::snprintf(text, sizeof text, kFleetLine, view.strPort.c_str(), serial, phase,
                      view.nPercent, view.strLastResult.c_str());
    }
    else
    {
        std::snprintf(text, sizeof text, kFleetPlainLine, view.strPort.c_str(), serial, phase,
                      view.strLastResult.c_str());
    }
    return text;
}

// Draws the ports' lines on standard error.
class CLiveLines
{
public:
    CLiveLines(int progress, bool statusLines)
        : m_bTerminal(::isatty(STDERR_FILENO) == 1), m_bShown(progress != 0 || statusLines),
          m_bStatusLines(statusLines)
    {
    }

    void Show(const std::vector<FleetPortView>& views)
    {
        if (!m_bShown)
        {
            return;
        }
        if (m_bStatusLines)
        {
            ShowStatus(views);
        }
        else if (m_bTerminal)
        {
            if (m_nDrawn > 0)
            {
                std::fprintf(stderr, "\x1b[%dA", m_nDrawn);
            }
            for (const FleetPortView& view : views)
            {
                std::fprintf(stderr, "\r\x1b[2K%s\n", LineOf(view, true).c_str());
            }
            m_nDrawn = static_cast<int>(views.size());
        }
        else
        {
            m_last.resize(views.size());
            for (std::size_t i = 0; i < views.size(); ++i)
            {
                const std::string line = LineOf(views[i], false);
                if (line != m_last[i])
                {
                    std::fprintf(stderr, "%s\n", line.c_str());
                    m_last[i] = line;
                }
            }
        }
        std::fflush(stderr);
    }

private:
    // What changed, percent included, for the program that reads them.
    void ShowStatus(const std::vector<FleetPortView>& views)
    {
        m_last.resize(views.size());
        for (std::size_t i = 0; i < views.size(); ++i)
        {
            FleetStatus status;
            status.strPort = views[i].strPort;
            status.strPhase = views[i].pPhase != nullptr ? views[i].pPhase : "";
            status.nPercent = views[i].nPercent;
            status.strSerial = views[i].strSerial;
            status.strResult = views[i].strLastResult;
            const std::string line = CFleetStatusLine::Format(status);
            if (line != m_last[i])
            {
                std::fprintf(stderr, "%s\n", line.c_str());
                m_last[i] = line;
            }
        }
    }

    bool m_bTerminal;
    bool m_bShown;
    bool m_bStatusLines;
    int m_nDrawn = 0;
    std::vector<std::string> m_last;
};
} // namespace

int RunFleet(const CCliOptions& options)
{
    if (options.m_ports.empty())
    {
        return UsageError("%s", kFleetNeedPorts);
    }
    for (std::size_t i = 0; i < options.m_ports.size(); ++i)
    {
        const auto& ports = options.m_ports;
        if (std::find(ports.begin() + static_cast<long>(i) + 1, ports.end(), ports[i]) !=
            ports.end())
        {
            return UsageError(kFleetSamePort, ports[i]);
        }
    }
    DumpForRadio plan;
    if (const int status = LoadDumpForRadio(options, plan); status != kExitOk)
    {
        return status;
    }
    // Checked once for every radio: a plan that one clone would refuse is
    // refused before any radio is touched.
    if (const int status = CheckOrRefuse(options, plan.image, plan.channels, plan.path);
        status != kExitOk)
    {
        return status;
    }
    CLiveLines lines(options.m_nProgress, options.m_bStatusLines);
    CFleetRun run(options, plan);
    const int status =
        run.Run([&lines](const std::vector<FleetPortView>& views) { lines.Show(views); });

    int verified = 0;
    for (const FleetRadio& radio : run.Radios())
    {
        const bool ok = radio.outcome.nExit == kExitOk;
        verified += ok ? 1 : 0;
        // The reason is a whole message; its full stop would clash with the
        // backup part that follows it on the line.
        std::string reason = radio.strReason;
        if (!radio.outcome.strBackup.empty() && !reason.empty() && reason.back() == '.')
        {
            reason.pop_back();
        }
        const std::string result =
            ok ? std::string(kResultVerified) : std::string(kResultFailedPrefix) + reason;
        const std::string& serial = radio.outcome.strSerialBefore;
        std::printf(kFleetRadioLine, radio.strPort.c_str(),
                    serial.empty() ? kFleetNoSerial : serial.c_str(), result.c_str(),
                    radio.outcome.strBackup.empty() ? "" : kFleetBackupPart,
                    radio.outcome.strBackup.c_str());
    }
    for (const auto& [port, reason] : run.PortFailures())
    {
        std::printf(kFleetPortFailed, port.c_str(), reason.c_str());
    }
    const int radios = static_cast<int>(run.Radios().size());
    std::printf(kFleetSummary, radios, verified, radios - verified);
    return status;
}
