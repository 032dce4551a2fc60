// The radio commands over a real pseudo-terminal: the exact bytes of every
// record, downloads with their posts, cancel and RAM write splits.

// own
#include "LinkTestSupport.h"

// link
#include "link/RadioLink.h"
#include "link/Record.h"

// std
#include <atomic>
#include <functional>
#include <numeric>
#include <vector>

namespace
{
class RadioLinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_pty.IsValid());
        m_link.SetDevicePath(m_pty.SlavePath());
        m_link.SetNotifyWindow(&m_queue);
        m_link.SetNotifyMessage(kLinkMessage);
        ASSERT_TRUE(m_link.Open(0, true));
        m_link.ReleaseRts();
    }

    CPtyPair m_pty;
    CLinkQueue m_queue;
    CRadioLink m_link;
};

struct CommandCase
{
    const char* name;
    std::function<bool(CRadioLink&)> send;
    std::string expected;
};

TEST_F(RadioLinkTest, EveryCommandWritesExactlyItsRecords)
{
    const std::uint8_t eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const std::vector<CommandCase> cases = {
        {"RequestUpload", [](CRadioLink& l) { return l.RequestUpload(); }, "M3030000FC\r\n"},
        {"SetLight(1)", [](CRadioLink& l) { return l.SetLight(1); }, "M8031001EB\r\n"},
        {"SetLight(0)", [](CRadioLink& l) { return l.SetLight(0); }, "M8031000EC\r\n"},
        {"SetBeep(1)", [](CRadioLink& l) { return l.SetBeep(1); }, "M8033001CB\r\n"},
        {"SetBeep(0)", [](CRadioLink& l) { return l.SetBeep(0); }, "M8033000CC\r\n"},
        {"ReadRam", [](CRadioLink& l) { return l.ReadRam(0x0123, 4); }, "M104012304D3\r\n"},
        {"ReadRam keeps the low 8 bits of the count",
         [](CRadioLink& l) { return l.ReadRam(0x0123, 0x104); }, "M104012304D3\r\n"},
        {"StoreAdjustments", [](CRadioLink& l) { return l.StoreAdjustments(); }, "M20380007C\r\n"},
        {"FormatRecord S1", [&](CRadioLink& l) { return l.FormatRecord("S1", 0x0010, eight, 8); },
         "S10B00100102030405060708C0\r\n"},
        {"SendLiveAdjust receive",
         [](CRadioLink& l) { return l.SendLiveAdjust(0x4002, 0x20, true); },
         CRecord::Compose("M4", 0x4002, std::vector<std::uint8_t>{0x20}.data(), 1)},
    };
    for (const CommandCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.send(m_link));
        EXPECT_EQ(m_pty.Receive(c.expected.size()), c.expected);
    }
    EXPECT_EQ(m_pty.ReceiveAll(50), "");
}

TEST_F(RadioLinkTest, LiveAlignmentOperationsUseTheirAddressAndSide)
{
    using Send = bool (CRadioLink::*)(std::uint8_t);
    const struct
    {
        Send send;
        const char* type;
        std::uint16_t address;
    } cases[] = {
        {&CRadioLink::SendTxHighPowerLevel, "M6", 0x4000},
        {&CRadioLink::SendTxLowPowerLevel, "M6", 0x4001},
        {&CRadioLink::SendSquelchVolume, "M4", 0x4002},
        {&CRadioLink::SendTxToneLevel, "M6", 0x4003},
        {&CRadioLink::SendDtmfLowToneLevel, "M6", 0x4004},
        {&CRadioLink::SendModulationSensitivity, "M6", 0x4005},
        {&CRadioLink::SendWideBandModulation, "M6", 0x4006},
        {&CRadioLink::SendNarrowBandModulation, "M6", 0x4007},
        {&CRadioLink::SendWideBandDemodulation, "M4", 0x4008},
        {&CRadioLink::SendNarrowBandDemodulation, "M4", 0x4009},
    };
    std::uint8_t value = 0x11;
    for (const auto& c : cases)
    {
        ASSERT_TRUE((m_link.*c.send)(value));
        const std::string expected = CRecord::Compose(c.type, c.address, &value, 1);
        EXPECT_EQ(m_pty.Receive(expected.size()), expected) << c.address;
        value = static_cast<std::uint8_t>(value + 0x11);
    }
}

TEST_F(RadioLinkTest, TestCommandsSendTheSevenBytePayloadAt2000)
{
    TestSettings settings;
    settings.frequency = 0.0;
    ASSERT_TRUE(m_link.TestReceive(settings));
    std::uint8_t payload[7];
    ASSERT_TRUE(CTestRecord::Build(settings, -1, payload));
    std::string expected = CRecord::Compose("M4", 0x2000, payload, 7);
    EXPECT_EQ(m_pty.Receive(expected.size()), expected);
    ASSERT_TRUE(m_link.TestTransmit(settings));
    expected = CRecord::Compose("M6", 0x2000, payload, 7);
    EXPECT_EQ(m_pty.Receive(expected.size()), expected);
}

