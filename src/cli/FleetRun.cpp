// The fleet's port threads, their presence probe and the journal.

// own
#include "cli/FleetRun.h"
#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"
#include "cli/FleetTexts.h"
#include "cli/PortMessages.h"
#include "cli/RadioSession.h"

// model
#include "model/CloneJournal.h"
#include "model/Sha256.h"

// std
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <system_error>
#include <thread>

namespace
{
// The byte of RAM the presence probe reads: the first the radio lets be read.
constexpr std::uint32_t kProbeAddress = 0x40;
// How long a probe waits for the radio's answer.
constexpr double kProbeTimeout = 1.0;

long long Now()
{
    return static_cast<long long>(std::time(nullptr));
}
} // namespace

struct CFleetRun::Port
{
    std::string strName;
    FleetPortView view;
    CRadioSession* pSession = nullptr; // while its thread runs one
    std::thread thread;
};

CFleetRun::CFleetRun(const CCliOptions& options, const DumpForRadio& plan)
    : m_options(options), m_plan(plan), m_strPlanSha256(CSha256::Of(plan.bytes, kImageSize)),
      m_watch([this] { WakeAll(); })
{
    for (const std::string& name : options.m_ports)
    {
        auto port = std::make_unique<Port>();
        port->strName = name;
        port->view.strPort = name;
        port->view.pPhase = kPhaseOpening;
        m_ports.push_back(std::move(port));
    }
}

CFleetRun::~CFleetRun()
{
    for (auto& port : m_ports)
    {
        if (port->thread.joinable())
        {
            port->thread.join();
        }
    }
}

int CFleetRun::Run(const std::function<void(const std::vector<FleetPortView>&)>& onTick)
{
    const auto views = [this]
    {
        std::vector<FleetPortView> all;
        for (const auto& port : m_ports)
        {
            all.push_back(port->view);
        }
        return all;
    };
    for (std::size_t i = 0; i < m_ports.size(); ++i)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        try
        {
            m_ports[i]->thread = std::thread(&CFleetRun::PortMain, this, i);
            ++m_nRunning;
        }
        catch (const std::system_error&)
        {
            std::fprintf(stderr, kFleetNoThread, m_ports[i]->strName.c_str());
            m_ports[i]->view.bEnded = true;
            m_nWorst = std::max(m_nWorst, static_cast<int>(kExitFile));
        }
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    while (m_nRunning > 0)
    {
        if (onTick)
        {
            const auto all = views();
            lock.unlock();
            onTick(all);
            lock.lock();
        }
        m_changed.wait_for(lock, std::chrono::milliseconds(250));
    }
    const auto all = views();
    lock.unlock();
    for (auto& port : m_ports)
    {
        if (port->thread.joinable())
        {
            port->thread.join();
        }
    }
    if (onTick)
    {
        onTick(all);
    }
    const int signal = m_watch.Signal();
    return signal != 0 ? std::max(m_nWorst, CInterruptWatch::ExitStatus(signal)) : m_nWorst;
}

void CFleetRun::PortMain(std::size_t index)
{
    Port& port = *m_ports[index];
    CCliOptions options = m_options;
    options.m_strPort = port.strName;
    // Each port's line shows its progress; the session draws no bar of its
    // own, and one trace file cannot take several ports' records.
    options.m_nProgress = 0;
    options.m_strTrace.clear();
    CPortMessages messages;
    SessionHooks hooks;
    hooks.pErr = messages.File();
    hooks.pWatch = &m_watch;
    hooks.onProgress = [this, index](int position)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_ports[index]->view.nPercent = position * 100 / CRadioConversation::kProgressRange;
    };
    {
        CRadioSession session(options, hooks);
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            port.pSession = &session;
        }
        const std::size_t mark = messages.Mark();
        const int opened = session.Open();
        if (opened != kExitOk)
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            m_portFailures.emplace_back(port.strName, messages.LastSince(mark));
            port.view.strLastResult = kResultFailedPrefix + messages.LastSince(mark);
            m_nWorst = std::max(m_nWorst, opened);
        }
        else
        {
            for (;;)
            {
                if (m_options.m_bLoop && !WaitFor(index, session, true))
                {
                    break;
                }
                const int status = CloneOne(index, session, messages);
                if (!m_options.m_bLoop || status == kExitPortLost || m_watch.Signal() != 0)
                {
                    break;
                }
                SetPhase(index, kPhaseWaitRemoval);
                if (!WaitFor(index, session, false))
                {
                    break;
                }
            }
        }
        std::lock_guard<std::mutex> guard(m_mutex);
        port.pSession = nullptr;
    }
    std::lock_guard<std::mutex> guard(m_mutex);
    port.view.pPhase = kPhaseEnded;
    port.view.bEnded = true;
    --m_nRunning;
    m_changed.notify_all();
}

