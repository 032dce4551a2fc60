// The serial port over real pseudo-terminal pairs: line assembly, the pause
// rule, purges, opening, reopening, exclusivity and a vanished device.

// own
#include "LinkTestSupport.h"

// link
#include "link/CommPort.h"
#include "link/RadioLink.h"

// std
#include <sys/wait.h>

namespace
{
class CommPortTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenOnPty(m_link, m_pty, m_queue));
        m_nDiscardsBefore = m_link.DiscardCount();
    }

    // No message within the wait: nothing was posted.
    void ExpectNoMessage(int waitMs = 300)
    {
        LinkMessage message;
        EXPECT_FALSE(m_queue.Wait(waitMs, message)) << "unexpected: " << Text(message.bytes);
    }

    // The next message is line, posted whole.
    void ExpectLine(const std::string& line)
    {
        LinkMessage message;
        ASSERT_TRUE(NextMessage(m_queue, message));
        EXPECT_EQ(Text(message.bytes), line);
    }

    // Waits until the reader has thrown away count partial lines or stray
    // runs since the test began, and nothing was posted meanwhile.
    void ExpectDiscards(std::uint32_t count)
    {
        EXPECT_TRUE(WaitFor([&] { return m_link.DiscardCount() >= m_nDiscardsBefore + count; }));
        EXPECT_EQ(m_link.DiscardCount(), m_nDiscardsBefore + count);
        ExpectNoMessage(0);
    }

    void SetReadWait(int milliseconds)
    {
        PortTimings timings = m_link.Timings();
        timings.readWaitMs = milliseconds;
        m_link.SetTimings(timings);
    }

    CPtyPair m_pty;
    CLinkQueue m_queue;
    CRadioLink m_link;
    std::uint32_t m_nDiscardsBefore = 0;
};

const std::string kRecord = "S10B00100102030405060708C0\r\n";

