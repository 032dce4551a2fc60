// The Radio Comm conversation driven as a form would drive it: link messages
// handed in, timers fired by hand, events recorded.

// own
#include "LinkTestSupport.h"

// link
#include "link/PolledTimers.h"
#include "link/RadioConversation.h"
#include "link/Record.h"

// model
#include "model/RadioImage.h"

// std
#include <map>
#include <set>

namespace
{
class RecordingTimers : public ILinkTimerHost
{
public:
    void SetTimer(int id, int milliseconds) override { m_running[id] = milliseconds; }
    void KillTimer(int id) override { m_running.erase(id); }
    bool IsRunning(int id) const { return m_running.count(id) != 0; }
    std::map<int, int> m_running;
};

class ConversationTest : public ::testing::Test
{
protected:
    ConversationTest()
        : m_conversation(m_app, m_timers,
                         [this](ConversationEvent event, int value)
                         { m_events.emplace_back(event, value); })
    {
        m_conversation.SetSink(&m_queue);
    }

    void Line(const std::string& text)
    {
        m_conversation.OnLinkMessage(static_cast<std::int32_t>(text.size()),
                                     std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    void Records(const std::vector<std::uint8_t>& image, std::uint32_t end)
    {
        for (std::uint32_t a = 0; a < end; a += 8)
        {
            Line(CRecord::Compose("S1", static_cast<std::uint16_t>(a), &image[a], 8));
        }
    }
    // Fires a timer the way the owner's timer host would.
    void Fire(int id)
    {
        ASSERT_TRUE(m_timers.IsRunning(id)) << "timer " << id << " is not running";
        m_conversation.OnTimer(id);
    }
    bool Saw(ConversationEvent event) const
    {
        for (const auto& e : m_events)
        {
            if (e.first == event)
            {
                return true;
            }
        }
        return false;
    }

    CPlainAppState m_app;
    RecordingTimers m_timers;
    CLinkQueue m_queue;
    std::vector<std::pair<ConversationEvent, int>> m_events;
    CRadioConversation m_conversation;
};

std::vector<std::uint8_t> Pattern()
{
    std::vector<std::uint8_t> image(8192);
    for (std::size_t i = 0; i < image.size(); ++i)
    {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

class UploadTest : public ConversationTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_pty.IsValid());
        m_conversation.SetDevicePath(m_pty.SlavePath());
        ASSERT_TRUE(m_conversation.OnPortChanged());
        ASSERT_TRUE(m_conversation.OnUpload());
        EXPECT_EQ(m_pty.Receive(12), "M3030000FC\r\n");
    }
    CPtyPair m_pty;
};

TEST_F(UploadTest, FullUploadFillsTheBufferWithProgressAndCompletes)
{
    const auto image = Pattern();
    Records(image, 8192);
    EXPECT_EQ(m_conversation.ProgressCount(), 1024);
    int positions = 0;
    for (const auto& e : m_events)
    {
        positions += e.first == ConversationEvent::Progress ? 1 : 0;
    }
    EXPECT_EQ(positions, 64);
    EXPECT_EQ(m_events.back(), std::make_pair(ConversationEvent::Progress, 64));
    Line("S9030000FC\r\n");
    EXPECT_TRUE(m_conversation.IsUploaded());
    EXPECT_EQ(m_conversation.Mode(), ConversationMode::Idle);
    EXPECT_TRUE(Saw(ConversationEvent::ProgressClosed));
    EXPECT_EQ(std::vector<std::uint8_t>(m_conversation.UploadBuffer(),
                                        m_conversation.UploadBuffer() + 8192),
              image);
    EXPECT_EQ(m_app.m_nChannelMode, 1);
    EXPECT_EQ(m_app.m_nChannelCode, 2);
    EXPECT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerWatchdog));
    Fire(CRadioConversation::kTimerUploadDone);
    EXPECT_EQ(m_events.back().first, ConversationEvent::UploadComplete);
    EXPECT_FALSE(m_timers.IsRunning(CRadioConversation::kTimerUploadDone));
}

