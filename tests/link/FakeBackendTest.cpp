// What a pseudo-terminal cannot show: CTS held low by the radio, and the order
// of RTS, write and drain in the keyed write. A recording backend stands in
// for the device.

// link
#include "link/RadioLink.h"

// std
#include <gtest/gtest.h>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
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

TEST_F(FakeBackendTest, CtsHeldLowFailsAfterFiftyPollsWithRtsDropped)
{
    m_state->cts = false;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(m_link->RequestUpload());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(500));
    EXPECT_LT(elapsed, std::chrono::milliseconds(1500));
    const std::vector<std::string> expected = {"rts on", "rts off"};
    EXPECT_EQ(m_state->Calls(), expected); // nothing was written
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
