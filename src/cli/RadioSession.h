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
#include <string>

class CRadioSession
{
public:
    explicit CRadioSession(const CCliOptions& options);

    // Starts the --trace file, resolves --port and opens it; an exit status
    // other than kExitOk (the message has been shown) when that fails.
    [[nodiscard]] int Open();

    // Waits for the end of an upload, a verify upload or a RAM read; the
    // radio must start answering within the --timeout.
    [[nodiscard]] int RunReceive();
    // Waits for the end of a download. Either wait may follow another on the
    // same session.
    [[nodiscard]] int RunDownload();

    // The exit status for Ctrl+C or SIGTERM once one came (the conversation
    // has then been cancelled), else kExitOk.
    int Interrupted() const;

    CRadioConversation& Conversation() { return m_conversation; }
    CPlainAppState& App() { return m_app; }

private:
    [[nodiscard]] int Run(bool awaitAnswer);
    void OnEvent(ConversationEvent event, int value);
    void Finish(int exitCode, const char* message);
    void OnInterrupt();
    void OnUploadError(UploadFault fault);

    const CCliOptions& m_options;
    std::string m_strDevice;
    CPlainAppState m_app;
    CPolledTimers m_timers;
    CLinkQueue m_queue;
    // Before the conversation: the link's threads must start with the
    // signals already blocked.
    CInterruptWatch m_watch;
    CProgressBar m_progress;
    // Before the conversation: the link's threads write to it until they end.
    CTraceFile m_trace;
    bool m_bDone = false;
    int m_nExit = 0;
    // Declared last: the link's threads end before the queue they post to.
    CRadioConversation m_conversation;
};
