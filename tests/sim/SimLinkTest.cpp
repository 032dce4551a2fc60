// The link and the Radio Comm conversation against the simulated radio on a
// pseudo-terminal, fault by fault.

// own
#include "ConversationTurn.h"
#include "LinkTestSupport.h"

// sim
#include "sim/SimPort.h"
#include "sim/SimRadio.h"

// link
#include "link/PolledTimers.h"
#include "link/RadioConversation.h"

// std
#include <functional>

namespace
{
std::vector<std::uint8_t> Pattern()
{
    std::vector<std::uint8_t> image(8192);
    for (std::size_t i = 0; i < image.size(); ++i)
    {
        image[i] = static_cast<std::uint8_t>((i * 31) ^ (i >> 5));
    }
    return image;
}

// Runs the conversation on this thread as the command line does.
class SimLinkTest : public ::testing::Test
{
protected:
    SimLinkTest()
        : m_port(m_radio),
          m_conversation(m_app, m_timers,
                         [this](ConversationEvent e, int v) { m_events.emplace_back(e, v); })
    {
        m_conversation.SetSink(&m_queue);
    }

    void Start(const SimFaults& faults = {}, std::uint32_t baud = 0)
    {
        m_radio.SetEeprom(Pattern().data());
        m_port.SetFaults(faults);
        m_port.SetBaud(baud);
        ASSERT_TRUE(m_port.Start());
        m_conversation.SetDevicePath(m_port.DevicePath());
        ASSERT_TRUE(m_conversation.OnPortChanged());
    }

    // Handles messages and timers until an event of one of the kinds comes;
    // false when none came in time.
    bool RunUntil(std::initializer_list<ConversationEvent> kinds, int timeoutMs = 5000)
    {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        std::size_t seen = 0;
        while (std::chrono::steady_clock::now() < deadline)
        {
            for (; seen < m_events.size(); ++seen)
            {
                for (const ConversationEvent kind : kinds)
                {
                    if (m_events[seen].first == kind)
                    {
                        return true;
                    }
                }
            }
            RunConversationTurn(m_conversation, m_queue, m_timers, 50);
        }
        return false;
    }

    void StartUpload(const SimFaults& faults = {})
    {
        Start(faults);
        ASSERT_TRUE(m_conversation.OnUpload());
    }

    // An upload whose radio sends 300 bytes of garbage first, the line then
    // quiet for pauseMs.
    void StartGarbledUpload(int pauseMs)
    {
        StartUpload({.garbageBefore = 300, .garbagePauseMs = pauseMs});
    }

    // While the radio is paused the upload comes to no end, and no more than
    // sent records have gone out.
    void ExpectHeld(int sent)
    {
        EXPECT_FALSE(
            RunUntil({ConversationEvent::UploadComplete, ConversationEvent::UploadError}, 300));
        EXPECT_EQ(m_port.RecordsSent(), sent);
    }

    // Runs the upload to its end, which must be a whole copy of the radio's
    // EEPROM.
    void ExpectWholeCopy()
    {
        ASSERT_TRUE(RunUntil({ConversationEvent::UploadComplete, ConversationEvent::UploadError,
                              ConversationEvent::WatchdogReset}));
        EXPECT_EQ(m_events.back().first, ConversationEvent::UploadComplete);
        EXPECT_EQ(Uploaded(), m_radio.Eeprom());
    }

    std::vector<std::uint8_t> Uploaded() const
    {
        return std::vector<std::uint8_t>(m_conversation.UploadBuffer(),
                                         m_conversation.UploadBuffer() + 8192);
    }