TEST_F(RadioLinkTest, WriteRamSplitsIntoRecordsOfEightBytes)
{
    const std::uint8_t bytes[9] = {9, 8, 7, 6, 5, 4, 3, 2, 1};
    ASSERT_TRUE(m_link.WriteRam(0x0100, bytes, 9));
    const std::string expected =
        CRecord::Compose("M0", 0x0100, bytes, 8) + CRecord::Compose("M0", 0x0108, bytes + 8, 1);
    EXPECT_EQ(m_pty.Receive(expected.size()), expected);
    ASSERT_TRUE(m_link.WriteRam(0x0100, bytes, 0));
    EXPECT_EQ(m_pty.ReceiveAll(50), "");
    // Records whose address would pass 0xFFFF are refused before anything is sent.
    EXPECT_FALSE(m_link.WriteRam(0xFFFC, bytes, 9));
    EXPECT_EQ(m_pty.ReceiveAll(50), "");
}

std::string ExpectedDownload(const std::vector<std::uint8_t>& image, std::size_t records)
{
    std::string text = "M2030000FC\r\n";
    for (std::size_t r = 0; r < records; ++r)
    {
        const std::size_t n = std::min<std::size_t>(8, image.size() - r * 8);
        text += CRecord::Compose("S1", static_cast<std::uint16_t>(r * 8), image.data() + r * 8,
                                 static_cast<std::uint32_t>(n));
    }
    return text + "S9030000FC\r\n";
}

int CountSteps(CLinkQueue& queue, LinkMessage& end)
{
    int steps = 0;
    LinkMessage message;
    while (NextMessage(queue, message))
    {
        if (message.wParam == kLinkEnd)
        {
            end = message;
            return steps;
        }
        EXPECT_EQ(message.wParam, kLinkStep);
        ++steps;
    }
    ADD_FAILURE() << "no end was posted";
    return steps;
}

TEST_F(RadioLinkTest, DownloadOfTheWholeImagePostsEveryStepAndTheEnd)
{
    std::vector<std::uint8_t> image(8192);
    std::iota(image.begin(), image.end(), 0);
    const std::string expected = ExpectedDownload(image, 1024);
    std::string received;
    std::thread reader([&] { received = m_pty.Receive(expected.size(), 5000); });
    EXPECT_TRUE(m_link.DownloadImage(image.data(), 8192));
    reader.join();
    EXPECT_EQ(received, expected);
    LinkMessage end;
    EXPECT_EQ(CountSteps(m_queue, end), 1024);
    EXPECT_EQ(end.bytes, std::vector<std::uint8_t>{1});
}

TEST_F(RadioLinkTest, DownloadOfTenBytesEndsWithAShortRecord)
{
    const std::vector<std::uint8_t> image = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ASSERT_TRUE(m_link.StartDownload(image.data(), 10));
    const std::string expected = ExpectedDownload(image, 2);
    EXPECT_EQ(m_pty.Receive(expected.size()), expected);
    EXPECT_NE(expected.find("S1050008090ADF\r\n"), std::string::npos);
    LinkMessage end;
    EXPECT_EQ(CountSteps(m_queue, end), 2);
    EXPECT_EQ(end.bytes, std::vector<std::uint8_t>{1});
}

// Cancels from inside the sink after the third step: deterministic, because
// the worker tests the flag right after posting.
class CancellingSink : public ILinkSink
{
public:
    CRadioLink* m_pLink = nullptr;
    CLinkQueue m_queue;
    int m_nSteps = 0;
    void OnLinkMessage(std::int32_t message, std::int32_t wParam,
                       std::vector<std::uint8_t> bytes) override
    {
        if (wParam == kLinkStep && ++m_nSteps == 3)
        {
            m_pLink->CancelTransfer();
        }
        m_queue.OnLinkMessage(message, wParam, std::move(bytes));
    }
};

TEST_F(RadioLinkTest, CancelledDownloadStopsAfterTheCurrentRecordAndStillEnds)
{
    CancellingSink sink;
    sink.m_pLink = &m_link;
    m_link.SetNotifyWindow(&sink);
    std::vector<std::uint8_t> image(8192, 0x5A);
    ASSERT_TRUE(m_link.StartDownload(image.data(), 8192));
    const std::string expected = ExpectedDownload(image, 3);
    EXPECT_EQ(m_pty.Receive(expected.size()), expected);
    EXPECT_EQ(m_pty.ReceiveAll(100), "");
    LinkMessage end;
    EXPECT_EQ(CountSteps(sink.m_queue, end), 3);
    EXPECT_EQ(end.bytes, std::vector<std::uint8_t>{1}); // a cancel is no failure
    m_link.WaitDownload();                              // the sink must outlive the worker
}

