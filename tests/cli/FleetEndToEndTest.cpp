// vesk4-cli fleet end to end: four simulated radios held in this process, one
// a pseudo-terminal, programmed in one run; a silent, a cut-off and a garbling
// radio among good ones; and --loop taking the next radio after one is taken
// away, until Ctrl+C.

// own
#include "CloneImages.h" // tests/common

// own (tests/common)
#include "ProgramRunner.h"
#include "TestFiles.h"

// model
#include "model/CloneJournal.h"
#include "model/Sha256.h"

// std
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace
{
struct FleetRadioCase
{
    const char* serial;
    SimFaults faults;
    const char* result; // what its journal row's result starts with
    bool backup;        // the radio was read, so its original is kept
};

// Polls a state another process brings about, slowly enough to leave the
// machine to that process; the limit only ends a test that has failed.
bool WaitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 1200 && !done(); ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

class CliFleetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.IsValid());
        CPlainAppState app;
        app.m_nChannelCode = 2;
        ASSERT_TRUE(MakePlan().SaveToFile(m_dir.Path("plan.dmp"), app));
    }

    std::vector<std::string> StartRadios(const std::vector<FleetRadioCase>& cases)
    {
        std::vector<std::string> devices;
        for (const FleetRadioCase& c : cases)
        {
            devices.push_back(m_sims.Add(c.serial, c.faults));
        }
        return devices;
    }

    ProgramRun Fleet(const std::vector<std::string>& devices, std::vector<std::string> extra)
    {
        ProgramRun run;
        run.program = VESK4_CLI;
        run.args = {"fleet", "plan.dmp", "--journal", "journal.csv", "--timeout", "1"};
        for (const std::string& device : devices)
        {
            run.args.insert(run.args.end(), {"--port", device});
        }
        run.args.insert(run.args.end(), extra.begin(), extra.end());
        run.dir = m_dir.Path();
        run.outPath = m_dir.Path("fleet.out");
        run.errPath = m_dir.Path("fleet.err");
        run.env = {{"XDG_DATA_HOME", m_dir.Path("data")}};
        run.unset = {"VESK4_BACKUPS"};
        return run;
    }

    std::vector<JournalRow> Journal() const
    {
        std::vector<JournalRow> rows;
        (void)CCloneJournal::Parse(ReadText(m_dir.Path("journal.csv")), rows);
        return rows;
    }

    CScratchDir m_dir{"cli-fleet"};
    SimRadios m_sims;
};

// Each radio ends with its own result; a failure touches no other port, and
// every read radio's original is on disk as it was. The worst result is the
// exit status (the port that went away: 9), and the journal command reads
// the same rows back.
TEST_F(CliFleetTest, EachRadioEndsOnItsOwn)
{
    const auto plan = ImageBytes(MakePlan());
    const std::string planSha256 = CSha256::Of(plan.data(), plan.size());
    const struct
    {
        std::vector<FleetRadioCase> radios;
        int exit;
        const char* summary;
    } runs[] = {
        {{{"10000001", {}, "verified", true},
          {"10000002", {}, "verified", true},
          {"10000003", {}, "verified", true},
          {"10000004", {}, "verified", true}},
         0,
         "4 verified, 0 failed"},
        // The first read is 1024 records and "S9": 500 more is half-way
        // through the write.
        {{{"20000001", {}, "verified", true},
          {"20000002", {.silent = true}, "failed: no answer from the radio", false},
          {"20000003", {.hangupAfter = 1025 + 500}, "failed: the port", true},
          {"20000004", {.noise = true}, "failed: ", false}},
         9,
         "1 verified, 3 failed"},
    };
    for (const auto& run : runs)
    {
        SCOPED_TRACE(run.radios[0].serial);
        ASSERT_TRUE(WriteText(m_dir.Path("journal.csv"), ""));
        m_sims.Clear();
        const auto devices = StartRadios(run.radios);
        const ProgramResult result = RunProgram(Fleet(devices, {}));
        const auto rows = Journal();
        ASSERT_EQ(rows.size(), run.radios.size()) << result.err;
        for (std::size_t i = 0; i < run.radios.size(); ++i)
        {
            const FleetRadioCase& c = run.radios[i];
            SCOPED_TRACE(c.serial);
            const auto row =
                std::find_if(rows.begin(), rows.end(),
                             [&](const JournalRow& r) { return r.strPort == devices[i]; });
            ASSERT_NE(row, rows.end());
            EXPECT_EQ(row->strResult.rfind(c.result, 0), 0U) << row->strResult;
            EXPECT_EQ(row->strPlanSha256, planSha256);
            EXPECT_EQ(row->strSerialBefore, c.backup ? c.serial : "");
            EXPECT_EQ(row->strBackup.empty(), !c.backup);
            if (c.backup)
            {
                CRadioImage kept;
                CPlainAppState app;
                ASSERT_TRUE(kept.LoadFromFile(row->strBackup, app));
                EXPECT_EQ(ImageBytes(kept), ImageBytes(MakeRadio(5, c.serial)));
                EXPECT_NE(result.out.find(row->strBackup), std::string::npos) << result.out;
            }
            if (row->Verified())
            {
                EXPECT_EQ(row->strSerialAfter, c.serial);
                EXPECT_EQ(m_sims.radios[i]->Eeprom(), Cloned(c.serial));
            }
        }
        EXPECT_EQ(result.exit, run.exit) << result.err;
        EXPECT_NE(result.out.find(std::string("4 radios: ") + run.summary), std::string::npos)
            << result.out;

        ProgramRun journal = Fleet({}, {});
        journal.args = {"journal", "journal.csv"};
        const ProgramResult summary = RunProgram(journal);
        EXPECT_EQ(summary.exit, 0) << summary.err;
        EXPECT_EQ(summary.out.rfind(std::string("4 radios done: ") + run.summary + "\n", 0), 0U)
            << summary.out;
        EXPECT_NE(summary.out.find(std::string(run.radios[0].serial) + ": verified"),
                  std::string::npos)
            << summary.out;
    }
}

