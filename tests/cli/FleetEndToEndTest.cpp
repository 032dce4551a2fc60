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
#include "model/BackupStore.h"
#include "model/CloneJournal.h"
#include "model/ImageClone.h"
#include "model/Sha256.h"

// sim
#include "sim/SimPort.h"
#include "sim/SimRadio.h"

// std
#include <gtest/gtest.h>
#include <chrono>
#include <csignal>
#include <memory>
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

SimFaults Fault(bool silent, bool noise, int hangupAfter)
{
    SimFaults faults;
    faults.silent = silent;
    faults.noise = noise;
    faults.hangupAfter = hangupAfter;
    return faults;
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
        m_plan = MakePlan();
    }

    // One simulated radio a case; their device paths.
    std::vector<std::string> StartRadios(const std::vector<FleetRadioCase>& cases)
    {
        std::vector<std::string> devices;
        for (const FleetRadioCase& c : cases)
        {
            auto radio = std::make_unique<CSimRadio>();
            radio->SetChannels(320);
            const auto bytes = ImageBytes(MakeRadio(5, c.serial));
            radio->SetEeprom(bytes.data());
            auto port = std::make_unique<CSimPort>(*radio);
            port->SetFaults(c.faults);
            EXPECT_TRUE(port->Start());
            devices.push_back(port->DevicePath());
            m_radios.push_back(std::move(radio));
            m_ports.push_back(std::move(port));
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

    // What the radio must hold after its clone: the plan over its own fields.
    std::vector<std::uint8_t> Cloned(const char* serial) const
    {
        CRadioImage merged;
        CImageClone::Merge(MakeRadio(5, serial), m_plan, merged);
        return ImageBytes(merged);
    }

    std::string PlanSha256() const
    {
        const auto bytes = ImageBytes(m_plan);
        return CSha256::Of(bytes.data(), bytes.size());
    }

    CScratchDir m_dir{"cli-fleet"};
    CRadioImage m_plan;
    std::vector<std::unique_ptr<CSimRadio>> m_radios;
    std::vector<std::unique_ptr<CSimPort>> m_ports;
};

// Each radio ends with its own result; a failure touches no other port, and
// every read radio's original is on disk as it was.
TEST_F(CliFleetTest, EachRadioEndsOnItsOwn)
{
    const std::vector<std::vector<FleetRadioCase>> runs = {
        {{"10000001", {}, "verified", true},
         {"10000002", {}, "verified", true},
         {"10000003", {}, "verified", true},
         {"10000004", {}, "verified", true}},
        // The first read is 1024 records and "S9": 500 more is half-way
        // through the write.
        {{"20000001", {}, "verified", true},
         {"20000002", Fault(true, false, -1), "failed: no answer from the radio", false},
         {"20000003", Fault(false, false, 1025 + 500), "failed: the port", true},
         {"20000004", Fault(false, true, -1), "failed: ", false}},
    };
    for (const auto& cases : runs)
    {
        SCOPED_TRACE(cases[0].serial);
        ASSERT_TRUE(WriteText(m_dir.Path("journal.csv"), ""));
        m_ports.clear();
        m_radios.clear();
        const auto devices = StartRadios(cases);
        const ProgramResult result = RunProgram(Fleet(devices, {}));
        const auto rows = Journal();
        ASSERT_EQ(rows.size(), cases.size()) << result.err;
        bool allVerified = true;
        for (std::size_t i = 0; i < cases.size(); ++i)
        {
            const FleetRadioCase& c = cases[i];
            SCOPED_TRACE(c.serial);
            allVerified = allVerified && c.result == std::string("verified");
            const auto row =
                std::find_if(rows.begin(), rows.end(),
                             [&](const JournalRow& r) { return r.strPort == devices[i]; });
            ASSERT_NE(row, rows.end());
            EXPECT_EQ(row->strResult.rfind(c.result, 0), 0U) << row->strResult;
            EXPECT_EQ(row->strPlanSha256, PlanSha256());
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
                EXPECT_EQ(m_radios[i]->Eeprom(), Cloned(c.serial));
            }
        }
        // The worst result is the exit status: the port that went away (9).
        EXPECT_EQ(result.exit, allVerified ? 0 : 9) << result.err;
        EXPECT_NE(result.out.find(allVerified ? "4 radios: 4 verified, 0 failed"
                                              : "4 radios: 1 verified, 3 failed"),
                  std::string::npos)
            << result.out;

        // The journal command reads the same rows back.
        ProgramRun journal = Fleet({}, {});
        journal.args = {"journal", "journal.csv"};
        const ProgramResult summary = RunProgram(journal);
        EXPECT_EQ(summary.exit, 0) << summary.err;
        const auto lines = Lines(summary.out);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), allVerified ? "4 radios done: 4 verified, 0 failed"
                                                          : "4 radios done: 1 verified, 3 failed");
        EXPECT_NE(summary.out.find(std::string(cases[0].serial) + ": verified"),
                  std::string::npos)
            << summary.out;
    }
}