TEST(RadioLinkClosed, DownloadOnAClosedPortStillPostsItsFailure)
{
    CLinkQueue queue; // outlives the link and its worker
    CRadioLink link;
    link.SetNotifyWindow(&queue);
    link.SetNotifyMessage(kLinkMessage);
    const std::uint8_t image[16] = {};
    EXPECT_FALSE(link.DownloadImage(image, 16));
    ASSERT_TRUE(link.StartDownload(image, 16));
    for (int i = 0; i < 2; ++i)
    {
        LinkMessage message;
        ASSERT_TRUE(NextMessage(queue, message));
        EXPECT_EQ(message.wParam, kLinkEnd);
        EXPECT_EQ(message.bytes, std::vector<std::uint8_t>{0});
    }
    EXPECT_FALSE(link.RequestUpload());
    EXPECT_FALSE(link.SetLight(1));
}

TEST_F(RadioLinkTest, DownloadToAVanishingDevicePostsItsFailure)
{
    // Nobody reads and a write may wait as long as it takes: the download
    // cannot end before the device goes, however fast the machine.
    PortTimings timings = m_link.Timings();
    timings.writeStallMs = 600000;
    m_link.SetTimings(timings);
    std::vector<std::uint8_t> image(0x10000, 0x33);
    ASSERT_TRUE(m_link.StartDownload(image.data(), 0x10000));
    LinkMessage message;
    ASSERT_TRUE(NextMessage(m_queue, message));
    ASSERT_EQ(message.wParam, kLinkStep); // the worker is under way
    m_pty.CloseMaster();
    bool ended = false;
    while (!ended && NextMessage(m_queue, message, 10000))
    {
        if (message.wParam == kLinkEnd)
        {
            ended = true;
            EXPECT_EQ(message.bytes, std::vector<std::uint8_t>{0});
        }
    }
    EXPECT_TRUE(ended);
    m_link.WaitDownload();
    EXPECT_FALSE(m_link.IsDownloadRunning());
}

TEST_F(RadioLinkTest, DownloadToAPeerThatStopsReadingFailsAfterTheWriteStall)
{
    PortTimings timings = m_link.Timings();
    timings.writeStallMs = 200;
    m_link.SetTimings(timings);
    std::vector<std::uint8_t> image(0x10000, 0x33);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(m_link.DownloadImage(image.data(), 0x10000));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Three attempts at the stalled record, each given up after the stall;
    // well short of what the default second per attempt would take.
    EXPECT_GE(elapsed, std::chrono::milliseconds(3 * 200));
    EXPECT_LT(elapsed, std::chrono::milliseconds(2500));
    LinkMessage end;
    (void)CountSteps(m_queue, end);
    EXPECT_EQ(end.bytes, std::vector<std::uint8_t>{0});
}

// Holds the download at its third record until its link asks to cancel, so
// the destruction is sure to meet a running transfer.
class HoldingSink : public ILinkSink
{
public:
    CRadioLink* m_pLink = nullptr;
    std::atomic<int> m_nSteps{0};
    std::atomic<int> m_nEnds{0};
    void OnLinkMessage(std::int32_t, std::int32_t wParam, std::vector<std::uint8_t>) override
    {
        if (wParam == kLinkEnd)
        {
            ++m_nEnds;
        }
        if (wParam == kLinkStep && ++m_nSteps == 3)
        {
            (void)WaitFor([this] { return m_pLink->IsCancelRequested(); }, 60000);
        }
    }
};

TEST(RadioLinkLifetime, DestroyingTheLinkDuringADownloadCancelsAndJoinsTheWorker)
{
    CPtyPair pty;
    ASSERT_TRUE(pty.IsValid());
    HoldingSink sink;
    auto link = std::make_unique<CRadioLink>();
    sink.m_pLink = link.get();
    link->SetDevicePath(pty.SlavePath());
    link->SetNotifyWindow(&sink);
    link->SetNotifyMessage(kLinkMessage);
    ASSERT_TRUE(link->Open(0, true));
    std::vector<std::uint8_t> image(0x10000, 0x44);
    ASSERT_TRUE(link->StartDownload(image.data(), 0x10000));
    const std::string expected = ExpectedDownload(image, 3);
    std::string received;
    std::thread drain([&] { received = pty.Receive(expected.size(), 10000); });
    EXPECT_TRUE(WaitFor([&] { return sink.m_nSteps.load() >= 3; }));
    link.reset(); // must cancel and join, not crash or hang
    drain.join();
    received += pty.ReceiveAll(50);
    // The record in hand, then the end record: nothing more, nothing lost.
    EXPECT_EQ(received, expected);
    EXPECT_EQ(sink.m_nSteps.load(), 3);
    EXPECT_EQ(sink.m_nEnds.load(), 1);
}
} // namespace
