// vesk4-cli end to end against vesk4-radiosim: both run as programs, as a
// user would run them.

// link
#include "link/LinkTexts.h"

// model
#include "model/RadioImage.h"

// std
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
#include <unistd.h>
#include <vector>

namespace
{
std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A scratch directory, also the lock directory of every program started.
class CliEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vesk4-cli-e2e-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_strDir = pattern;
        ::chmod(pattern, 0777);
        ::setenv("XDG_RUNTIME_DIR", pattern, 1);
    }
    void TearDown() override
    {
        StopSim();
        const std::string command = "rm -rf '" + m_strDir + "'";
        (void)!std::system(command.c_str());
    }

    std::string Path(const std::string& name) const { return m_strDir + "/" + name; }

    // Starts vesk4-radiosim and returns the device path it printed.
    std::string StartSim(std::vector<std::string> args = {})
    {
        int out[2];
        if (::pipe(out) != 0)
            return {};
        const pid_t child = ::fork();
        if (child == 0)
        {
            ::dup2(out[1], STDOUT_FILENO);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDERR_FILENO);
            ::close(out[0]);
            std::vector<char*> argv = {const_cast<char*>(VESK4_RADIOSIM)};
            for (std::string& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execv(VESK4_RADIOSIM, argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_nSim = child;
        m_nSimOut = out[0];
        std::string line;
        char c = 0;
        while (::read(m_nSimOut, &c, 1) == 1 && c != '\n')
            line += c;
        return line;
    }

    void StopSim()
    {
        if (m_nSim > 0)
        {
            ::kill(m_nSim, SIGTERM);
            ::waitpid(m_nSim, nullptr, 0);
            m_nSim = -1;
        }
        if (m_nSimOut >= 0)
            ::close(m_nSimOut);
        m_nSimOut = -1;
    }

    struct Result
    {
        int exit = -1;
        std::string out;
        std::string err;
    };

    // Runs vesk4-cli in the scratch directory; uid >= 0 runs it as that user.
    Result Cli(std::vector<std::string> args, int uid = -1)
    {
        const std::string outPath = Path("cli.out");
        const std::string errPath = Path("cli.err");
        const pid_t child = ::fork();
        if (child == 0)
        {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            ::dup2(out, STDOUT_FILENO);
            ::dup2(err, STDERR_FILENO);
            if (::chdir(m_strDir.c_str()) != 0)
                ::_exit(126);
            if (uid >= 0 &&
                (::setgid(static_cast<gid_t>(uid)) != 0 || ::setuid(static_cast<uid_t>(uid)) != 0))
                ::_exit(126);
            std::vector<char*> argv = {const_cast<char*>(VESK4_CLI)};
            for (std::string& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execv(VESK4_CLI, argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        Result result;
        result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = ReadFile(outPath);
        result.err = ReadFile(errPath);
        return result;
    }

    // A dump file holding a recognisable image with a consistent injection
    // flag (derived as any load would), and its image bytes.
    std::vector<std::uint8_t> MakeDump(const std::string& path, std::uint8_t seed,
                                       std::int32_t code = 2)
    {
        CRadioImage image;
        std::vector<std::uint8_t> bytes(kImageSize);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(i * seed + (i >> 8));
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

    std::string m_strDir;
    pid_t m_nSim = -1;
    int m_nSimOut = -1;
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

TEST_F(CliEndToEnd, UploadFromA120ChannelRadioResetsTheUpperChannels)
{
    const auto a = MakeDump(Path("a.dmp"), 3);
    const std::string device = StartSim({"--image", Path("a.dmp"), "--channels", "120"});
    const Result result = Cli({"upload", "--port", device, "-o", "b.dmp"});
    ASSERT_EQ(result.exit, 0) << result.err;
    std::int32_t code = 0;
    const auto b = LoadDump(Path("b.dmp"), code);
    EXPECT_EQ(code, 1);
    const std::uint32_t upper = 0x340 + 120 * 23;
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + upper),
              std::vector<std::uint8_t>(a.begin(), a.begin() + upper));
    CRadioImage cleared;
    std::uint8_t defaults[kImageSize];
    ASSERT_TRUE(cleared.ReadBlock(defaults, 0, kImageSize));
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + upper, b.begin() + upper + 9),
              std::vector<std::uint8_t>(defaults + upper, defaults + upper + 9));
}

TEST_F(CliEndToEnd, DownloadThenVerifyFindsNoDifferenceAndTheOldImageEveryChange)
{
    const auto a = MakeDump(Path("a.dmp"), 7);
    const auto c = MakeDump(Path("c.dmp"), 11);
    const std::string device = StartSim({"--image", Path("a.dmp"), "--save", Path("saved.dmp")});
    Result result = Cli({"download", "--port", device, "c.dmp"});
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
    const Result result = Cli({"upload", "--port", device, "-o", "b.dmp", "--timeout", "0.5"});
    EXPECT_EQ(result.exit, c.exit) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    // Only a complete, good upload leaves a file behind.
    EXPECT_EQ(::access(Path("b.dmp").c_str(), F_OK) == 0, c.exit == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFaults,
    ::testing::Values(FaultCase{"silent", {"--silent"}, 3, "no answer from the radio"},
                      FaultCase{"stallAtOnce", {"--stall-after", "0"}, 3, "no answer"},
                      FaultCase{"stall", {"--stall-after", "100"}, 4, "fell silent"},
                      FaultCase{"corrupt", {"--corrupt", "10"}, 5, "bad record"},
                      FaultCase{"hangup", {"--hangup-after", "300"}, 9, "went away"},
                      FaultCase{"garbage", {"--garbage", "100"}, 0, "EEPROM copy complete."}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

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
    ::close(fd);
}

TEST_F(CliEndToEnd, PortWithoutPermissionSaysHowToFixIt)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "needs root to run the program as another user";
    const std::string device = StartSim(); // owned by root, mode 0620
    const Result result = Cli({"ram-read", "--port", device, "40", "1"}, 65534);
    if (result.exit == 126 || result.exit == 127)
        GTEST_SKIP() << "the test programs cannot be run by another user from here";
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
