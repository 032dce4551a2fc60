// vesk4-cli's clone, backups, download --verify and --trace end to end: the
// program runs as a user would run it, against the simulated radio held in
// this process so that a test can make it pause or fail at a chosen moment.

// own
#include "CloneImages.h" // tests/common

// own (tests/common)
#include "ProgramRunner.h"
#include "TestFiles.h"

// link
#include "link/LinkTexts.h"

// model
#include "model/BackupStore.h"
#include "model/ImageClone.h"
#include "model/RadioImage.h"

// sim
#include "sim/SimPort.h"
#include "sim/SimRadio.h"

// std
#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// The plan with channel 3 in use at 150 MHz both ways, named BAD, and with
// `txWord` as its transmit word: a word of a grid frequency, or (468 << 7) |
// 100, a swallow count the prescaler of 64 cannot take.
CRadioImage PlanWithChannel3(std::uint32_t txWord = 0x0EA30)
{
    CRadioImage image = MakePlan();
    EXPECT_TRUE(image.SetRxUnused(2, 0) && image.SetRxWord(2, 0x13098));
    EXPECT_TRUE(image.SetTxUnused(2, 0) && image.SetTxWord(2, txWord));
    EXPECT_TRUE(image.SetChannelName(2, "BAD") && image.UpdateCheck(2));
    return image;
}
constexpr std::uint32_t kOffGridWord = (468u << 7) | 100u;

class CliRadioTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.IsValid());
        m_strBackups = Path("data/vesk4/backups");
    }
    void TearDown() override { m_pPort.reset(); }

    std::string Path(const std::string& name) const { return m_dir.Path(name); }

    void SaveDump(const CRadioImage& image, const std::string& name, std::int32_t code = 2)
    {
        CPlainAppState app;
        app.m_nChannelCode = code;
        ASSERT_TRUE(image.SaveToFile(Path(name), app));
    }

    // Starts the simulated radio holding image; returns its device path.
    std::string StartRadio(const CRadioImage& image, int channels = 320,
                           const SimFaults& faults = SimFaults())
    {
        m_radio.SetChannels(channels);
        const auto bytes = ImageBytes(image);
        m_radio.SetEeprom(bytes.data());
        m_pPort = std::make_unique<CSimPort>(m_radio);
        m_pPort->SetFaults(faults);
        if (!m_pPort->Start())
        {
            return {};
        }
        return m_pPort->DevicePath();
    }

    using Result = ProgramResult;

    // Runs vesk4-cli in the scratch folder with XDG_DATA_HOME inside it and
    // the extra environment given.
    Result Cli(std::vector<std::string> args,
               const std::vector<std::pair<std::string, std::string>>& env = {})
    {
        ProgramRun run;
        run.program = VESK4_CLI;
        run.args = std::move(args);
        run.dir = m_dir.Path();
        run.outPath = Path("cli.out");
        run.errPath = Path("cli.err");
        run.env = {{"XDG_DATA_HOME", Path("data")}};
        run.env.insert(run.env.end(), env.begin(), env.end());
        run.unset = {"VESK4_BACKUPS"};
        return RunProgram(run);
    }

    std::vector<std::string> Backups(const std::string& folder) const
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec))
        {
            names.push_back(entry.path().string());
        }
        return names;
    }

    static std::vector<std::uint8_t> LoadImage(const std::string& path, std::int32_t* code = nullptr)
    {
        CRadioImage image;
        CPlainAppState app;
        EXPECT_TRUE(image.LoadFromFile(path, app)) << path;
        if (code != nullptr)
        {
            *code = app.m_nChannelCode;
        }
        return ImageBytes(image);
    }

    std::vector<std::uint8_t> RadioEeprom() const { return m_radio.Eeprom(); }

    CScratchDir m_dir{"cli-clone"};
    std::string m_strBackups;
    CSimRadio m_radio;
    std::unique_ptr<CSimPort> m_pPort;
};

