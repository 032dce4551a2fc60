// vesk4-cli end to end against vesk4-radiosim: both run as programs, as a
// user would run them.

// own
#include "CliProcessSupport.h"

// link
#include "link/LinkTexts.h"

// model
#include "model/RadioImage.h"

// std
#include <filesystem>
#include <gtest/gtest.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{

// A scratch directory that another user may write too. The programs started
// keep the test process's private runtime directory for their port lock: a
// folder others can write is never used for it.
class CliEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.IsValid());
        // The backups every upload keeps stay in the scratch folder.
        ::setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
    }
    void TearDown() override { StopSim(); }

    std::string Path(const std::string& name) const { return m_dir.Path(name); }

    // Starts vesk4-radiosim and returns the device path it printed.
    std::string StartSim(std::vector<std::string> args = {})
    {
        return m_sim.Start(std::move(args));
    }
    void StopSim() { m_sim.Stop(); }

    using Result = ProgramResult;

    // Runs vesk4-cli in the scratch directory; uid >= 0 runs it as that user.
    Result Cli(std::vector<std::string> args, int uid = -1)
    {
        return FinishCli(StartCli(std::move(args), uid));
    }

    // Starts vesk4-cli without waiting for it; its standard output goes to
    // outPath (a file of the scratch directory when empty).
    pid_t StartCli(std::vector<std::string> args, int uid = -1, std::string outPath = {})
    {
        if (outPath.empty())
        {
            outPath = Path("cli.out");
        }
        m_strOutPath = outPath;
        return StartCliIn(m_dir.Path(), std::move(args), outPath, Path("cli.err"), uid);
    }

    // Waits for a vesk4-cli started by StartCli; exit -1 when a signal ended it.
    Result FinishCli(pid_t child)
    {
        Result result;
        result.exit = WaitExit(child);
        // Only a file of the scratch directory: /dev/full reads as endless zeros.
        if (m_strOutPath.rfind(m_dir.Path() + "/", 0) == 0)
        {
            result.out = ReadText(m_strOutPath);
        }
        result.err = ReadText(Path("cli.err"));
        return result;
    }

    // The records of the simulated radio's log that start with prefix
    // ("<- S1": received data records, "-> S1": sent ones).
    int LoggedRecords(const std::string& prefix) const
    {
        std::istringstream log(ReadText(Path("sim.log")));
        int count = 0;
        for (std::string line; std::getline(log, line);)
        {
            count += line.rfind(prefix, 0) == 0 ? 1 : 0;
        }
        return count;
    }

    // Waits until the log holds at least count such records; false after 20 s.
    bool AwaitLogged(const std::string& prefix, int count) const
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (LoggedRecords(prefix) < count)
        {
            if (std::chrono::steady_clock::now() > deadline)
            {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    // A dump file holding a recognisable image with a consistent injection
    // flag (derived as any load would), and its image bytes.
    std::vector<std::uint8_t> MakeDump(const std::string& path, std::uint8_t seed,
                                       std::int32_t code = 2)
    {
        CRadioImage image;
        std::vector<std::uint8_t> bytes(kImageSize);
        for (std::size_t i = 0; i < bytes.size(); ++i)
        {
            bytes[i] = static_cast<std::uint8_t>(i * seed + (i >> 8));
        }
        EXPECT_TRUE(image.WriteBlock(bytes.data(), 0, kImageSize));
        image.DeriveInjection();
        EXPECT_TRUE(image.ReadBlock(bytes.data(), 0, kImageSize));
        CPlainAppState app;
        app.m_nChannelCode = code;
        EXPECT_TRUE(image.SaveToFile(path, app));
        return bytes;
    }

    std::vector<std::uint8_t> LoadDump(const std::string& path, std::int32_t& code)
    {
        CRadioImage image;
        CPlainAppState app;
        std::vector<std::uint8_t> bytes(kImageSize);
        EXPECT_TRUE(image.LoadFromFile(path, app));
        EXPECT_TRUE(image.ReadBlock(bytes.data(), 0, kImageSize));
        code = app.m_nChannelCode;
        return bytes;
    }

    CScratchDir m_dir{"cli-e2e", 0777};
    std::string m_strOutPath;
    CSimProcess m_sim;
};

TEST_F(CliEndToEnd, UploadGivesTheRadiosImageWithItsCapacityCode)
{
    const auto a = MakeDump(Path("a.dmp"), 7);
    const std::string device = StartSim({"--image", Path("a.dmp")});
    ASSERT_FALSE(device.empty());
    const Result result = Cli({"upload", "--port", device, "-o", "b.dmp", "--progress"});
    ASSERT_EQ(result.exit, 0) << result.err;
    EXPECT_NE(result.err.find("100%"), std::string::npos);
    std::int32_t code = 0;
    EXPECT_EQ(LoadDump(Path("b.dmp"), code), a);
    EXPECT_EQ(code, 2);
}

TEST_F(CliEndToEnd, DownloadThenVerifyFindsNoDifferenceAndTheOldImageEveryChange)
{
    const auto a = MakeDump(Path("a.dmp"), 7);
    const auto c = MakeDump(Path("c.dmp"), 11);
    const std::string device = StartSim({"--image", Path("a.dmp"), "--save", Path("saved.dmp")});
    Result result = Cli({"download", "--port", device, "c.dmp", "--force"});
    ASSERT_EQ(result.exit, 0) << result.err;

    result = Cli({"verify", "--port", device, "c.dmp"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.out, std::string(kVerifyHeading) + "\n");

    result = Cli({"verify", "--port", device, "a.dmp"});
    EXPECT_EQ(result.exit, 1) << result.err;
    std::string expected = std::string(kVerifyHeading) + "\n";
    for (std::uint32_t address = 0; address < kImageSize; ++address)
    {
        if (a[address] != c[address])
        {
            char line[64];
            std::snprintf(line, sizeof line, " %03x    %02x    %02x\n", address, a[address],
                          c[address]);
            expected += line;
        }
    }
    EXPECT_EQ(result.out, expected);

    std::int32_t code = 0;
    EXPECT_EQ(LoadDump(Path("saved.dmp"), code), c);
}

TEST_F(CliEndToEnd, RamWriteThenRamRead)
{
    const std::string device = StartSim();
    Result result = Cli({"ram-write", "--port", device, "0x40", "12", "0xab"});
    ASSERT_EQ(result.exit, 0) << result.err;
    result = Cli({"ram-read", "--port", device, "3f", "4"});
    ASSERT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.out, "Addr   RAMDATA\n 03f    00\n 040    12\n 041    ab\n 042    00\n");
}

TEST_F(CliEndToEnd, PortNamesAreMappedThroughComportIni)
{
    const std::string device = StartSim();
    std::ofstream(Path("Comport.ini"))
        << "[AppComport]\nValue=0\n[Devices]\nCOM3=" << device << "\n";
    const Result result = Cli({"ram-read", "--port", "COM3", "100", "1"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.out, "Addr   RAMDATA\n 100    00\n");
}

struct FaultCase
{
    const char* name;
    std::vector<std::string> simArgs;
    int exit;
    const char* message;
    std::vector<std::string> cliArgs = {};
};

class CliFaults : public CliEndToEnd, public ::testing::WithParamInterface<FaultCase>
{
};

TEST_P(CliFaults, EachFaultHasItsExitStatusAndMessage)
{
    const FaultCase& c = GetParam();
    MakeDump(Path("a.dmp"), 5);
    std::vector<std::string> args = c.simArgs;
    args.insert(args.begin(), {"--image", Path("a.dmp")});
    const std::string device = StartSim(args);
    const std::string before = "an earlier dump file, not to be lost";
    std::ofstream(Path("b.dmp")) << before;
    std::vector<std::string> cliArgs = {"upload", "--port",    device, "-o",
                                        "b.dmp",  "--timeout", "0.5"};
    cliArgs.insert(cliArgs.end(), c.cliArgs.begin(), c.cliArgs.end());
    const Result result = Cli(cliArgs);
    EXPECT_EQ(result.exit, c.exit) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    // Only a complete, good upload replaces the file.
    EXPECT_EQ(ReadText(Path("b.dmp")) == before, c.exit != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFaults,
    ::testing::Values(
        FaultCase{"silent", {"--silent"}, 3, "no answer from the radio"},
        FaultCase{"stallAtOnce", {"--stall-after", "0"}, 3, "no answer"},
        FaultCase{"stall", {"--stall-after", "100"}, 4, "fell silent", {"--silence", "0.3"}},
        FaultCase{"corrupt", {"--corrupt", "10"}, 5, "bad record"},
        FaultCase{"hangup", {"--hangup-after", "300"}, 9, "went away"},
        FaultCase{"endAfterFiveRecords", {"--upload-end", "28"}, 5, "ended its EEPROM at 0x0028"},
        FaultCase{"endShortOfA320ChannelRadio", {"--upload-end", "1FF0"}, 5, "up to 0x2000"},
        FaultCase{"noise", {"--noise"}, 5, kNoValidRecordText},
        FaultCase{"garbage", {"--garbage", "100"}, 0, "EEPROM copy complete."}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

struct InterruptCase
{
    const char* name;
    int signal;
    bool download; // else an upload over an existing file
    const char* baud;
};

class CliInterrupt : public CliEndToEnd, public ::testing::WithParamInterface<InterruptCase>
{
};

// The simulated radio is paced, so the transfer is still under way when the
// signal comes, however fast the machine: an upload goes at the radio's own
// speed, and a download can run only as far ahead of the radio's intake as
// the device's buffer lets it (about 16 KB of the 29 KB the image takes).
TEST_P(CliInterrupt, SignalCancelsTheTransferAsCancelDoes)
{
    const InterruptCase& c = GetParam();
    MakeDump(Path("a.dmp"), 5);
    MakeDump(Path("c.dmp"), 9);
    const std::string before = "an earlier dump file, not to be lost";
    std::ofstream(Path("b.dmp")) << before;
    const std::string device =
        StartSim({"--image", Path("a.dmp"), "--baud", c.baud, "--log", Path("sim.log")});
    ASSERT_FALSE(device.empty());
    const pid_t cli = c.download ? StartCli({"download", "--port", device, "c.dmp", "--force"})
                                 : StartCli({"upload", "--port", device, "-o", "b.dmp"});
    const std::string progress = c.download ? "<- S1" : "-> S1";
    const bool underWay = AwaitLogged(progress, 3);
    ::kill(cli, c.signal);
    const Result result = FinishCli(cli);
    ASSERT_TRUE(underWay) << "the transfer never started";
    EXPECT_EQ(result.exit, 128 + c.signal) << result.err;
    EXPECT_NE(result.err.find("interrupted"), std::string::npos) << result.err;
    EXPECT_EQ(ReadText(Path("b.dmp")), before);
    if (c.download)
    {
        // The radio is told the download has ended, long before its last record.
        EXPECT_TRUE(AwaitLogged("<- S9030000FC", 1));
        EXPECT_LT(LoggedRecords("<- S1"), 1024);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Signals, CliInterrupt,
    ::testing::Values(InterruptCase{"ctrlCDuringDownload", SIGINT, true, "38400"},
                      InterruptCase{"ctrlCDuringUpload", SIGINT, false, "2400"},
                      InterruptCase{"termDuringUpload", SIGTERM, false, "2400"}),
    [](const ::testing::TestParamInfo<InterruptCase>& info) { return info.param.name; });

// Ctrl+C while the radio takes in nothing (stopped as SIGSTOP stops it): the
// end record cannot reach it either, and the message says so.
TEST_F(CliEndToEnd, CtrlCWhileTheRadioTakesNothingSaysTheEndRecordWasNotSent)
{
    MakeDump(Path("c.dmp"), 9);
    const std::string device = StartSim({"--baud", "38400", "--log", Path("sim.log")});
    ASSERT_FALSE(device.empty());
    const pid_t cli =
        StartCli({"download", "--port", device, "c.dmp", "--silence", "0.2", "--force"});
    const bool underWay = AwaitLogged("<- S1", 3);
    m_sim.Signal(SIGSTOP);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ::kill(cli, SIGINT);
    const Result result = FinishCli(cli);
    m_sim.Signal(SIGCONT);
    ASSERT_TRUE(underWay) << "the download never started";
    EXPECT_EQ(result.exit, 130) << result.err;
    EXPECT_NE(result.err.find("its end record\ncould not be sent"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("still in programming mode"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("end record sent"), std::string::npos) << result.err;
    EXPECT_EQ(LoggedRecords("<- S9"), 0);
}

// Output that cannot be written is a file error, whichever command wrote it.
TEST_F(CliEndToEnd, OutputThatCannotBeWrittenIsAnError)
{
    if (::access("/dev/full", W_OK) != 0)
    {
        GTEST_SKIP() << "no /dev/full here";
    }
    MakeDump(Path("a.dmp"), 5);
    const std::string device = StartSim({"--image", Path("a.dmp")});
    ASSERT_FALSE(device.empty());
    const std::vector<std::vector<std::string>> commands = {
        {"ram-read", "--port", device, "40", "4"},
        {"verify", "--port", device, "a.dmp"},
        {"info", "a.dmp"},
        {"report", "a.dmp"},
        {"hexdump", "a.dmp"},
        {"--help"},
    };
    for (const auto& command : commands)
    {
        const Result result = FinishCli(StartCli(command, -1, "/dev/full"));
        EXPECT_EQ(result.exit, 10) << command[0] << ": " << result.err;
        EXPECT_NE(result.err.find("cannot write the output"), std::string::npos)
            << command[0] << ": " << result.err;
    }
}

TEST_F(CliEndToEnd, PortThatDoesNotExist)
{
    const Result result = Cli({"upload", "--port", "/dev/vesk4-nothing", "-o", "b.dmp"});
    EXPECT_EQ(result.exit, 6);
    EXPECT_NE(result.err.find("does not exist"), std::string::npos) << result.err;
}

TEST_F(CliEndToEnd, PortInUseByAnotherProgram)
{
    const std::string device = StartSim();
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const Result result = Cli({"ram-read", "--port", device, "40", "1"});
    EXPECT_EQ(result.exit, 7);
    EXPECT_NE(result.err.find("in use"), std::string::npos) << result.err;
    // The lock names its holder: this test program, a copy by its name.
    EXPECT_NE(result.err.find("(process " + std::to_string(::getpid()) + ")"), std::string::npos)
        << result.err;
    ::close(fd);
}

TEST_F(CliEndToEnd, PortsSaysWhetherAPortCanBeHadAndWhyNot)
{
    const std::string device = StartSim();
    const std::string link = Path("usb-Test_Cable_T1-if00-port0");
    std::filesystem::create_symlink(Path("unplugged"), link);
    const struct
    {
        std::vector<std::string> args;
        int exit;
        std::string says;
    } cases[] = {
        {{"ports", "--port", device}, 0, device + ": can be opened."},
        {{"ports", "--port", link},
         6,
         "the device went away: it was usb-Test_Cable_T1-if00-port0."},
        {{"ports", "--diagnose"}, 0, ""},
    };
    for (const auto& c : cases)
    {
        const Result result = Cli(c.args);
        EXPECT_EQ(result.exit, c.exit) << result.err;
        EXPECT_NE(result.out.find(c.says), std::string::npos) << result.out;
    }
    const Result upload = Cli({"upload", "--port", link, "-o", "b.dmp"});
    EXPECT_EQ(upload.exit, 6);
    EXPECT_NE(upload.err.find("vesk4-cli: the device went away"), std::string::npos) << upload.err;
}

TEST_F(CliEndToEnd, PortWithoutPermissionSaysHowToFixIt)
{
    if (::getuid() != 0)
    {
        GTEST_SKIP() << "needs root to run the program as another user";
    }
    const std::string device = StartSim(); // owned by root, mode 0620
    const Result result = Cli({"ram-read", "--port", device, "40", "1"}, 65534);
    if (result.exit == 126 || result.exit == 127)
    {
        GTEST_SKIP() << "the test programs cannot be run by another user from here";
    }
    EXPECT_EQ(result.exit, 8) << result.err;
    EXPECT_NE(result.err.find("dialout"), std::string::npos) << result.err;
}

TEST_F(CliEndToEnd, FileThatCannotBeRead)
{
    const std::string device = StartSim();
    const Result result = Cli({"download", "--port", device, "missing.dmp"});
    EXPECT_EQ(result.exit, 10);
    std::ofstream(Path("short.dmp")) << "too short";
    EXPECT_EQ(Cli({"verify", "--port", device, "short.dmp"}).exit, 10);
}

TEST_F(CliEndToEnd, CommandLineMistakes)
{
    const struct
    {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{}, "no command"},
        {{"fly", "--port", "COM1"}, "unknown command"},
        {{"upload", "-o", "x.dmp"}, "--port is required"},
        {{"upload", "--port", "COM1"}, "-o FILE.dmp"},
        {{"upload", "--port", "COM9", "-o", "x.dmp"}, "neither COM1..COM4"},
        {{"ram-read", "--port", "COM1", "12G", "1"}, "not a hexadecimal address"},
        {{"ram-read", "--port", "COM1", "ffff", "2"}, "Set Byte Error !"},
        {{"ram-read", "--port", "COM1", "0", "9"}, "Set Byte Error !"},
        {{"ram-write", "--port", "COM1", "0", "12"}, "Hex Address Error ! "},
        {{"ram-write", "--port", "COM1", "43c", "1", "2", "3", "4", "5"}, "Hex Address Error ! "},
        {{"ram-write", "--port", "COM1", "40", "1FF"}, "Hex Data Error ! "},
        {{"download", "--port", "COM1"}, "wrong number of arguments"},
    };
    for (const auto& c : cases)
    {
        const Result result = Cli(c.args);
        EXPECT_EQ(result.exit, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    const Result help = Cli({"--help"});
    EXPECT_EQ(help.exit, 0);
    EXPECT_NE(help.out.find("Usage: vesk4-cli"), std::string::npos);
}
} // namespace
