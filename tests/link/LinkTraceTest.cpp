// The link's trace hook over a real pseudo-terminal: every record sent, in
// order and before the answer it provokes, every line received, and failed
// writes marked.

// own
#include "LinkTestSupport.h"

// link
#include "link/LinkTrace.h"
#include "link/RadioLink.h"

// std
#include <mutex>
#include <string>
#include <vector>

namespace
{
// Keeps every call as one text: "> " sent, "! " failed, "< " received.
class CRecordingTrace : public ILinkTrace
{
public:
    void OnRecordSent(const std::uint8_t* bytes, std::size_t count) override
    {
        Add("> ", bytes, count);
    }
    void OnRecordFailed(const std::uint8_t* bytes, std::size_t count) override
    {
        Add("! ", bytes, count);
    }
    void OnLineReceived(const std::uint8_t* bytes, std::size_t count) override
    {
        Add("< ", bytes, count);
    }
    std::vector<std::string> Calls() const
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_calls;
    }

private:
    void Add(const char* kind, const std::uint8_t* bytes, std::size_t count)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_calls.push_back(kind + std::string(bytes, bytes + count));
    }
    mutable std::mutex m_mutex;
    std::vector<std::string> m_calls;
};

class LinkTraceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_link.SetTimings(ShortTimings());
        m_link.SetTrace(&m_trace);
        ASSERT_TRUE(OpenOnPty(m_link, m_pty, m_queue));
    }
    void TearDown() override { m_link.Close(); }

    CPtyPair m_pty;
    CLinkQueue m_queue;
    CRecordingTrace m_trace;
    CRadioLink m_link;
};

TEST_F(LinkTraceTest, SentRecordsAndReceivedLinesAppearInTheirOrder)
{
    const std::string answer = "S10B00100102030405060708C0\r\n";
    ASSERT_TRUE(m_link.RequestUpload());
    ASSERT_EQ(m_pty.Receive(12), "M3030000FC\r\n");
    ASSERT_TRUE(m_pty.Send(answer));
    LinkMessage message;
    ASSERT_TRUE(NextMessage(m_queue, message));
    ASSERT_TRUE(m_link.SetLight(1));
    EXPECT_EQ(m_trace.Calls(),
              (std::vector<std::string>{"> M3030000FC\r\n", "< " + answer, "> M8031001EB\r\n"}));
}

TEST_F(LinkTraceTest, EveryRecordOfADownloadIsTracedFromTheWorker)
{
    std::vector<std::uint8_t> image(20, 0x5A);
    ASSERT_TRUE(m_link.StartDownload(image.data(), static_cast<std::uint32_t>(image.size())));
    m_link.WaitDownload();
    const auto calls = m_trace.Calls();
    // "M2", three data records (8, 8 and 4 bytes) and "S9".
    ASSERT_EQ(calls.size(), 5U);
    EXPECT_EQ(calls.front().substr(0, 4), "> M2");
    EXPECT_EQ(calls[1].substr(0, 10), "> S10B0000");
    EXPECT_EQ(calls[3].substr(0, 10), "> S1070010");
    EXPECT_EQ(calls.back().substr(0, 4), "> S9");
}

TEST_F(LinkTraceTest, AFailedWriteIsMarkedAfterTheRecord)
{
    m_pty.CloseMaster();
    EXPECT_FALSE(m_link.SetBeep(1));
    const auto calls = m_trace.Calls();
    ASSERT_EQ(calls.size(), 2U);
    EXPECT_EQ(calls[0], "> M8033001CB\r\n");
    EXPECT_EQ(calls[1], "! M8033001CB\r\n");
}

TEST(LinkTraceUnset, ALinkWithoutTraceStillTalks)
{
    CPtyPair pty;
    ASSERT_TRUE(pty.IsValid());
    CRadioLink link;
    link.SetDevicePath(pty.SlavePath());
    ASSERT_TRUE(link.Open(0, true));
    EXPECT_TRUE(link.RequestUpload());
    EXPECT_EQ(pty.Receive(12), "M3030000FC\r\n");
}
} // namespace