TEST_F(UploadTest, UploadFromA120ChannelRadioResetsTheUpperChannelsOnCopy)
{
    auto image = Pattern();
    Records(image, CRadioConversation::kEnd120Channels);
    Line("S9030000FC\r\n");
    EXPECT_EQ(m_app.m_nChannelMode, 0);
    EXPECT_EQ(m_app.m_nChannelCode, 1);

    CRadioImage shared;
    CRadioImage fresh;
    ASSERT_TRUE(m_conversation.StoreUploadTo(shared));
    std::vector<std::uint8_t> bytes(8192);
    std::vector<std::uint8_t> defaults(8192);
    ASSERT_TRUE(shared.ReadBlock(bytes.data(), 0, 8192));
    ASSERT_TRUE(fresh.ReadBlock(defaults.data(), 0, 8192));
    // Channels 120..319 are at their defaults except their check bytes, which
    // the reset leaves alone.
    for (std::uint32_t channel = 120; channel < 320; ++channel)
    {
        const std::uint32_t at = 0x340 + channel * 23;
        EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + at, bytes.begin() + at + 9),
                  std::vector<std::uint8_t>(defaults.begin() + at, defaults.begin() + at + 9))
            << channel;
    }
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 0x30, bytes.begin() + 0x0E08),
              std::vector<std::uint8_t>(image.begin() + 0x30, image.begin() + 0x0E08));
}

struct EndCase
{
    const char* name;
    std::uint32_t end; // where the last "S1" record ends
    bool whole;
    std::int32_t mode; // the channel mode a whole copy sets
};

class UploadEndTest : public UploadTest, public ::testing::WithParamInterface<EndCase>
{
};

// The last end tells the radio's capacity, and the capacity how much of the
// EEPROM the radio must have sent before its "S9".
TEST_P(UploadEndTest, EndRecordCompletesOnlyAsMuchAsTheCapacityNeeds)
{
    const EndCase& c = GetParam();
    m_app.m_nChannelMode = 7;
    m_app.m_nChannelCode = 7;
    Records(Pattern(), c.end);
    Line("S9030000FC\r\n");
    EXPECT_EQ(m_conversation.Mode(), ConversationMode::Idle);
    EXPECT_EQ(m_conversation.IsUploaded(), c.whole);
    if (c.whole)
    {
        Fire(CRadioConversation::kTimerUploadDone);
        EXPECT_EQ(m_events.back().first, ConversationEvent::UploadComplete);
        EXPECT_EQ(m_app.m_nChannelMode, c.mode);
        EXPECT_EQ(m_app.m_nChannelCode, c.mode + 1);
    }
    else
    {
        EXPECT_FALSE(m_timers.IsRunning(CRadioConversation::kTimerUploadDone));
        Fire(CRadioConversation::kTimerUploadError);
        EXPECT_EQ(m_events.back(), std::make_pair(ConversationEvent::UploadError,
                                                  static_cast<int>(UploadFault::EarlyEnd)));
        EXPECT_EQ(m_conversation.LastUploadFault(), UploadFault::EarlyEnd);
        EXPECT_EQ(m_app.m_nChannelMode, 7) << "a failed copy told the capacity";
        EXPECT_EQ(m_app.m_nChannelCode, 7);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ends, UploadEndTest,
    ::testing::Values(EndCase{"noRecord", 0, false, 0}, EndCase{"fiveRecords", 40, false, 0},
                      EndCase{"shortOf120Channels", 0x0B00, false, 0},
                      EndCase{"lastChannelMissing", 0x0E00, false, 0},
                      EndCase{"all120Channels", 0x0E08, true, 0},
                      EndCase{"longest120ChannelEnd", 0x1FE8, true, 0},
                      EndCase{"partOfA320ChannelRadio", 0x1FF0, false, 0},
                      EndCase{"lastRecordOfA320ChannelRadioMissing", 0x1FF8, false, 0},
                      EndCase{"whole320ChannelRadio", 0x2000, true, 1}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return info.param.name; });

TEST_F(UploadTest, BytesThatMakeNoLineAreHeardButAreNoAnswer)
{
    EXPECT_FALSE(m_conversation.HeardSinceRequest());
    ASSERT_TRUE(m_pty.Send("#?*%!"));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!m_conversation.HeardSinceRequest() && std::chrono::steady_clock::now() < deadline)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_TRUE(m_conversation.HeardSinceRequest());
    EXPECT_EQ(m_queue.Size(), 0u);
    EXPECT_EQ(m_conversation.Mode(), ConversationMode::Upload);
    ASSERT_TRUE(m_conversation.OnUpload());
    EXPECT_FALSE(m_conversation.HeardSinceRequest()) << "a new request starts afresh";
}

