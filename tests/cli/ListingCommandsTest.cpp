// vesk4-cli report, hexdump and info, run as a program on dump files written
// into a temporary folder.

// own (tests/common)
#include "ProgramRunner.h"
#include "TestFiles.h"

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// std
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

namespace fs = std::filesystem;

struct CliResult
{
    int status = -1;
    std::vector<std::string> lines;
    std::string err;
};

class ListingCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_scratch.IsValid()); }

    // Runs vesk4-cli with the given standard output, which defaults to a file
    // that is then split into lines.
    CliResult Run(const std::vector<std::string>& args, const std::string& stdoutPath = {})
    {
        ProgramRun run;
        run.program = VESK4_CLI;
        run.args = args;
        run.outPath = stdoutPath.empty() ? (m_dir / "out.txt").string() : stdoutPath;
        run.errPath = (m_dir / "err.txt").string();
        const int status = WaitExit(StartProgram(run));
        CliResult result;
        result.status = status;
        result.err = ReadText(run.errPath);
        if (stdoutPath.empty())
        {
            result.lines = Lines(ReadText(run.outPath));
        }
        return result;
    }

    std::string Save(const CRadioImage& image, const std::string& name, std::int32_t code)
    {
        CPlainAppState app;
        app.m_nChannelCode = code;
        const std::string path = (m_dir / name).string();
        EXPECT_TRUE(image.SaveToFile(path, app));
        return path;
    }

    // Channels 1 and 200 in use on model 5.
    static CRadioImage TwoChannelImage()
    {
        CRadioImage image;
        EXPECT_TRUE(image.SetModel(5));
        EXPECT_TRUE(image.SetSerialNumber("4711"));
        EXPECT_TRUE(image.SetDate(2001, 2, 3));
        for (int n : {0, 199})
        {
            EXPECT_TRUE(image.SetRxUnused(n, 0));
            EXPECT_TRUE(image.SetRxWord(n, 0x0A408));
        }
        return image;
    }

    CScratchDir m_scratch{"listing"};
    fs::path m_dir{m_scratch.Path()};
};

TEST_F(ListingCommandsTest, ReportListsChannelsByTheFileCapacityCode)
{
    const CRadioImage image = TwoChannelImage();

    const CliResult big = Run({"report", Save(image, "big.dmp", 2)});
    EXPECT_EQ(big.status, 0) << big.err;
    ASSERT_EQ(big.lines.size(), 38u + 2 * 14u + 40u);
    EXPECT_EQ(big.lines[0], "[MODEL] ");
    EXPECT_EQ(big.lines[1], " Model                  : VHF(H) A Band");
    EXPECT_EQ(big.lines[3], " Serial Number          : 4711    ");
    EXPECT_EQ(big.lines[38 + 1], " Channel Number         : 001              ");
    EXPECT_EQ(big.lines[38 + 14 + 1], " Channel Number         : 200              ");
    EXPECT_EQ(big.lines.back(), " Group Number  :  40     Alpha Character : None");

    const CliResult small = Run({"report", Save(image, "small.dmp", 1)});
    EXPECT_EQ(small.status, 0) << small.err;
    EXPECT_EQ(small.lines.size(), 38u + 14u + 40u);

    // A file without the capacity code loads as a 120-channel radio.
    const std::string bare = Save(image, "bare.dmp", 2);
    fs::resize_file(bare, kBlockSize);
    EXPECT_EQ(Run({"report", bare}).lines.size(), 38u + 14u + 40u);
}

TEST_F(ListingCommandsTest, HexDumpPrintsTheHeaderAndEveryRow)
{
    CRadioImage image;
    const std::uint8_t bytes[3] = {0x41, 0x0A, 0x0D}; // line breaks must stay in their row
    ASSERT_TRUE(image.WriteBlock(bytes, 0x30, 3));
    const CliResult result = Run({"hexdump", Save(image, "image.dmp", 1)});
    EXPECT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(result.lines.size(), 513u);
    EXPECT_EQ(result.lines[0], "Add  :  0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F");
    EXPECT_EQ(result.lines[4], "0030 :  41 0a 0d ff ff ff ff ff ff ff ff ff ff ff ff ff  :  "
                               "A...............");
    EXPECT_EQ(result.lines[512].substr(0, 7), "1ff0 : ");
}

TEST_F(ListingCommandsTest, InfoSummarisesTheFile)
{
    const CliResult result = Run({"info", Save(TwoChannelImage(), "image.dmp", 2)});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.lines, (std::vector<std::string>{
                                "Model           : VHF(H) A Band",
                                "Serial Number   : 4711",
                                "Customer        : ",
                                "Date            : 2001-02-03",
                                "Capacity        : 320 channels",
                                "Channels in use : 2",
                            }));
}

TEST_F(ListingCommandsTest, UnreadableFilesAreErrorsNotDefaultListings)
{
    const fs::path shortFile = m_dir / "short.dmp";
    std::ofstream(shortFile) << "too short";
    for (const char* command : {"report", "hexdump", "info"})
    {
        SCOPED_TRACE(command);
        const std::pair<std::string, std::string> files[] = {
            {(m_dir / "missing.dmp").string(), "No such file or directory"},
            {shortFile.string(), "it is too short for a dump file"},
            {m_dir.string(), "it is a folder"}};
        for (const auto& [path, reason] : files)
        {
            const CliResult result = Run({command, path});
            EXPECT_EQ(result.status, 10);
            EXPECT_TRUE(result.lines.empty());
            EXPECT_EQ(result.err,
                      "vesk4-cli: cannot read the dump file " + path + ": " + reason + "\n");
        }
        EXPECT_EQ(Run({command}).status, 2);
        EXPECT_EQ(Run({command, "a.dmp", "b.dmp"}).status, 2);
    }
}

TEST_F(ListingCommandsTest, FailedOutputIsReported)
{
    if (!fs::exists("/dev/full"))
    {
        GTEST_SKIP() << "no /dev/full";
    }
    const CliResult result = Run({"report", Save(CRadioImage(), "image.dmp", 1)}, "/dev/full");
    EXPECT_EQ(result.status, 10);
    EXPECT_NE(result.err.find("cannot write the output"), std::string::npos);
}

} // namespace