// --loop: a radio taken away and another put on the same lead is programmed
// by itself; Ctrl+C ends the run with every finished radio in the journal.
TEST_F(CliFleetTest, LoopTakesTheNextRadioUntilInterrupted)
{
    const auto devices = StartRadios({{"30000001", {}, "verified", true}});
    const pid_t fleet = StartProgram(Fleet(devices, {"--loop"}));
    ASSERT_GT(fleet, 0);
    const auto waitFor = [](const std::function<bool()>& done)
    {
        for (int i = 0; i < 1200 && !done(); ++i)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return done();
    };
    EXPECT_TRUE(waitFor([this] { return Journal().size() == 1; }));
    // Taken away: the probe goes unanswered and the port waits for the next.
    m_ports[0]->SetDetached(true);
    // Its line says so (the second time: the first was before the first radio).
    EXPECT_TRUE(waitFor(
        [this]
        {
            const std::string err = ReadText(m_dir.Path("fleet.err"));
            const std::size_t first = err.find("waiting for a radio");
            return first != std::string::npos &&
                   err.find("waiting for a radio", first + 1) != std::string::npos;
        }));
    const auto next = ImageBytes(MakeRadio(5, "30000002"));
    m_radios[0]->SetEeprom(next.data());
    m_ports[0]->SetDetached(false);
    EXPECT_TRUE(waitFor([this] { return Journal().size() == 2; }))
        << ReadText(m_dir.Path("fleet.err"));

    ::kill(fleet, SIGINT);
    EXPECT_EQ(WaitExit(fleet), 130);
    const auto rows = Journal();
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].strSerialBefore, "30000001");
    EXPECT_EQ(rows[1].strSerialBefore, "30000002");
    EXPECT_TRUE(rows[0].Verified() && rows[1].Verified());
    EXPECT_EQ(m_radios[0]->Eeprom(), Cloned("30000002"));
    EXPECT_NE(ReadText(m_dir.Path("fleet.out")).find("2 radios: 2 verified, 0 failed"),
              std::string::npos);
}
// Ctrl+C while one port writes and another has finished: the write stops
// after its record and still sends the end record, and both radios have
// their rows.
TEST_F(CliFleetTest, CtrlCEndsARunningWriteCleanly)
{
    SimFaults held;
    held.pauseAfter = 1025 + 50; // half-way through the write it takes in nothing
    const auto devices =
        StartRadios({{"40000001", held, "failed: ", true}, {"40000002", {}, "verified", true}});
    const pid_t fleet = StartProgram(Fleet(devices, {}));
    ASSERT_GT(fleet, 0);
    bool ready = false;
    for (int i = 0; i < 600 && !ready; ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ready = m_ports[0]->IsPaused() && Journal().size() == 1;
    }
    ::kill(fleet, SIGINT);
    m_ports[0]->SetPaused(false);
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
    EXPECT_FALSE(m_radios[0]->InDownload()) << "the end record reached the radio";
}
} // namespace
