// One radio conversation of vesk4-cli: opens the port, runs the link's
// messages and the conversation's timers on the main thread until the
// operation ends, and turns the outcome into an exit status and a message.
#pragma once

// own
#include "cli/CliOptions.h"
#include "cli/InterruptWatch.h"
#include "cli/ProgressBar.h"
#include "cli/TraceFile.h"

// link
#include "link/LinkQueue.h"
#include "link/PolledTimers.h"
#include "link/RadioConversation.h"

// model
#include "model/AppState.h"

// std
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

// What a session of several running at once needs: its messages kept apart,
// one watch of Ctrl+C for all of them, and its progress told.
struct SessionHooks
{
    std::FILE* pErr = stderr;
    // Shared by every session of the program; none: the session keeps its own.
    const CInterruptWatch* pWatch = nullptr;
    // Called on the session's thread with each position of a transfer.
    std::function<void(int position)> onProgress;
};

class CRadioSession
{
public:
    explicit CRadioSession(const CCliOptions& options, SessionHooks hooks = {});

    // Starts the --trace file, resolves --port and opens it; an exit status
    // other than kExitOk (the message has been shown) when that fails.
    [[nodiscard]] int Open();

    // Waits for the end of an upload, a verify upload or a RAM read; the
    // radio must start answering within the --timeout.
    [[nodiscard]] int RunReceive();
    // Waits for the end of a download. Either wait may follow another on the
    // same session.
    [[nodiscard]] int RunDownload();
    // RunReceive with its own time for the first answer.
    [[nodiscard]] int RunReceiveWithin(double seconds);

    // Wakes the session's wait from another thread, so that a signal seen by
    // a shared watch is acted on at once.
    void Wake();
    // Where the session's messages go.
    std::FILE* Err() const { return m_hooks.pErr; }

    // The exit status for Ctrl+C or SIGTERM once one came (the conversation
    // has then been cancelled), else kExitOk.
    int Interrupted() const;

    CRadioConversation& Conversation() { return m_conversation; }
    // The device --port led to, once Open resolved it.
    const std::string& Device() const { return m_strDevice; }
    CPlainAppState& App() { return m_app; }

private:
    [[nodiscard]] int Run(bool awaitAnswer, double timeout);
    int Signal() const;
    void OnEvent(ConversationEvent event, int value);
    void Finish(int exitCode, const char* message);
    void OnInterrupt();
    void OnUploadError(UploadFault fault);

    const CCliOptions& m_options;
    SessionHooks m_hooks;
    std::string m_strDevice;
    CPlainAppState m_app;
    CPolledTimers m_timers;
    CLinkQueue m_queue;
    // Before the conversation: the link's threads must start with the
    // signals already blocked.
    std::optional<CInterruptWatch> m_watch;
    CProgressBar m_progress;
    // Before the conversation: the link's threads write to it until they end.
    CTraceFile m_trace;
    bool m_bDone = false;
    int m_nExit = 0;
    // Declared last: the link's threads end before the queue they post to.
    CRadioConversation m_conversation;
};
