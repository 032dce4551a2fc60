// Raw bytes from the radio through the link's line assembly into the Radio
// Comm conversation, in an upload or a RAM read, with quiet pauses, timers
// and port events in between. Besides the sanitizers, a shadow copy checks
// that the conversation stores exactly the records it accepted, each one
// following on from the last.

// own
#include "FuzzInput.h"
#include "FuzzScratch.h"

// link
#include "link/LinkQueue.h"
#include "link/RadioConversation.h"
#include "link/RadioLink.h"
#include "link/Record.h"

// std
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace
{
[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "serial lines: %s\n", what);
    std::abort();
}

// The radio's end of a pseudo-terminal: the conversation's requests are
// written to its other end and thrown away here.
class CRadioEnd
{
public:
    CRadioEnd()
    {
        m_nMaster = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        char name[128];
        if (m_nMaster < 0 || ::grantpt(m_nMaster) != 0 || ::unlockpt(m_nMaster) != 0 ||
            ::ptsname_r(m_nMaster, name, sizeof name) != 0)
        {
            Fail("no pseudo-terminal");
        }
        m_strSlave = name;
        termios settings{};
        ::tcgetattr(m_nMaster, &settings);
        ::cfmakeraw(&settings);
        ::tcsetattr(m_nMaster, TCSANOW, &settings);
    }
    const std::string& SlavePath() const { return m_strSlave; }
    void Drain() const
    {
        char buffer[4096];
        while (::read(m_nMaster, buffer, sizeof buffer) > 0)
        {
        }
    }

private:
    int m_nMaster = -1;
    std::string m_strSlave;
};

class CRecordingTimers : public ILinkTimerHost
{
public:
    void SetTimer(int id, int milliseconds) override { m_running[id] = milliseconds; }
    void KillTimer(int id) override { m_running.erase(id); }
    bool IsRunning(int id) const { return m_running.count(id) != 0; }

private:
    std::map<int, int> m_running;
};

// The link's own line assembly, fed byte by byte as its reader would feed it.
class CLineAssembler : public CRadioLink
{
public:
    void Feed(const std::vector<std::uint8_t>& bytes)
    {
        for (const std::uint8_t byte : bytes)
        {
            if (!OnReceiveByte(byte))
            {
                DropPartialLine();
            }
        }
    }
    // What the reader does with a refused byte or a line that went quiet.
    void DropPartialLine() { (void)Purge(false); }
};

class CDirectSink : public ILinkSink
{
public:
    explicit CDirectSink(std::vector<std::vector<std::uint8_t>>& lines) : m_lines(lines) {}
    void OnLinkMessage(std::int32_t /*message*/, std::int32_t wParam,
                       std::vector<std::uint8_t> bytes) override
    {
        if (static_cast<std::size_t>(wParam) != bytes.size())
        {
            Fail("a line's length is not its wParam");
        }
        m_lines.push_back(std::move(bytes));
    }

private:
    std::vector<std::vector<std::uint8_t>>& m_lines;
};

struct Shadow
{
    std::vector<std::uint8_t> buffer;
    std::uint32_t next = 0;
};

void Apply(Shadow& shadow, const std::vector<std::uint8_t>& line)
{
    DecodedRecord record;
    if (!CRecord::Decode(line.data(), line.size(), record))
    {
        Fail("an accepted line is no record");
    }
    if (record.address != shadow.next)
    {
        Fail("an accepted record does not follow on from the last one");
    }
    for (std::uint32_t i = 0; i < record.dataCount; ++i)
    {
        if (record.address + i < shadow.buffer.size())
        {
            shadow.buffer[record.address + i] = record.data[i];
        }
    }
    shadow.next = record.address + record.dataCount;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)CFuzzScratch::Instance();
    static CRadioEnd radio;
    CFuzzInput input(data, size);

    CPlainAppState app;
    CRecordingTimers timers;
    CLinkQueue queue;
    int events = 0;
    CRadioConversation conversation(app, timers, [&events](ConversationEvent, int) { ++events; });
    conversation.SetSink(&queue);
    conversation.SetDevicePath(radio.SlavePath());
    // The port without its reader: the bytes come through the assembler below.
    if (!conversation.Link().Open(0, false))
    {
        Fail("the pseudo-terminal does not open");
    }

    const std::uint8_t header = input.TakeByte();
    app.m_nChannelMode = header >> 7;
    const bool upload = (header & 1) == 0;
    Shadow shadow;
    if (upload)
    {
        shadow.buffer.assign(CRadioConversation::kUploadSize, 0xFF);
        if (!conversation.OnUpload())
        {
            Fail("the upload request was not sent");
        }
    }
    else
    {
        const std::uint32_t address = input.TakeWord();
        const std::uint32_t count = input.TakeByte();
        shadow.buffer.assign(CRadioConversation::kRamSize, 0);
        shadow.next = address;
        if (!conversation.OnRamRead(address, count))
        {
            Fail("the RAM read request was not sent");
        }
    }
    radio.Drain();

    std::vector<std::vector<std::uint8_t>> lines;
    CDirectSink sink(lines);
    CLineAssembler assembler;
    assembler.SetNotifyWindow(&sink);
    assembler.SetNotifyMessage(kLinkMessage);

    while (!input.IsEmpty())
    {
        const std::uint8_t op = input.TakeByte();
        switch (op % 8)
        {
        case 0:
            assembler.DropPartialLine();
            break;
        case 1:
        {
            const int id = input.TakeByte() % 7 + 1;
            if (timers.IsRunning(id))
            {
                conversation.OnTimer(id);
            }
            break;
        }
        case 2:
        {
            static const std::int32_t kEvents[] = {kLinkStep, kLinkEnd, kLinkLockTimeout,
                                                   kLinkPortLost};
            conversation.OnLinkMessage(kEvents[input.TakeByte() % 4], {input.TakeByte()});
            break;
        }
        default:
            assembler.Feed(input.TakeBytes(static_cast<std::size_t>(input.TakeByte()) + 1));
            break;
        }
        for (const auto& line : lines)
        {
            const ConversationMode before = conversation.Mode();
            const int progress = conversation.ProgressCount();
            conversation.OnLinkMessage(static_cast<std::int32_t>(line.size()), line);
            if (before == ConversationMode::Upload && conversation.ProgressCount() != progress)
            {
                Apply(shadow, line);
            }
            else if (before == ConversationMode::RamRead &&
                     conversation.Mode() == ConversationMode::RamRead)
            {
                Apply(shadow, line);
            }
        }
        lines.clear();
        // A timer may have reopened the port with a reader; what it read is
        // the conversation's, on this thread.
        LinkMessage message;
        while (queue.Wait(0, message))
        {
            conversation.OnLinkMessage(message.wParam, message.bytes);
        }
        radio.Drain();
    }

    const std::uint8_t* kept = upload ? conversation.UploadBuffer() : conversation.RamBuffer();
    if (std::memcmp(kept, shadow.buffer.data(), shadow.buffer.size()) != 0)
    {
        Fail("the buffer differs from the records that were accepted");
    }
    // A radio sends at least the first 120 channels (up to 0x0E08); one whose
    // records reach the 320-channel area sends the whole EEPROM.
    const bool whole =
        shadow.next >= 0x0E08 && (shadow.next < CRadioLink::kFullRadioEnd || shadow.next >= 0x2000);
    if (upload && conversation.IsUploaded() && !whole)
    {
        Fail("an upload was taken as whole without the image its capacity calls for");
    }
    return 0;
}