int CFleetRun::CloneOne(std::size_t index, CRadioSession& session, CPortMessages& messages)
{
    Port& port = *m_ports[index];
    const long long started = Now();
    const auto clock = std::chrono::steady_clock::now();
    FleetRadio radio;
    radio.strPort = port.strName;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        port.view.strSerial.clear();
        port.view.nPercent = 0;
    }
    const auto onPhase = [this, index, &radio](ClonePhase phase)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        FleetPortView& view = m_ports[index]->view;
        view.nPercent = 0;
        view.strSerial = radio.outcome.strSerialBefore;
        switch (phase)
        {
        case ClonePhase::Reading:
            view.pPhase = kPhaseReading;
            break;
        case ClonePhase::Writing:
            view.pPhase = kPhaseWriting;
            break;
        case ClonePhase::Verifying:
            view.pPhase = kPhaseVerifying;
            break;
        }
        m_changed.notify_all();
    };
    // The messages of this radio alone name its reason.
    const std::size_t mark = messages.Mark();
    const int status = CCloneRun::CloneOnto(m_options, session, m_plan, radio.outcome, onPhase);
    if (status != kExitOk)
    {
        // The reason, not the line after it that says where the original is.
        const std::string kept = kCloneOriginalKept;
        radio.strReason = messages.LastSince(mark, kept.substr(0, kept.find("%s")));
        if (radio.strReason.empty())
        {
            radio.strReason = kResultUnknown;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - clock).count();
    WriteJournal(radio, session.Device(), started, Now(), seconds);
    std::lock_guard<std::mutex> guard(m_mutex);
    port.view.strSerial = radio.outcome.strSerialBefore;
    port.view.strLastResult =
        status == kExitOk ? std::string(kResultVerified) : kResultFailedPrefix + radio.strReason;
    m_radios.push_back(radio);
    m_nWorst = std::max(m_nWorst, status);
    m_changed.notify_all();
    return status;
}

CFleetRun::Probe CFleetRun::ProbeOnce(CRadioSession& session)
{
    if (!session.Conversation().OnRamRead(kProbeAddress, 1))
    {
        return session.Conversation().Link().IsLost() ? Probe::Stop : Probe::Absent;
    }
    const int status = session.RunReceiveWithin(kProbeTimeout);
    if (m_watch.Signal() != 0 || status == kExitPortLost || status == kExitPortBusy)
    {
        return Probe::Stop;
    }
    // A radio that answers with what is not a record is there all the same:
    // its clone fails and names why, and it is waited out like any other.
    return status == kExitOk || status == kExitBadRecord ? Probe::Present : Probe::Absent;
}

bool CFleetRun::WaitFor(std::size_t index, CRadioSession& session, bool present)
{
    if (present)
    {
        SetPhase(index, kPhaseWaitRadio);
    }
    for (;;)
    {
        const auto next =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(kProbeIntervalMs);
        const Probe probe = ProbeOnce(session);
        if (probe == Probe::Stop)
        {
            return false;
        }
        if ((probe == Probe::Present) == present)
        {
            return true;
        }
        while (std::chrono::steady_clock::now() < next)
        {
            if (m_watch.Signal() != 0)
            {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
}

void CFleetRun::SetPhase(std::size_t index, const char* phase)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_ports[index]->view.pPhase = phase;
    m_ports[index]->view.nPercent = 0;
    m_changed.notify_all();
}

void CFleetRun::WriteJournal(const FleetRadio& radio, const std::string& device, long long started,
                             long long ended, double seconds)
{
    if (m_options.m_strJournal.empty())
    {
        return;
    }
    JournalRow row;
    row.strStarted = CCloneJournal::TimeText(started);
    row.strEnded = CCloneJournal::TimeText(ended);
    row.strPort = radio.strPort;
    row.strDevice = device;
    row.strSerialBefore = radio.outcome.strSerialBefore;
    row.strSerialAfter = radio.outcome.strSerialAfter;
    row.strModel = radio.outcome.strSerialBefore.empty() ? std::string() : radio.outcome.strModel;
    row.strPlan = m_plan.path;
    row.strPlanSha256 = m_strPlanSha256;
    row.strResult = radio.outcome.nExit == kExitOk ? std::string(kResultVerified)
                                                   : kResultFailedPrefix + radio.strReason;
    if (radio.outcome.nFirstDifference >= 0)
    {
        char address[24];
        std::snprintf(address, sizeof address, "%04llX",
                      static_cast<long long>(radio.outcome.nFirstDifference));
        row.strFirstDifference = address;
    }
    row.strBackup = radio.outcome.strBackup;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    row.strSeconds = text;
    // One writer at a time keeps the heading the file's first line.
    std::lock_guard<std::mutex> guard(m_mutex);
    errno = 0;
    if (!CCloneJournal::Append(m_options.m_strJournal, row))
    {
        const int error = errno != 0 ? errno : EIO;
        std::fprintf(stderr, kFleetJournalError, m_options.m_strJournal.c_str(),
                     std::strerror(error), radio.strPort.c_str());
        m_nWorst = std::max(m_nWorst, static_cast<int>(kExitFile));
    }
}

void CFleetRun::WakeAll()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    for (const auto& port : m_ports)
    {
        if (port->pSession != nullptr)
        {
            port->pSession->Wake();
        }
    }
}
