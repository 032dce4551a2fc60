// What a pseudo-terminal cannot show: CTS held low by the radio, and the order
// of RTS, write and drain in the keyed write. A recording backend stands in
// for the device.

// link
#include "link/LinkSink.h"
#include "link/RadioLink.h"

// std
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace
{
struct FakeState
{
    std::mutex mutex;
    std::vector<std::string> calls;
    bool cts = true;
    bool dsr = true;
    int failWrites = 0; // this many writes fail before one succeeds
    int modemReads = 0;

    void Note(const std::string& call)
    {
        std::lock_guard<std::mutex> lock(mutex);
        calls.push_back(call);
    }
    std::vector<std::string> Calls()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return calls;
    }
};

class FakeBackend : public ISerialBackend
{
public:
    explicit FakeBackend(std::shared_ptr<FakeState> state) : m_state(std::move(state)) {}
    PortError Open(const std::string&) override { return PortError::None; }
    bool Configure(const LineSettings& settings) override
    {
        m_state->Note(settings.rtsEnable ? "configure rts=1" : "configure rts=0");
        return true;
    }
    void Close() override {}
    SerialResult WaitReadable(int) override { return SerialResult::TimedOut; }
    void Wake() override {}
    SerialResult Read(std::uint8_t*, std::size_t, std::size_t& got) override
    {
        got = 0;
        return SerialResult::Empty;
    }
    SerialResult Write(const std::uint8_t* source, std::size_t count, int) override
    {
        if (m_state->failWrites > 0)
        {
            --m_state->failWrites;
            m_state->Note("write failed");
            return SerialResult::Failed;
        }
        m_state->Note("write " + std::string(reinterpret_cast<const char*>(source), count));
        return SerialResult::Ok;
    }
    SerialResult Drain() override
    {
        m_state->Note("drain");
        return SerialResult::Ok;
    }
    SerialResult DiscardInput() override { return SerialResult::Ok; }
    SerialResult SetRts(bool on) override
    {
        m_state->Note(on ? "rts on" : "rts off");
        return SerialResult::Ok;
    }
    SerialResult GetModemLines(bool& cts, bool& dsr) override
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        ++m_state->modemReads;
        cts = m_state->cts;
        dsr = m_state->dsr;
        return SerialResult::Ok;
    }

private:
    std::shared_ptr<FakeState> m_state;
};

class FakeBackendTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_link = std::make_unique<CRadioLink>(std::make_unique<FakeBackend>(m_state));
        m_link->SetDevicePath("/dev/fake");
        ASSERT_TRUE(m_link->Open(0, false));
        m_link->ReleaseRts();
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->calls.clear();
    }

    std::shared_ptr<FakeState> m_state = std::make_shared<FakeState>();
    std::unique_ptr<CRadioLink> m_link;
};

TEST_F(FakeBackendTest, KeyedWriteRaisesRtsWritesDrainsAndOnlyThenDropsRts)
{
    ASSERT_TRUE(m_link->SetLight(1));
    const std::vector<std::string> expected = {"rts on", "write M8031001EB\r\n", "drain",
                                               "rts off"};
    EXPECT_EQ(m_state->Calls(), expected);
}

TEST_F(FakeBackendTest, OpenAppliesTheRadioLineWithRtsUpUntilReleased)
{
    FakeState& state = *m_state;
    CRadioLink link(std::make_unique<FakeBackend>(m_state));
    link.SetDevicePath("/dev/fake2");
    ASSERT_TRUE(link.Open(0, false));
    link.ReleaseRts();
    const std::vector<std::string> expected = {"configure rts=1", "rts off"};
    EXPECT_EQ(state.Calls(), expected);
}

TEST_F(FakeBackendTest, CtsHeldLowFailsAfterItsPollsWithRtsDropped)
{
    PortTimings quick;
    quick.ctsPolls = 4;
    quick.ctsPollMs = 25;
    const struct
    {
        const char* name;
        PortTimings timings;
        int polls;
        int leastMs;
    } cases[] = {
        {"default: 50 polls of 10 ms", PortTimings{}, 50, 500},
        {"shortened", quick, 4, 100},
    };
    m_state->cts = false;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_link->SetTimings(c.timings);
        {
            std::lock_guard<std::mutex> lock(m_state->mutex);
            m_state->calls.clear();
            m_state->modemReads = 0;
        }
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(m_link->RequestUpload());
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(c.leastMs));
        EXPECT_EQ(m_state->modemReads, c.polls);
        const std::vector<std::string> expected = {"rts on", "rts off"};
        EXPECT_EQ(m_state->Calls(), expected); // nothing was written
    }
}

TEST_F(FakeBackendTest, DsrHeldLowHoldsOutputToo)
{
    m_state->dsr = false;
    EXPECT_FALSE(m_link->SetBeep(0));
    EXPECT_EQ(m_state->Calls().back(), "rts off");
}

