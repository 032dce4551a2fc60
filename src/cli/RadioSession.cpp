// Radio conversation driver for the command line.

// own
#include "cli/RadioSession.h"
#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"
#include "cli/FileReasons.h"

// link
#include "link/LinkTexts.h"
#include "link/PortDiagnosis.h"
#include "link/PortMap.h"
#include "link/ProfileFile.h"

// std
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace
{
bool ProgressWanted(int option)
{
    return option == 1 || (option == -1 && ::isatty(STDERR_FILENO) == 1);
}

// Not a link message: wakes the wait when a signal came.
constexpr std::int32_t kWakeMessage = kLinkMessage + 1;
} // namespace

CRadioSession::CRadioSession(const CCliOptions& options, SessionHooks hooks)
    : m_options(options), m_hooks(std::move(hooks)),
      m_progress(ProgressWanted(options.m_nProgress), CRadioConversation::kProgressRange,
                 m_hooks.pErr),
      m_conversation(m_app, m_timers,
                     [this](ConversationEvent event, int value) { OnEvent(event, value); })
{
    if (m_hooks.pWatch == nullptr)
    {
        m_watch.emplace([this] { Wake(); });
    }
    m_conversation.SetSink(&m_queue);
    m_conversation.SetTimings(CRadioConversation::kMessageDelayMs,
                              static_cast<int>(options.m_dSilence * 1000));
}

int CRadioSession::Open()
{
    if (!m_options.m_strTrace.empty())
    {
        errno = 0;
        if (!m_trace.Open(m_options.m_strTrace))
        {
            const int error = errno;
            std::fprintf(m_hooks.pErr, kTraceOpenError, m_options.m_strTrace.c_str(),
                         FileReason(m_options.m_strTrace, error).c_str());
            return kExitFile;
        }
        m_conversation.Link().SetTrace(&m_trace);
    }
    CPortMap map;
    map.Load(CProfileFile("Comport.ini"));
    if (!map.Resolve(m_options.m_strPort, m_strDevice))
    {
        char reason[256];
        std::snprintf(reason, sizeof reason, kBadPortName, m_options.m_strPort.c_str());
        std::fprintf(m_hooks.pErr, kBadCommandLine, reason);
        return kExitUsage;
    }
    m_conversation.SetDevicePath(m_strDevice);
    if (m_conversation.OnPortChanged())
    {
        return kExitOk;
    }

    const char* name = m_options.m_strPort.c_str();
    const char* device = m_strDevice.c_str();
    const PortError error = m_conversation.Link().LastError();
    // Why, where the system tells, after the error line.
    const auto explain = [this]
    {
        const std::string why = CPortDiagnosis::Text(CPortDiagnosis().Diagnose(m_strDevice));
        if (!why.empty())
        {
            std::fprintf(m_hooks.pErr, kDiagnosisLine, why.c_str());
        }
    };
    switch (error)
    {
    case PortError::Missing:
        std::fprintf(m_hooks.pErr, kNoSuchPort, name, device);
        explain();
        return kExitNoPort;
    case PortError::InUse:
        std::fprintf(m_hooks.pErr, kPortBusy, name, device);
        explain();
        return kExitPortBusy;
    case PortError::Denied:
        std::fprintf(m_hooks.pErr, kPortDenied, device);
        explain();
        return kExitPortDenied;
    case PortError::NotSerial:
        std::fprintf(m_hooks.pErr, kNotSerial, device);
        return kExitNoPort;
    case PortError::LockTimeout:
        std::fprintf(m_hooks.pErr, kLockBusy, kLockTimeoutText);
        return kExitPortBusy;
    default:
        std::fprintf(m_hooks.pErr, kPortFailed, name, device);
        return kExitNoPort;
    }
}

int CRadioSession::RunReceive()
{
    return Run(true, m_options.m_dTimeout);
}

int CRadioSession::RunReceiveWithin(double seconds)
{
    return Run(true, seconds);
}

int CRadioSession::RunDownload()
{
    return Run(false, m_options.m_dTimeout);
}

void CRadioSession::Wake()
{
    m_queue.OnLinkMessage(kWakeMessage, 0, {});
}

int CRadioSession::Signal() const
{
    return m_hooks.pWatch != nullptr ? m_hooks.pWatch->Signal() : (m_watch ? m_watch->Signal() : 0);
}

