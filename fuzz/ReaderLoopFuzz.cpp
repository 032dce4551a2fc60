// The port's reader loop on a scripted device: chunks of bytes, quiet lines,
// spurious wake-ups, failed reads and failed discards, in any order. The
// reader must only ever deliver whole lines taken in order from the bytes it
// read, and must tell its owner why it stopped.

// own
#include "FuzzInput.h"
#include "FuzzScratch.h"
#include "ScriptedBackend.h"

// link
#include "link/CommPort.h"
#include "link/LinkSink.h"
#include "link/RadioLink.h"

// std
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace
{
struct Delivered
{
    std::int32_t wParam = 0;
    std::vector<std::uint8_t> bytes;
};

class CCollectingSink : public ILinkSink
{
public:
    void OnLinkMessage(std::int32_t /*message*/, std::int32_t wParam,
                       std::vector<std::uint8_t> bytes) override
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_messages.push_back({wParam, std::move(bytes)});
    }
    std::vector<Delivered> Messages()
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_messages;
    }

private:
    std::mutex m_mutex;
    std::vector<Delivered> m_messages;
};

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "reader loop: %s\n", what);
    std::abort();
}

std::vector<CScriptedBackend::Step> BuildScript(CFuzzInput& input,
                                                std::vector<std::uint8_t>& stream)
{
    std::vector<CScriptedBackend::Step> script;
    while (!input.IsEmpty() && script.size() < 512)
    {
        CScriptedBackend::Step step;
        const std::uint8_t op = input.TakeByte();
        // Most steps carry data, as on a real line.
        switch (op % 8)
        {
        case 0:
            step.kind = CScriptedBackend::StepKind::TimedOut;
            break;
        case 1:
            step.kind = CScriptedBackend::StepKind::Woken;
            break;
        case 2:
            step.kind = op & 0x80 ? CScriptedBackend::StepKind::ReadFails
                                  : CScriptedBackend::StepKind::EmptyRead;
            break;
        case 3:
            step.kind = CScriptedBackend::StepKind::DiscardFails;
            break;
        default:
            step.kind = CScriptedBackend::StepKind::Data;
            step.bytes = input.TakeBytes(static_cast<std::size_t>(input.TakeByte()) + 1);
            if (step.bytes.empty())
            {
                continue; // the input ran out: no step
            }
            stream.insert(stream.end(), step.bytes.begin(), step.bytes.end());
            break;
        }
        script.push_back(std::move(step));
    }
    return script;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)CFuzzScratch::Instance(); // the port lock lives in its folder
    CFuzzInput input(data, size);
    const bool radio = (input.TakeByte() & 1) != 0;
    std::vector<std::uint8_t> stream;
    auto backend = std::make_unique<CScriptedBackend>(BuildScript(input, stream));

    CCollectingSink sink;
    std::unique_ptr<CCommPort> port = radio ? std::make_unique<CRadioLink>(std::move(backend))
                                            : std::make_unique<CCommPort>(std::move(backend));
    const std::uint8_t startByte = radio ? 'S' : 0x02;
    const std::uint8_t endByte = radio ? '\n' : 0x03;
    port->SetNotifyWindow(&sink);
    port->SetNotifyMessage(kLinkMessage);
    port->SetDevicePath("scripted");
    if (!port->Open(0, true))
    {
        return 0; // a discard failure at open: nothing to read
    }

    // The script always ends with the device gone, so the reader ends by itself.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (port->IsReaderRunning())
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            Fail("the reader did not end at the end of its script");
        }
        std::this_thread::yield();
    }
    port->Close();

    const std::vector<Delivered> messages = sink.Messages();
    std::size_t searchFrom = 0;
    for (std::size_t i = 0; i < messages.size(); ++i)
    {
        const Delivered& m = messages[i];
        if (m.wParam < 2)
        {
            if (i + 1 != messages.size())
            {
                Fail("an end-of-reader event was not the last message");
            }
            if (m.wParam != kLinkPortLost && m.wParam != kLinkLockTimeout)
            {
                Fail("the reader delivered an event it has no business sending");
            }
            continue;
        }
        if (static_cast<std::size_t>(m.wParam) != m.bytes.size())
        {
            Fail("a line's length is not its wParam");
        }
        if (m.bytes.size() > static_cast<std::size_t>(CCommPort::kMaxLineLength))
        {
            Fail("a line longer than any record was delivered");
        }
        if (m.bytes.front() != startByte || m.bytes.back() != endByte)
        {
            Fail("a line does not run from the start byte to the end byte");
        }
        if (std::find(m.bytes.begin() + 1, m.bytes.end(), startByte) != m.bytes.end())
        {
            Fail("a line holds a second start byte");
        }
        if (std::find(m.bytes.begin(), m.bytes.end() - 1, endByte) != m.bytes.end() - 1)
        {
            Fail("a line holds an end byte before its end");
        }
        // Each line is a run of the received bytes, after the previous line.
        const auto found = std::search(stream.begin() + static_cast<std::ptrdiff_t>(searchFrom),
                                       stream.end(), m.bytes.begin(), m.bytes.end());
        if (found == stream.end())
        {
            Fail("a line is not a run of the received bytes, in order");
        }
        searchFrom = static_cast<std::size_t>(found - stream.begin()) + m.bytes.size();
    }
    // Whichever way the reader gave up, its owner must learn of it.
    if (messages.empty() || messages.back().wParam >= 2)
    {
        Fail("the reader ended without telling its owner why");
    }
    return 0;
}