TEST_F(FakeBackendTest, FailedWritesAreRetriedUpToThreeTimes)
{
    m_state->failWrites = 2;
    EXPECT_TRUE(m_link->SetBeep(1));
    const std::vector<std::string> expected = {
        "rts on", "write failed",         "rts off", "rts on", "write failed", "rts off",
        "rts on", "write M8033001CB\r\n", "drain",   "rts off"};
    EXPECT_EQ(m_state->Calls(), expected);
}

TEST_F(FakeBackendTest, ThreeFailedWritesFailTheRecord)
{
    m_state->failWrites = 3;
    EXPECT_FALSE(m_link->SetBeep(1));
    EXPECT_EQ(m_state->Calls().back(), "rts off");
    EXPECT_EQ(m_state->failWrites, 0);
}
} // namespace

namespace
{
// A device that delivers a script of read outcomes and fails every discard
// of its input once the script asks it to, as a port driver can.
class ScriptedEndBackend : public ISerialBackend
{
public:
    enum class Ending
    {
        QuietPartialLineDiscardFails, // a line stops half-way and cannot be thrown away
        RefusedByteDiscardFails,      // a stray byte cannot be thrown away
        ReadFails,                    // the read itself fails
        DeviceGone,                   // the device goes away
    };
    explicit ScriptedEndBackend(Ending ending) : m_ending(ending) {}
    PortError Open(const std::string&) override { return PortError::None; }
    bool Configure(const LineSettings&) override { return true; }
    void Close() override {}
    SerialResult WaitReadable(int) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bWake)
        {
            m_bWake = false;
            return SerialResult::Woken;
        }
        ++m_nWaits;
        if (m_nWaits == 1)
        {
            return SerialResult::Ok;
        }
        if (m_ending == Ending::QuietPartialLineDiscardFails && m_nWaits == 2)
        {
            return SerialResult::TimedOut;
        }
        if (m_ending == Ending::DeviceGone)
        {
            return SerialResult::Gone;
        }
        return m_ending == Ending::ReadFails ? SerialResult::Ok : SerialResult::TimedOut;
    }
    void Wake() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bWake = true;
    }
    SerialResult Read(std::uint8_t* dest, std::size_t, std::size_t& got) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        got = 0;
        if (m_nWaits > 1)
        {
            return m_ending == Ending::ReadFails ? SerialResult::Failed : SerialResult::Empty;
        }
        // The first read: half a record, or a record start inside a line.
        const std::string bytes = m_ending == Ending::RefusedByteDiscardFails ? "S1S" : "S103";
        std::copy(bytes.begin(), bytes.end(), dest);
        got = bytes.size();
        m_bFailDiscards = true;
        return SerialResult::Ok;
    }
    SerialResult Write(const std::uint8_t*, std::size_t, int) override { return SerialResult::Ok; }
    SerialResult Drain() override { return SerialResult::Ok; }
    SerialResult DiscardInput() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_bFailDiscards ? SerialResult::Failed : SerialResult::Ok;
    }
    SerialResult SetRts(bool) override { return SerialResult::Ok; }
    SerialResult GetModemLines(bool& cts, bool& dsr) override
    {
        cts = dsr = true;
        return SerialResult::Ok;
    }

private:
    std::mutex m_mutex;
    Ending m_ending;
    int m_nWaits = 0;
    bool m_bWake = false;
    bool m_bFailDiscards = false;
};

class CollectingSink : public ILinkSink
{
public:
    void OnLinkMessage(std::int32_t, std::int32_t wParam, std::vector<std::uint8_t>) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_wParams.push_back(wParam);
    }
    std::vector<std::int32_t> WParams()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_wParams;
    }

private:
    std::mutex m_mutex;
    std::vector<std::int32_t> m_wParams;
};
} // namespace

// Whichever way the reader gives up, its owner hears that the port is lost;
// a reader that ends in silence leaves the owner waiting for lines forever.
TEST(ReaderEnd, EveryWayTheReaderGivesUpIsReportedAsALostPort)
{
    using Ending = ScriptedEndBackend::Ending;
    const struct
    {
        const char* name;
        Ending ending;
    } cases[] = {
        {"quiet partial line, discard fails", Ending::QuietPartialLineDiscardFails},
        {"refused byte, discard fails", Ending::RefusedByteDiscardFails},
        {"read fails", Ending::ReadFails},
        {"device gone", Ending::DeviceGone},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CollectingSink sink;
        CRadioLink link(std::make_unique<ScriptedEndBackend>(c.ending));
        link.SetNotifyWindow(&sink);
        link.SetNotifyMessage(kLinkMessage);
        link.SetDevicePath("/dev/scripted");
        ASSERT_TRUE(link.Open(0, true));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (link.IsReaderRunning() && std::chrono::steady_clock::now() < deadline)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_FALSE(link.IsReaderRunning());
        EXPECT_EQ(sink.WParams(), std::vector<std::int32_t>{kLinkPortLost});
        EXPECT_TRUE(link.IsLost());
        EXPECT_FALSE(link.IsOpen());
        link.Close();
    }
}