// --loop: a radio taken away and another put on the same lead is programmed
// by itself; Ctrl+C ends the run with every finished radio in the journal.
TEST_F(CliFleetTest, LoopTakesTheNextRadioUntilInterrupted)
{
    const pid_t fleet = StartProgram(Fleet({m_sims.Add("30000001")}, {"--loop"}));
    ASSERT_GT(fleet, 0);
    EXPECT_TRUE(WaitFor([this] { return Journal().size() == 1; }));
    // Taken away: the probe goes unanswered and the port waits for the next.
    // Its line says so a second time (the first was before the first radio).
    m_sims.ports[0]->SetDetached(true);
    EXPECT_TRUE(WaitFor(
        [this]
        {
            const std::string err = ReadText(m_dir.Path("fleet.err"));
            const std::size_t first = err.find("waiting for a radio");
            return first != std::string::npos &&
                   err.find("waiting for a radio", first + 1) != std::string::npos;
        }));
    m_sims.radios[0]->SetEeprom(ImageBytes(MakeRadio(5, "30000002")).data());
    m_sims.ports[0]->SetDetached(false);
    EXPECT_TRUE(WaitFor([this] { return Journal().size() == 2; }))
        << ReadText(m_dir.Path("fleet.err"));

    ::kill(fleet, SIGINT);
    EXPECT_EQ(WaitExit(fleet), 130);
    const auto rows = Journal();
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].strSerialBefore, "30000001");
    EXPECT_EQ(rows[1].strSerialBefore, "30000002");
    EXPECT_TRUE(rows[0].Verified() && rows[1].Verified());
    EXPECT_EQ(m_sims.radios[0]->Eeprom(), Cloned("30000002"));
    EXPECT_NE(ReadText(m_dir.Path("fleet.out")).find("2 radios: 2 verified, 0 failed"),
              std::string::npos);
}

// Ctrl+C while one port writes and another has finished: the write stops
// after its record and still sends the end record, and both radios have
// their rows.
TEST_F(CliFleetTest, CtrlCEndsARunningWriteCleanly)
{
    // Half-way through the write the first radio takes in nothing more.
    const pid_t fleet = StartProgram(
        Fleet({m_sims.Add("40000001", {.pauseAfter = 1025 + 50}), m_sims.Add("40000002")}, {}));
    ASSERT_GT(fleet, 0);
    const bool ready =
        WaitFor([this] { return m_sims.ports[0]->IsPaused() && Journal().size() == 1; });
    ::kill(fleet, SIGINT);
    m_sims.ports[0]->SetPaused(false);
    const int exit = WaitExit(fleet);
    ASSERT_TRUE(ready) << ReadText(m_dir.Path("fleet.err"));
    EXPECT_EQ(exit, 130);
    const auto rows = Journal();
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].strSerialBefore, "40000002");
    EXPECT_TRUE(rows[0].Verified());
    EXPECT_EQ(rows[1].strSerialBefore, "40000001");
    EXPECT_NE(rows[1].strResult.find("interrupted"), std::string::npos) << rows[1].strResult;
    EXPECT_FALSE(rows[1].strBackup.empty());
    EXPECT_FALSE(m_sims.radios[0]->InDownload()) << "the end record reached the radio";
}
} // namespace