    CSimRadio m_radio;
    CSimPort m_port;
    CPlainAppState m_app;
    CPolledTimers m_timers;
    CLinkQueue m_queue;
    std::vector<std::pair<ConversationEvent, int>> m_events;
    CRadioConversation m_conversation;
};

TEST_F(SimLinkTest, FullUploadCopiesTheRadiosEeprom)
{
    StartUpload();
    ExpectWholeCopy();
    EXPECT_EQ(m_app.m_nChannelCode, 2);
    EXPECT_EQ(m_port.RecordsSent(), 1025);
}

TEST_F(SimLinkTest, DownloadWritesTheRadiosEeprom)
{
    Start();
    std::vector<std::uint8_t> image(8192);
    for (std::size_t i = 0; i < image.size(); ++i)
    {
        image[i] = static_cast<std::uint8_t>(255 - i % 251);
    }
    ASSERT_TRUE(m_conversation.OnDownload(image.data()));
    ASSERT_TRUE(RunUntil({ConversationEvent::DownloadComplete, ConversationEvent::DownloadError}));
    EXPECT_EQ(m_events.back().first, ConversationEvent::DownloadComplete);
    // The radio finishes the download when it has taken in the end record,
    // which may be after the link saw its write drained.
    ASSERT_TRUE(WaitFor([&] { return m_radio.DownloadsCompleted() != 0; }));
    EXPECT_EQ(m_radio.DownloadsCompleted(), 1);
    EXPECT_EQ(m_radio.Eeprom(), image);
    for (const SimLogEntry& entry : m_radio.Log())
    {
        EXPECT_TRUE(entry.valid) << entry.text;
    }
}

TEST_F(SimLinkTest, RamReadAndWriteAndLiveCommandsReachTheRadio)
{
    Start();
    const std::uint8_t bytes[3] = {0x12, 0x34, 0x56};
    ASSERT_TRUE(m_conversation.OnRamWrite(0x0040, bytes, 3));
    ASSERT_TRUE(m_conversation.OnRamRead(0x003F, 5));
    ASSERT_TRUE(RunUntil({ConversationEvent::RamReadComplete, ConversationEvent::RamReadError}));
    EXPECT_EQ(m_events.back().first, ConversationEvent::RamReadComplete);
    const std::vector<std::string> expected = {" 03f    00", " 040    12", " 041    34",
                                               " 042    56", " 043    00"};
    EXPECT_EQ(m_conversation.RamListing(), expected);

    CRadioLink& link = m_conversation.Link();
    ASSERT_TRUE(link.SendSquelchVolume(42));
    ASSERT_TRUE(link.SendTxHighPowerLevel(200));
    ASSERT_TRUE(link.StoreAdjustments());
    ASSERT_TRUE(link.SetLight(1));
    TestSettings settings;
    ASSERT_TRUE(link.TestTransmit(settings));
    std::uint8_t payload[7];
    ASSERT_TRUE(CTestRecord::Build(settings, -1, payload));
    ASSERT_TRUE(WaitFor([&] { return m_radio.TestSide() != 0; }));
    EXPECT_EQ(m_radio.TestSide(), 'T');
    EXPECT_EQ(m_radio.TestPayload(), std::vector<std::uint8_t>(payload, payload + 7));
    EXPECT_TRUE(m_radio.Lamp());
    EXPECT_EQ(m_radio.Eeprom()[0x26], 200);
    EXPECT_EQ(m_radio.Eeprom()[0x28], 42);
}

TEST_F(SimLinkTest, CorruptRecordEndsTheUploadWithACopyError)
{
    StartUpload({.corruptRecord = 100});
    ASSERT_TRUE(RunUntil({ConversationEvent::UploadComplete, ConversationEvent::UploadError}));
    EXPECT_EQ(m_events.back().first, ConversationEvent::UploadError);
    EXPECT_EQ(m_conversation.ProgressCount(), 99);
    EXPECT_FALSE(m_conversation.IsUploaded());
}

TEST_F(SimLinkTest, StallMidTransferFiresTheWatchdog)
{
    StartUpload({.stallAfter = 50});
    ASSERT_TRUE(RunUntil({ConversationEvent::WatchdogReset, ConversationEvent::UploadComplete}));
    EXPECT_EQ(m_events.back(), std::make_pair(ConversationEvent::WatchdogReset,
                                              static_cast<int>(ConversationMode::Upload)));
    EXPECT_EQ(m_conversation.ProgressCount(), 50);
}

TEST_F(SimLinkTest, SilentRadioSendsNothing)
{
    StartUpload({.silent = true});
    ASSERT_TRUE(WaitFor([&] { return !m_radio.Log().empty(); })); // it heard the request
    EXPECT_FALSE(RunUntil({ConversationEvent::UploadComplete, ConversationEvent::UploadError,
                           ConversationEvent::WatchdogReset},
                          500));
    EXPECT_EQ(m_conversation.ProgressCount(), 0);
    EXPECT_EQ(m_radio.Log().size(), 1u);
}

TEST_F(SimLinkTest, HangUpMidTransferIsReportedAsALostPort)
{
    SimFaults faults;
    faults.hangupAfter = 200;
    // An unpaced radio could answer and hang up before the request's own
    // write has returned, failing the request instead of the transfer; a
    // paused one hears nothing until the request is out.
    m_port.SetPaused(true);
    StartUpload(faults);
    m_port.SetPaused(false);
    ASSERT_TRUE(RunUntil({ConversationEvent::PortLost, ConversationEvent::UploadComplete}));
    EXPECT_TRUE(m_conversation.Link().IsLost());
    EXPECT_FALSE(m_conversation.Link().RequestUpload());
    ASSERT_TRUE(RunUntil({ConversationEvent::UploadError}));
}

TEST_F(SimLinkTest, PausedRadioHoldsTheUploadUntilResumed)
{
    m_port.SetPaused(true);
    StartUpload();
    ExpectHeld(0);
    EXPECT_TRUE(m_radio.Log().empty()); // not even the request was taken in
    m_port.SetPaused(false);
    ExpectWholeCopy();
}

TEST_F(SimLinkTest, RadioPausedMidUploadSendsNoMoreUntilResumed)
{
    // The radio pauses itself after its tenth record, however fast the
    // machine: the upload is held open by the radio, not by a race.
    StartUpload({.pauseAfterSent = 10});
    ASSERT_TRUE(WaitFor([&] { return m_port.IsPaused(); }));
    ExpectHeld(10);
    m_port.SetPaused(false);
    ExpectWholeCopy();
}

TEST_F(SimLinkTest, GarbageBetweenRecordsIsDroppedWhenTheLineGoesQuietAfterIt)
{
    StartGarbledUpload(300);
    ExpectWholeCopy();
}

TEST_F(SimLinkTest, GarbageWithRecordsQueuedBehindItNeverGivesAFalseCopy)
{
    StartGarbledUpload(0);
    // Records purged with the garbage leave a gap: that is an error, or the
    // watchdog if the purge took the end too; never a complete copy with holes.
    ASSERT_TRUE(RunUntil({ConversationEvent::UploadComplete, ConversationEvent::UploadError,
                          ConversationEvent::WatchdogReset}));
    if (m_events.back().first == ConversationEvent::UploadComplete)
    {
        EXPECT_EQ(Uploaded(), m_radio.Eeprom());
    }
}

// At the radio's own 2400 baud both ways, a download of the first 64 bytes
// and their read-back. The radio takes in each record as the line delivers
// it, not a chunk at a time, so it has the first record long before the last
// one has crossed the line.
TEST_F(SimLinkTest, AtTheRadiosLineRateADownloadAndItsReadBackPass)
{
    using Clock = std::chrono::steady_clock;
    Start({}, 2400);
    m_radio.SetUploadEnd(64);
    std::vector<std::uint8_t> image(64);
    for (std::size_t i = 0; i < image.size(); ++i)
    {
        image[i] = static_cast<std::uint8_t>(200 - i);
    }
    const auto start = Clock::now();
    ASSERT_TRUE(m_conversation.Link().DownloadImage(image.data(), 64));
    // The radio answers nothing to a download: its log holds what it took in.
    ASSERT_TRUE(WaitFor([&] { return m_radio.Log().size() >= 2; }));
    const auto firstRecord = Clock::now() - start;
    ASSERT_TRUE(WaitFor([&] { return m_radio.DownloadsCompleted() == 1; }));
    const auto wholeDownload = Clock::now() - start;
    // "M2" and the first "S1" are 40 bytes (167 ms), all ten records 248 (1033 ms).
    EXPECT_LT(firstRecord, std::chrono::milliseconds(600));
    EXPECT_GE(wholeDownload, std::chrono::milliseconds(1000));
    const auto eeprom = m_radio.Eeprom();
    EXPECT_EQ(std::vector<std::uint8_t>(eeprom.begin(), eeprom.begin() + 64), image);

    ASSERT_TRUE(m_conversation.Link().RequestUpload());
    std::vector<std::uint8_t> readBack(8192, 0);
    int last = 0;
    ASSERT_TRUE(WaitFor(
        [&]
        {
            LinkMessage message;
            while (last != 9 && m_queue.Wait(10, message))
            {
                if (message.wParam >= 2)
                {
                    last = m_conversation.Link().ParseRecord(
                        message.bytes.data(), static_cast<std::int32_t>(message.bytes.size()),
                        readBack.data(), 8192);
                }
            }
            return last == 9;
        }));
    EXPECT_EQ(std::vector<std::uint8_t>(readBack.begin(), readBack.begin() + 64), image);
}

TEST_F(SimLinkTest, PacedOutputTakesTheTimeOfTheWire)
{
    Start({}, 2400);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(m_conversation.OnRamRead(0x0100, 8));
    ASSERT_TRUE(RunUntil({ConversationEvent::RamReadComplete, ConversationEvent::RamReadError}));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // 28 + 12 bytes of ten bits at 2400 baud, plus the 100 ms message delay.
    EXPECT_GE(elapsed, std::chrono::milliseconds(166 + 100));
    EXPECT_LT(elapsed, std::chrono::milliseconds(1000));
}
} // namespace