TEST_F(CommPortTest, LineArrivingInPiecesIsPostedWholeWithItsLength)
{
    // Pauses inside the line, each far shorter than the partial-line wait.
    SetReadWait(60000);
    for (std::size_t start = 0; start < kRecord.size(); start += 7)
    {
        ASSERT_TRUE(m_pty.Send(kRecord.substr(start, 7)));
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    LinkMessage message;
    ASSERT_TRUE(NextMessage(m_queue, message));
    EXPECT_EQ(message.message, kLinkMessage);
    EXPECT_EQ(message.wParam, static_cast<std::int32_t>(kRecord.size()));
    EXPECT_EQ(Text(message.bytes), kRecord);
    EXPECT_EQ(m_link.DiscardCount(), m_nDiscardsBefore);
}

TEST_F(CommPortTest, PauseLongerThanTheReadWaitInsideALineDiscardsIt)
{
    SetReadWait(100);
    ASSERT_TRUE(m_pty.Send(kRecord.substr(0, 10)));
    ExpectDiscards(1);
    // The tail now lies outside any line and is purged too.
    ASSERT_TRUE(m_pty.Send(kRecord.substr(10)));
    ExpectDiscards(2);
    ASSERT_TRUE(m_pty.Send("S9030000FC\r\n"));
    ExpectLine("S9030000FC\r\n");
    ExpectNoMessage();
}

TEST_F(CommPortTest, DefaultPartialLineWaitIsOneSecond)
{
    EXPECT_EQ(m_link.Timings().readWaitMs, 1000);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(m_pty.Send(kRecord.substr(0, 10)));
    ExpectDiscards(1);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
}

TEST_F(CommPortTest, SecondStartByteDiscardsThePartialLine)
{
    SetReadWait(60000); // only the start byte may end the partial line
    ASSERT_TRUE(m_pty.Send("S10B0010"));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(m_pty.Send("S9030000FC\r\n"));
    ExpectDiscards(1);
    // Assembly starts afresh afterwards.
    ASSERT_TRUE(m_pty.Send(kRecord));
    ExpectLine(kRecord);
}

TEST_F(CommPortTest, BytesBetweenLinesAreDroppedWithoutAMessage)
{
    ASSERT_TRUE(m_pty.Send("\r\nxyz"));
    ExpectDiscards(1);
    ASSERT_TRUE(m_pty.Send(kRecord));
    ExpectLine(kRecord);
}

TEST_F(CommPortTest, LineLongerThanOneBufferStepIsPostedWhole)
{
    const std::string line = "S" + std::string(300, 'A') + "\r\n";
    ASSERT_TRUE(m_pty.Send(line));
    ExpectLine(line);
}

TEST_F(CommPortTest, EndlessLineIsPurgedInsteadOfGrowingWithoutBound)
{
    ASSERT_TRUE(m_pty.Send("S" + std::string(CCommPort::kMaxLineLength + 100, 'A') + "\n"));
    ExpectNoMessage();
}

TEST_F(CommPortTest, LinesAreDroppedWithoutAMessageIdentifier)
{
    m_link.SetNotifyMessage(-1);
    ASSERT_TRUE(m_pty.Send(kRecord));
    ExpectNoMessage();
}

TEST_F(CommPortTest, ReopenStartsAFreshReader)
{
    ASSERT_TRUE(m_pty.Send(kRecord.substr(0, 5))); // a partial line is dropped by the reopen
    ASSERT_TRUE(m_link.Open(0, true));
    EXPECT_TRUE(m_link.IsReaderRunning());
    ASSERT_TRUE(m_pty.Send(kRecord));
    ExpectLine(kRecord);
}

TEST_F(CommPortTest, SecondPortObjectOnTheSameDeviceIsRefused)
{
    CRadioLink other;
    other.SetDevicePath(m_pty.SlavePath());
    EXPECT_FALSE(other.Open(0, true));
    EXPECT_EQ(other.LastError(), PortError::InUse);
    EXPECT_FALSE(other.IsReaderRunning());
    // Free again once the first one closes.
    m_link.Close();
    EXPECT_TRUE(other.Open(0, true));
}

TEST_F(CommPortTest, AnotherProcessCannotOpenTheDevice)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        CCommPort other;
        other.SetDevicePath(m_pty.SlavePath());
        const bool opened = other.Open(0, false);
        ::_exit(!opened && other.LastError() == PortError::InUse ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(CommPortOpen, MissingDeviceFailsAndLeavesNothingRunning)
{
    CRadioLink link;
    link.SetDevicePath("/dev/vesk4-no-such-device");
    EXPECT_FALSE(link.Open(0, true));
    EXPECT_EQ(link.LastError(), PortError::Missing);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.IsReaderRunning());
    link.Close();
    link.Close();
    EXPECT_FALSE(link.RequestUpload());
}

TEST(CommPortOpen, PortNumberSelectsTheMappedDevice)
{
    CPtyPair pty;
    ASSERT_TRUE(pty.IsValid());
    CPortMap map;
    map.SetDevicePath(3, pty.SlavePath());
    CRadioLink link;
    link.SetPortMap(map);
    ASSERT_TRUE(link.Open(3, false));
    EXPECT_EQ(link.PortNumber(), 3);
    EXPECT_EQ(link.DeviceName(), pty.SlavePath());
}

TEST(CommPortOpen, FileThatIsNoTerminalIsRefused)
{
    char path[] = "/tmp/vesk4-not-a-tty-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    CRadioLink link;
    link.SetDevicePath(path);
    EXPECT_FALSE(link.Open(0, true));
    EXPECT_EQ(link.LastError(), PortError::NotSerial);
    ::unlink(path);
}

TEST_F(CommPortTest, VanishedDeviceEndsTheReaderAndFailsEveryLaterOperationAtOnce)
{
    m_pty.CloseMaster();
    LinkMessage message;
    ASSERT_TRUE(NextMessage(m_queue, message));
    EXPECT_EQ(message.wParam, kLinkPortLost);
    EXPECT_TRUE(WaitFor([&] { return !m_link.IsReaderRunning(); }));
    EXPECT_TRUE(m_link.IsLost());
    EXPECT_EQ(m_link.LastError(), PortError::Lost);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(m_link.RequestUpload());
    EXPECT_FALSE(m_link.Purge(true));
    m_link.Close();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
}

TEST_F(CommPortTest, CloseReturnsPromptlyWhileTheReaderWaits)
{
    const auto start = std::chrono::steady_clock::now();
    m_link.Close();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_FALSE(m_link.IsReaderRunning());
}
} // namespace