TEST_F(UploadTest, BadRecordEndsTheUploadWithACopyErrorAndAPortReset)
{
    const auto image = Pattern();
    Records(image, 64);
    Line("S10B00400102030405060708C1\r\n"); // wrong checksum
    EXPECT_EQ(m_conversation.Mode(), ConversationMode::Idle);
    EXPECT_FALSE(m_conversation.IsUploaded());
    Fire(CRadioConversation::kTimerUploadError);
    EXPECT_EQ(m_events.back().first, ConversationEvent::UploadError);
    EXPECT_TRUE(m_conversation.Link().IsOpen()); // reopened
}

TEST_F(UploadTest, MissingRecordIsAnErrorNotAHole)
{
    const auto image = Pattern();
    Records(image, 64);
    Line(CRecord::Compose("S1", 72, &image[72], 8)); // 64..71 never came
    EXPECT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerUploadError));
    EXPECT_FALSE(m_conversation.IsUploaded());
}

TEST_F(UploadTest, ALaterUploadThatFailsLeavesNoWholeCopyBehind)
{
    const auto image = Pattern();
    Records(image, 8192);
    Line("S9030000FC\r\n");
    ASSERT_TRUE(m_conversation.IsUploaded());

    // Asking again keeps the copy until the buffer is really overwritten.
    ASSERT_TRUE(m_conversation.OnUpload());
    EXPECT_TRUE(m_conversation.IsUploaded());
    std::vector<std::uint8_t> other(8192, 0x5A);
    Records(other, 64);
    EXPECT_FALSE(m_conversation.IsUploaded()) << "the buffer is half old, half new";
    Line("S10B00400102030405060708C1\r\n"); // wrong checksum
    EXPECT_FALSE(m_conversation.IsUploaded());
}

TEST_F(UploadTest, EndWithoutDataIsNoCopy)
{
    Line("S9030000FC\r\n");
    EXPECT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerUploadError));
    EXPECT_FALSE(m_conversation.IsUploaded());
}

TEST_F(UploadTest, SilenceFiresTheWatchdogWhichReopensThePort)
{
    const auto image = Pattern();
    Records(image, 64);
    ASSERT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerWatchdog));
    Fire(CRadioConversation::kTimerWatchdog);
    EXPECT_EQ(m_events.back(), std::make_pair(ConversationEvent::WatchdogReset,
                                              static_cast<int>(ConversationMode::Upload)));
    EXPECT_TRUE(m_conversation.Link().IsOpen());
}

TEST_F(UploadTest, CancelDuringAnUploadShowsTheNoticeAndIgnoresLaterLines)
{
    const auto image = Pattern();
    Records(image, 64);
    m_conversation.OnCancel();
    EXPECT_TRUE(Saw(ConversationEvent::UploadCancelled));
    EXPECT_EQ(m_conversation.Mode(), ConversationMode::Idle);
    m_events.clear();
    Records(image, 128);
    EXPECT_TRUE(m_events.empty());
    EXPECT_EQ(m_conversation.ProgressCount(), 8);
}