TEST_F(CliRadioTest, CloneKeepsTheRadiosOwnFieldsAndWritesThePlan)
{
    const CRadioImage radio = MakeRadio();
    const CRadioImage plan = MakePlan();
    SaveDump(plan, "plan.dmp");
    const std::string device = StartRadio(radio);
    ASSERT_FALSE(device.empty());

    const Result result = Cli({"clone", "--port", device, "plan.dmp", "--quiet"});
    ASSERT_EQ(result.exit, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 1U) << result.out;
    EXPECT_NE(lines[0].find("serial 12AB3400"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("written and verified"), std::string::npos) << lines[0];

    CRadioImage written;
    const auto eeprom = RadioEeprom();
    ASSERT_TRUE(written.WriteBlock(eeprom.data(), 0, kImageSize));
    std::string text;
    int value = -1;
    EXPECT_TRUE(written.GetSerialNumber(text) && text == "12AB3400") << text;
    EXPECT_TRUE(written.GetCustomer(text) && text.rfind("77 ", 0) == 0) << text;
    EXPECT_TRUE(written.GetTxHighPowerLevel(value) && value == 201);
    EXPECT_TRUE(written.GetSqVolume(value) && value == 44);
    EXPECT_TRUE(written.GetChannelName(0, text) && text.rfind("DEPOT", 0) == 0) << text;
    EXPECT_TRUE(written.GetChannelName(119, text) && text.rfind("YARD", 0) == 0) << text;
    EXPECT_TRUE(written.GetGroupName(0, text) && text.rfind("NORTH", 0) == 0) << text;
    EXPECT_TRUE(written.GetAniNumber(text) && text.rfind("4711", 0) == 0) << text;
    EXPECT_TRUE(written.GetTimeOutTimer(value) && value == 2);
    CRadioImage merged;
    CImageClone::Merge(radio, plan, merged);
    EXPECT_EQ(eeprom, ImageBytes(merged));

    // The radio's image as it was before the clone, in the backup folder.
    const auto backups = Backups(m_strBackups);
    ASSERT_EQ(backups.size(), 1U);
    EXPECT_NE(lines[0].find(backups[0]), std::string::npos) << lines[0];
    EXPECT_EQ(LoadImage(backups[0]), ImageBytes(radio));
}

TEST_F(CliRadioTest, APlanThatDoesNotFitIsRefusedBeforeAnythingIsWritten)
{
    const struct
    {
        const char* name;
        CRadioImage plan;
        std::int32_t code;
        const char* reason;
    } cases[] = {
        {"another model", MakePlan(6), 2, "the plan is for VHF(H) B Band, the radio is VHF(H) A Band"},
        {"another capacity", MakePlan(), 1, "the plan has 120 channels, the radio 320"},
    };
    const CRadioImage radio = MakeRadio();
    const std::string device = StartRadio(radio);
    ASSERT_FALSE(device.empty());
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SaveDump(c.plan, "plan.dmp", c.code);
        const Result result = Cli({"clone", "--port", device, "plan.dmp", "--no-backup"});
        EXPECT_EQ(result.exit, 13) << result.err;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("nothing was written"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(m_radio.DownloadsCompleted(), 0);
    EXPECT_FALSE(m_radio.InDownload());
    EXPECT_EQ(RadioEeprom(), ImageBytes(radio));
    // With backups off the copy made in case of a failure is not kept.
    EXPECT_EQ(Backups(m_strBackups).size(), 0U);
}

struct CloneFailure
{
    const char* name;
    int exit;
    const char* message;
    bool stopAfterWrite; // the radio falls silent once it has taken the plan
    SimFaults faults;
};

class CliCloneFailure : public CliRadioTest, public ::testing::WithParamInterface<CloneFailure>
{
};

// Whatever step fails, the radio's original image is left in the backup
// folder and stderr says where, even with backups turned off.
TEST_P(CliCloneFailure, LeavesTheRadiosOriginalInTheBackupFolder)
{
    const CloneFailure& c = GetParam();
    const CRadioImage radio = MakeRadio();
    SaveDump(MakePlan(), "plan.dmp");
    if (c.stopAfterWrite)
    {
        m_radio.SetDownloadHook([this] { m_pPort->SetPaused(true); });
    }
    const std::string device = StartRadio(radio, 320, c.faults);
    ASSERT_FALSE(device.empty());
    const Result result = Cli({"clone", "--port", device, "plan.dmp", "--timeout", "0.5",
                               "--silence", "0.3", "--backup-dir", "kept"},
                              {{"VESK4_BACKUPS", "off"}});
    if (m_pPort)
    {
        m_pPort->SetPaused(false);
    }
    EXPECT_EQ(result.exit, c.exit) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    const auto backups = Backups(Path("kept"));
    ASSERT_EQ(backups.size(), 1U);
    EXPECT_NE(result.err.find("original image is kept in " + backups[0]), std::string::npos)
        << result.err;
    EXPECT_EQ(LoadImage(backups[0]), ImageBytes(radio));
}

SimFaults StallAfter(int records)
{
    SimFaults faults;
    faults.stallAfter = records;
    return faults;
}

SimFaults PauseAfter(int records)
{
    SimFaults faults;
    faults.pauseAfter = records;
    return faults;
}

SimFaults HangUpAfter(int records)
{
    SimFaults faults;
    faults.hangupAfter = records;
    return faults;
}

// The first read is 1024 records and "S9"; the read-back the same again.
INSTANTIATE_TEST_SUITE_P(
    Steps, CliCloneFailure,
    ::testing::Values(
        CloneFailure{"silentOnceWritten", 3, "no answer from the radio", true, SimFaults()},
        CloneFailure{"silentHalfWayThroughTheReadBack", 4, "fell silent", false,
                     StallAfter(1025 + 500)},
        CloneFailure{"goneHalfWayThroughTheWrite", 9, "went away", false, HangUpAfter(1025 + 500)},
        // A radio that stops taking data: the line fills and the write stalls.
        CloneFailure{"stoppedHalfWayThroughTheWrite", 11, "stopped taking data at address 0x",
                     false, PauseAfter(1025 + 50)}),
    [](const ::testing::TestParamInfo<CloneFailure>& info) { return info.param.name; });

TEST_F(CliRadioTest, DownloadVerifyNamesTheFirstByteTheRadioDidNotKeep)
{
    const CRadioImage radio = MakeRadio();
    SaveDump(MakePlan(), "plan.dmp");
    const std::string device = StartRadio(radio);
    ASSERT_FALSE(device.empty());

    Result result = Cli({"download", "--port", device, "plan.dmp", "--verify"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_NE(result.err.find("the radio holds what was written"), std::string::npos)
        << result.err;

    // Two EEPROM cells that no longer take what is written to them.
    m_radio.SetDownloadHook(
        [this]
        {
            auto eeprom = m_radio.Eeprom();
            eeprom[0x0123] = 0x5A;
            eeprom[0x1FFF] = static_cast<std::uint8_t>(~eeprom[0x1FFF]);
            m_radio.SetEeprom(eeprom.data());
        });
    const auto written = LoadImage(Path("plan.dmp"));
    result = Cli({"download", "--port", device, "plan.dmp", "--verify"});
    EXPECT_EQ(result.exit, 12) << result.err;
    char expected[96];
    std::snprintf(expected, sizeof expected, "address 0x0123 (written %02X, read 5A), 2 byte(s)",
                  written[0x0123]);
    EXPECT_NE(result.err.find(expected), std::string::npos) << result.err;
}

// A 120-channel radio sends only what it holds; the file's channels above
// 120 that are in use are a difference, never "the same".
TEST_F(CliRadioTest, ChannelsTheRadioCannotHoldAreADifference)
{
    CRadioImage plan = MakePlan();
    ASSERT_TRUE(plan.SetRxUnused(199, 0));
    SaveDump(plan, "plan.dmp");
    const std::string device = StartRadio(plan, 120);
    ASSERT_FALSE(device.empty());
    for (const char* command : {"verify", "download"})
    {
        // Channel 200 is in use without a frequency, which only --force writes.
        const Result result = Cli({command, "--port", device, "plan.dmp", "--verify", "--force"});
        EXPECT_EQ(result.exit, command[0] == 'v' ? 1 : 12) << command << ": " << result.err;
        EXPECT_NE(result.err.find("holds 120 channels, so only those were compared; 1 channel(s)"),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(result.err.find("the radio holds what was written"), std::string::npos)
            << result.err;
    }
}

TEST_F(CliRadioTest, TraceHoldsEveryRecordWithItsTime)
{
    SaveDump(MakePlan(), "plan.dmp");
    const std::string device = StartRadio(MakeRadio());
    ASSERT_FALSE(device.empty());
    const struct
    {
        std::vector<std::string> args;
        int sentS1;
        int receivedS1;
        const char* first;
        const char* last;
    } cases[] = {
        {{"upload", "-o", "out.dmp"}, 0, 1024, "-> M3030000FC", "<- S9030000FC"},
        {{"download", "plan.dmp"}, 1024, 0, "-> M2030000FC", "-> S9030000FC"},
        {{"download", "plan.dmp", "--verify"}, 1024, 1024, "-> M2030000FC", "<- S9030000FC"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.args[0]);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--port", device, "--trace", "trace.log"});
        const Result result = Cli(args);
        ASSERT_EQ(result.exit, 0) << result.err;
        const auto lines = Lines(ReadText(Path("trace.log")));
        ASSERT_GE(lines.size(), 3U);
        EXPECT_EQ(lines[0].rfind("# vesk4-cli trace started 20", 0), 0U) << lines[0];
        EXPECT_EQ(lines[0].back(), 'Z') << lines[0];
        int sent = 0;
        int received = 0;
        long previous = -1;
        for (std::size_t i = 1; i < lines.size(); ++i)
        {
            const std::string& line = lines[i];
            const auto ms = line.find(" ms ");
            ASSERT_NE(ms, std::string::npos) << line;
            const long stamp = std::stol(line.substr(0, ms));
            EXPECT_GE(stamp, previous) << line;
            previous = stamp;
            const std::string record = line.substr(ms + 4);
            sent += record.rfind("-> S1", 0) == 0 ? 1 : 0;
            received += record.rfind("<- S1", 0) == 0 ? 1 : 0;
        }
        EXPECT_EQ(sent, c.sentS1);
        EXPECT_EQ(received, c.receivedS1);
        EXPECT_EQ(lines[1].substr(lines[1].find(" ms ") + 4), c.first);
        EXPECT_EQ(lines.back().substr(lines.back().find(" ms ") + 4), c.last);
    }
}

TEST_F(CliRadioTest, ATraceFileThatCannotBeWrittenStopsBeforeTheRadio)
{
    const std::string device = StartRadio(MakeRadio());
    const Result result =
        Cli({"upload", "--port", device, "-o", "out.dmp", "--trace", "missing/trace.log"});
    EXPECT_EQ(result.exit, 10) << result.err;
    EXPECT_NE(result.err.find("cannot write the trace file missing/trace.log"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("out.dmp")));
}

TEST_F(CliRadioTest, EveryUploadKeepsABackupUnlessTurnedOff)
{
    const CRadioImage radio = MakeRadio();
    const std::string device = StartRadio(radio);
    ASSERT_FALSE(device.empty());
    const struct
    {
        const char* name;
        std::vector<std::string> extra;
        std::vector<std::pair<std::string, std::string>> env;
        std::string folder; // where a backup is expected, empty: none anywhere
    } cases[] = {
        {"default", {}, {}, m_strBackups},
        {"--no-backup", {"--no-backup"}, {}, ""},
        {"VESK4_BACKUPS=off", {}, {{"VESK4_BACKUPS", "off"}}, ""},
        {"--backup-dir", {"--backup-dir", "elsewhere"}, {}, Path("elsewhere")},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::error_code ec;
        fs::remove_all(Path("data"), ec);
        fs::remove_all(Path("elsewhere"), ec);
        std::vector<std::string> args = {"upload", "--port", device, "-o", "out.dmp"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const Result result = Cli(args, c.env);
        ASSERT_EQ(result.exit, 0) << result.err;
        const std::size_t kept =
            Backups(m_strBackups).size() + Backups(Path("elsewhere")).size();
        if (c.folder.empty())
        {
            EXPECT_EQ(kept, 0U);
            continue;
        }
        const auto backups = Backups(c.folder);
        ASSERT_EQ(backups.size(), 1U);
        EXPECT_EQ(kept, 1U);
        EXPECT_NE(result.err.find(backups[0]), std::string::npos) << result.err;
        std::int32_t code = 0;
        EXPECT_EQ(LoadImage(backups[0], &code), LoadImage(Path("out.dmp")));
        EXPECT_EQ(code, 2);
        EXPECT_EQ(fs::path(backups[0]).filename().string().substr(16), "_12AB3400.dmp");
    }
}

TEST_F(CliRadioTest, DiffAgainstTheRadioKeepsABackupToo)
{
    const CRadioImage radio = MakeRadio();
    SaveDump(MakePlan(), "plan.dmp");
    const std::string device = StartRadio(radio);
    ASSERT_FALSE(device.empty());
    const Result result = Cli({"diff", "plan.dmp", "--port", device});
    EXPECT_EQ(result.exit, 1) << result.err;
    const auto backups = Backups(m_strBackups);
    ASSERT_EQ(backups.size(), 1U);
    EXPECT_EQ(LoadImage(backups[0]), ImageBytes(radio));
}

TEST_F(CliRadioTest, ABackupThatFailsIsOnlyAWarning)
{
    const std::string device = StartRadio(MakeRadio());
    std::ofstream(Path("data")) << "a file where the folder should be";
    const Result result = Cli({"upload", "--port", device, "-o", "out.dmp"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_NE(result.err.find("warning: no backup of the radio was kept"), std::string::npos)
        << result.err;
    EXPECT_EQ(LoadImage(Path("out.dmp")), ImageBytes(MakeRadio()));
}

TEST_F(CliRadioTest, BackupsAreListedNewestLast)
{
    CBackupStore store(m_strBackups);
    std::string path;
    BackupError error = BackupError::None;
    CRadioImage older = MakeRadio(9);
    ASSERT_TRUE(older.SetSerialNumber("1111"));
    ASSERT_TRUE(store.Save(MakeRadio(), CPlainAppState(), 1796731772, path, error));
    ASSERT_TRUE(store.Save(older, CPlainAppState(), 1796731772 - 86400, path, error));

    const Result result = Cli({"backups"});
    ASSERT_EQ(result.exit, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 3U) << result.out;
    EXPECT_EQ(lines[0].rfind("FILE", 0), 0U);
    EXPECT_EQ(lines[1].rfind("20261207T120932Z_1111.dmp", 0), 0U) << lines[1];
    EXPECT_NE(lines[1].find("UHF A Band"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2].rfind("20261208T120932Z_12AB3400.dmp", 0), 0U) << lines[2];
    EXPECT_NE(lines[2].find("12AB3400"), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("VHF(H) A Band"), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("2026-12-08 12:09:32 UTC"), std::string::npos) << lines[2];
    EXPECT_NE(result.err.find(m_strBackups), std::string::npos) << result.err;

    const Result none = Cli({"backups", "--backup-dir", "empty"});
    EXPECT_EQ(none.exit, 0) << none.err;
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("No backups"), std::string::npos) << none.err;
}
} // namespace

TEST_F(CliRadioTest, CheckExitsByWhatItFinds)
{
    const struct
    {
        const char* name;
        CRadioImage plan;
        int exit;
        const char* firstLine; // of standard output; "" for none
    } cases[] = {
        {"nothing", PlanWithChannel3(), 0, ""},
        {"warnings", MakePlan(), 1, "Warning: Channel Number: no channel is in use"},
        {"errors", PlanWithChannel3(kOffGridWord), 14,
         "Error: channel 3, Transmit Freq: synthesizer word 0x0EA64 is not that of a frequency "
         "on the 5 kHz grid of this model"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SaveDump(c.plan, "plan.dmp");
        const Result result = Cli({"check", "plan.dmp"});
        EXPECT_EQ(result.exit, c.exit) << result.err;
        EXPECT_EQ(Lines(result.out).empty() ? "" : Lines(result.out)[0], c.firstLine);
    }
}

// download and clone make the same check: errors write nothing unless
// --force is given; warnings are told and the write goes on.
TEST_F(CliRadioTest, DownloadAndCloneRefuseAnImageWithErrors)
{
    const CRadioImage radio = MakeRadio();
    SaveDump(PlanWithChannel3(kOffGridWord), "bad.dmp");
    SaveDump(MakePlan(), "warned.dmp");
    const std::string device = StartRadio(radio);
    ASSERT_FALSE(device.empty());
    for (const char* command : {"download", "clone"})
    {
        SCOPED_TRACE(command);
        const Result result = Cli({command, "--port", device, "bad.dmp", "--no-backup"});
        EXPECT_EQ(result.exit, 14) << result.err;
        EXPECT_NE(result.err.find("Error: channel 3, Transmit Freq:"), std::string::npos)
            << result.err;
        EXPECT_NE(result.err.find("bad.dmp is not written"), std::string::npos) << result.err;
    }
    EXPECT_EQ(m_radio.DownloadsCompleted(), 0);
    EXPECT_EQ(RadioEeprom(), ImageBytes(radio));

    Result result = Cli({"download", "--port", device, "warned.dmp"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_NE(result.err.find("Warning: Channel Number: no channel is in use"), std::string::npos)
        << result.err;
    result = Cli({"download", "--port", device, "bad.dmp", "--force"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_NE(result.err.find("written with 1 error(s), as --force asks"), std::string::npos)
        << result.err;
    EXPECT_EQ(RadioEeprom(), LoadImage(Path("bad.dmp")));
}