int CRadioSession::Run(bool awaitAnswer, double timeout)
{
    using Clock = std::chrono::steady_clock;
    // The --timeout runs from when the request can have reached the radio:
    // a device that buffers faster than the line may still hold a download.
    const auto deadline = std::max(Clock::now(), m_conversation.Link().LineClearAt()) +
                          std::chrono::milliseconds(static_cast<long long>(timeout * 1000));
    bool answered = false;
    m_bDone = false;
    m_nExit = kExitOk;
    if (awaitAnswer)
    {
        // A watchdog left running by an earlier transfer on this session must
        // not cut short the wait for the first answer: --timeout rules until
        // a line comes, and each line restarts the watchdog.
        m_timers.KillTimer(CRadioConversation::kTimerWatchdog);
    }
    while (!m_bDone)
    {
        if (Signal() != 0)
        {
            OnInterrupt();
            break;
        }
        int wait = m_timers.MillisecondsToNext();
        if (awaitAnswer && !answered)
        {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            const int untilDeadline = std::max(0, static_cast<int>(left.count()) + 1);
            wait = wait < 0 ? untilDeadline : std::min(wait, untilDeadline);
        }
        // Without a timer or deadline only a link message can end the wait;
        // every path of the link posts one (a download always ends, a lost
        // port is reported), so the wait is bounded in practice.
        LinkMessage message;
        if (m_queue.Wait(wait, message) && message.message == kLinkMessage)
        {
            answered = answered || message.wParam >= 2;
            m_conversation.OnLinkMessage(message.wParam, message.bytes);
        }
        for (const int id : m_timers.TakeDue())
        {
            if (!m_bDone)
            {
                m_conversation.OnTimer(id);
            }
        }
        if (!m_bDone && awaitAnswer && !answered && Clock::now() >= deadline)
        {
            m_progress.Finish();
            if (m_conversation.HeardSinceRequest())
            {
                std::fprintf(m_hooks.pErr, kUnreadableAnswer, kNoValidRecordText,
                             m_options.m_strPort.c_str(), timeout);
                m_nExit = kExitBadRecord;
            }
            else
            {
                std::fprintf(m_hooks.pErr, kNoAnswer, m_options.m_strPort.c_str(), timeout);
                m_nExit = kExitNoAnswer;
            }
            m_bDone = true;
        }
    }
    return m_nExit;
}

int CRadioSession::Interrupted() const
{
    const int signal = Signal();
    return signal == 0 ? kExitOk : CInterruptWatch::ExitStatus(signal);
}

void CRadioSession::OnInterrupt()
{
    const bool downloading = m_conversation.Mode() == ConversationMode::Download;
    // As the form's Cancel: a download stops after its current record and
    // still sends "S9", so the radio leaves its programming mode.
    // OnCancel waits for the download's worker, so whether "S9" went out is
    // known here.
    m_conversation.OnCancel();
    if (!downloading)
    {
        Finish(Interrupted(), kInterrupted);
        return;
    }
    const CRadioLink& link = m_conversation.Link();
    if (link.DownloadEndSent())
    {
        Finish(Interrupted(), kInterruptedDownload);
        return;
    }
    m_progress.Finish();
    std::fprintf(m_hooks.pErr, kInterruptedDownloadNoEnd, link.DownloadReached());
    Finish(Interrupted(), nullptr);
}

void CRadioSession::OnUploadError(UploadFault fault)
{
    switch (fault)
    {
    case UploadFault::EarlyEnd:
    {
        const std::uint32_t end = m_conversation.ReceivedEnd();
        m_progress.Finish();
        std::fprintf(m_hooks.pErr, kEarlyEnd, end, CRadioConversation::RequiredUploadEnd(end));
        Finish(kExitBadRecord, nullptr);
        break;
    }
    case UploadFault::NotSent:
        Finish(m_conversation.Link().IsLost() ? kExitPortLost : kExitWriteFailed, kRequestNotSent);
        break;
    case UploadFault::PortLost: // told when the port was lost
        Finish(kExitPortLost, nullptr);
        break;
    default:
        Finish(kExitBadRecord, kBadRecord);
        break;
    }
}

void CRadioSession::Finish(int exitCode, const char* message)
{
    if (m_bDone)
    {
        return;
    }
    m_progress.Finish();
    if (message != nullptr)
    {
        std::fputs(message, m_hooks.pErr);
    }
    m_nExit = exitCode;
    m_bDone = true;
}

void CRadioSession::OnEvent(ConversationEvent event, int value)
{
    switch (event)
    {
    case ConversationEvent::Progress:
        m_progress.Show(value);
        if (m_hooks.onProgress)
        {
            m_hooks.onProgress(value);
        }
        break;
    case ConversationEvent::ProgressClosed:
        break;
    case ConversationEvent::UploadComplete:
    case ConversationEvent::RamReadComplete:
    case ConversationEvent::DownloadComplete:
        Finish(kExitOk, nullptr);
        break;
    case ConversationEvent::UploadError:
        OnUploadError(static_cast<UploadFault>(value));
        break;
    case ConversationEvent::RamReadError:
        Finish(kExitBadRecord, kRamReadFailed);
        break;
    case ConversationEvent::DownloadError:
        if (!m_conversation.Link().IsLost())
        {
            m_progress.Finish();
            std::fprintf(m_hooks.pErr, kWriteStopped, m_conversation.Link().DownloadReached());
            Finish(kExitWriteFailed, nullptr);
        }
        else if (!m_bDone)
        {
            m_progress.Finish();
            std::fprintf(m_hooks.pErr, kPortLost, m_strDevice.c_str());
            Finish(kExitPortLost, nullptr);
        }
        break;
    case ConversationEvent::WatchdogReset:
        if (value == static_cast<int>(ConversationMode::Upload) ||
            value == static_cast<int>(ConversationMode::RamRead))
        {
            Finish(kExitSilence, kSilence);
        }
        break;
    case ConversationEvent::LockTimeout:
        if (!m_bDone)
        {
            std::fprintf(m_hooks.pErr, kLockBusy, kLockTimeoutText);
        }
        Finish(kExitPortBusy, nullptr);
        break;
    case ConversationEvent::PortLost:
        if (!m_bDone)
        {
            m_progress.Finish();
            std::fprintf(m_hooks.pErr, kPortLost, m_strDevice.c_str());
        }
        Finish(kExitPortLost, nullptr);
        break;
    case ConversationEvent::UploadCancelled:
        break;
    }
}