TEST_F(ConversationTest, RamReadListsTheBytesAndLeavesTheChannelCapacityAlone)
{
    CPtyPair pty;
    m_conversation.SetDevicePath(pty.SlavePath());
    ASSERT_TRUE(m_conversation.OnPortChanged());
    m_app.m_nChannelMode = 1;
    m_app.m_nChannelCode = 2;
    ASSERT_TRUE(m_conversation.OnRamRead(0x0123, 4));
    EXPECT_EQ(pty.Receive(14), "M104012304D3\r\n");
    const std::uint8_t data[4] = {0xDE, 0xAD, 0xBE, 0xEF};
    Line(CRecord::Compose("S1", 0x0123, data, 4));
    Line("S9030000FC\r\n");
    Fire(CRadioConversation::kTimerRamDone);
    EXPECT_EQ(m_events.back().first, ConversationEvent::RamReadComplete);
    const std::vector<std::string> expected = {" 123    de", " 124    ad", " 125    be",
                                               " 126    ef"};
    EXPECT_EQ(m_conversation.RamListing(), expected);
    EXPECT_EQ(m_app.m_nChannelMode, 1);
    EXPECT_EQ(m_app.m_nChannelCode, 2);
}

TEST_F(ConversationTest, RamReadThatEndsShortIsAnError)
{
    CPtyPair pty;
    m_conversation.SetDevicePath(pty.SlavePath());
    ASSERT_TRUE(m_conversation.OnPortChanged());
    ASSERT_TRUE(m_conversation.OnRamRead(0x0123, 4));
    Line("S9030000FC\r\n");
    EXPECT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerRamError));
}

// Upload and RAM read hold a received line to the same rule: a record is
// taken only with the CR LF that ends every record the radio sends.
TEST_F(ConversationTest, UploadAndRamReadTakeTheSameLineEnds)
{
    CPtyPair pty;
    m_conversation.SetDevicePath(pty.SlavePath());
    ASSERT_TRUE(m_conversation.OnPortChanged());
    const std::uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const struct
    {
        const char* name;
        const char* ending;
        bool taken;
    } cases[] = {{"crLf", "\r\n", true}, {"lfOnly", "\n", false}, {"crCrLf", "\r\r\n", false}};
    for (const auto& c : cases)
    {
        ASSERT_TRUE(m_conversation.OnUpload());
        std::string line = CRecord::Compose("S1", 0x0000, data, 8);
        Line(line.substr(0, line.size() - 2) + c.ending);
        EXPECT_EQ(m_conversation.Mode() == ConversationMode::Upload, c.taken) << c.name;
        EXPECT_EQ(m_conversation.ProgressCount(), c.taken ? 1 : 0) << c.name;

        ASSERT_TRUE(m_conversation.OnRamRead(0x0040, 8));
        line = CRecord::Compose("S1", 0x0040, data, 8);
        Line(line.substr(0, line.size() - 2) + c.ending);
        EXPECT_EQ(m_conversation.Mode() == ConversationMode::RamRead, c.taken) << c.name;
    }
}

TEST(ConversationTimings, MessageDelayAndWatchdogAreTheOnesSet)
{
    const struct
    {
        const char* name;
        bool set;
        int delay;
        int watchdog;
        int expectedDelay;
        int expectedWatchdog;
        // The silence plus 256 bytes at 2400 baud, the driver's wake-up margin.
        int expectedWriteStall;
    } cases[] = {{"defaults", false, 0, 0, 100, 1000, 2067},
                 {"shortened", true, 5, 20, 5, 20, 1087},
                 {"negative", true, -1, -5, 0, 0, 1067}};
    for (const auto& c : cases)
    {
        CPlainAppState app;
        RecordingTimers timers;
        CRadioConversation conversation(app, timers, nullptr);
        if (c.set)
        {
            conversation.SetTimings(c.delay, c.watchdog);
        }
        // The port is closed: the request fails and its error is reported
        // after the message delay.
        EXPECT_FALSE(conversation.OnRamRead(0x0040, 1));
        const std::string line = "S9030000FC\r\n";
        conversation.OnLinkMessage(static_cast<std::int32_t>(line.size()),
                                   std::vector<std::uint8_t>(line.begin(), line.end()));
        EXPECT_EQ(timers.m_running[CRadioConversation::kTimerRamError], c.expectedDelay) << c.name;
        EXPECT_EQ(timers.m_running[CRadioConversation::kTimerWatchdog], c.expectedWatchdog)
            << c.name;
        EXPECT_EQ(conversation.Link().Timings().writeStallMs, c.expectedWriteStall) << c.name;
    }
}

TEST_F(ConversationTest, RequestsOnAClosedPortReportTheirErrors)
{
    EXPECT_FALSE(m_conversation.OnUpload());
    EXPECT_TRUE(Saw(ConversationEvent::ProgressClosed));
    EXPECT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerUploadError));
    EXPECT_FALSE(m_conversation.OnRamRead(0x40, 1));
    EXPECT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerRamError));

    // A download on a closed port ends with its error instead of waiting forever.
    const auto image = Pattern();
    (void)m_conversation.OnDownload(image.data());
    LinkMessage message;
    ASSERT_TRUE(NextMessage(m_queue, message));
    m_conversation.OnLinkMessage(message.wParam, message.bytes);
    EXPECT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerDownloadError));
    EXPECT_EQ(m_conversation.Mode(), ConversationMode::Idle);
}

TEST_F(ConversationTest, DownloadCountsStepsAndCompletes)
{
    CPtyPair pty;
    m_conversation.SetDevicePath(pty.SlavePath());
    ASSERT_TRUE(m_conversation.OnPortChanged());
    const auto image = Pattern();
    ASSERT_TRUE(m_conversation.OnDownload(image.data()));
    std::string wire;
    std::thread drain([&] { wire = pty.Receive(12 + 1024 * 28 + 12, 5000); });
    LinkMessage message;
    while (NextMessage(m_queue, message))
    {
        m_conversation.OnLinkMessage(message.wParam, message.bytes);
        if (message.wParam == kLinkEnd)
        {
            break;
        }
    }
    drain.join();
    EXPECT_EQ(m_conversation.ProgressCount(), 1024);
    EXPECT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerDownloadDone));
    EXPECT_TRUE(m_timers.IsRunning(CRadioConversation::kTimerWatchdog));
    EXPECT_EQ(wire.substr(wire.size() - 12), "S9030000FC\r\n");
}

TEST_F(ConversationTest, EndOfAReplacedDownloadIsNotTakenForTheNewOne)
{
    const auto image = Pattern();
    (void)m_conversation.OnDownload(image.data()); // closed port: ends with failure
    (void)m_conversation.OnDownload(image.data()); // replaces it before its end was seen
    LinkMessage first;
    LinkMessage second;
    ASSERT_TRUE(NextMessage(m_queue, first));
    ASSERT_TRUE(NextMessage(m_queue, second));
    m_conversation.OnLinkMessage(first.wParam, first.bytes);
    EXPECT_EQ(m_conversation.Mode(), ConversationMode::Download);
    m_conversation.OnLinkMessage(second.wParam, second.bytes);
    EXPECT_EQ(m_conversation.Mode(), ConversationMode::Idle);
}

TEST_F(ConversationTest, VerifyLinesAndDifferences)
{
    auto pc = Pattern();
    m_conversation.SetUploadBuffer(pc.data());
    pc[0x010] ^= 0xFF;
    pc[0x1FFF] = 0;
    EXPECT_EQ(m_conversation.FindDifferences(pc.data()),
              (std::vector<std::uint32_t>{0x10, 0x1FFF}));
    EXPECT_EQ(CRadioConversation::VerifyLine(0x10, 0xAB, 0x05), " 010    ab    05");
    EXPECT_EQ(CRadioConversation::RamLine(0x1234, 0x0F), " 1234    0f");
}

TEST(PolledTimers, ReportDueTimersEarliestFirst)
{
    CPolledTimers timers;
    EXPECT_EQ(timers.MillisecondsToNext(), -1);
    timers.SetTimer(7, 30);
    timers.SetTimer(1, 10);
    timers.SetTimer(3, 1000);
    EXPECT_LE(timers.MillisecondsToNext(), 11);
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    EXPECT_EQ(timers.TakeDue(), (std::vector<int>{1, 7}));
    EXPECT_TRUE(timers.IsRunning(3));
    timers.KillTimer(3);
    EXPECT_EQ(timers.MillisecondsToNext(), -1);
}
} // namespace
