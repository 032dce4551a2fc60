// diff, export-csv and import-csv run as a program, as a dealer runs them: on
// dump files, and diff --port against vesk4-radiosim.

// own
#include "CliProcessSupport.h"

// model
#include "model/ChannelCheck.h"
#include "model/ChannelRules.h"
#include "model/ChannelStore.h"
#include "model/RadioImage.h"
#include "model/Synthesizer.h"

// std
#include <gtest/gtest.h>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
constexpr char kArrow[] = " \xE2\x86\x92 ";

bool Exists(const std::string& path)
{
    struct stat info = {};
    return ::stat(path.c_str(), &info) == 0;
}

// A VHF(H) A Band image with a few channels written as the Channel form
// writes them.
CRadioImage PlanImage()
{
    CRadioImage image;
    EXPECT_TRUE(image.SetModel(5));
    EXPECT_TRUE(image.SetWideReference(5000.0));
    EXPECT_TRUE(image.SetNarrowReference(6250.0));
    EXPECT_TRUE(image.SetWideIfOffset(ComputeIfOffset(5, false, 5000.0)));
    EXPECT_TRUE(image.SetNarrowIfOffset(ComputeIfOffset(5, false, 6250.0)));
    image.DeriveInjection();
    CChannelRules rules;
    EXPECT_TRUE(rules.LoadFromImage(image));
    struct Row
    {
        int n;
        const char* name;
        const char* rx;
        const char* tx;
        int rxTone;
        const char* txDcs;
        bool narrow;
    };
    const Row rows[] = {
        {1, "CALL", "146.52", "146.52", -1, "", false},
        {2, "RPT NORTH", "146.95", "146.35", 12, "-023", true},
        {17, "", "150.005", "0", 3, "", false},
    };
    for (const Row& row : rows)
    {
        ChannelEntry entry;
        entry.channel = row.n;
        entry.name = row.name;
        entry.narrow = row.narrow;
        entry.rx.frequencyText = row.rx;
        entry.rx.signallingType = row.rxTone >= 0 ? kSignallingCtcss : kSignallingNone;
        entry.rx.toneIndex = row.rxTone;
        entry.tx.frequencyText = row.tx;
        entry.tx.signallingType = row.txDcs[0] != '\0' ? kSignallingDcs : kSignallingNone;
        entry.tx.dcsText = row.txDcs;
        ChannelValues values;
        ChannelCheckFailure failure;
        EXPECT_TRUE(CheckChannelEntry(rules, entry, values, failure));
        ChannelSwitches switches;
        switches.narrow = row.narrow;
        switches.dtone = row.n == 2;
        switches.auxData = row.n == 17 ? 0x0F : 255;
        EXPECT_TRUE(StoreChannel(image, row.n, values, switches));
    }
    return image;
}

class PlanCommands : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.IsValid()); }
    void TearDown() override { StopSim(); }

    std::string Path(const std::string& name) const { return m_dir.Path(name); }

    void Save(const CRadioImage& image, const std::string& name, std::int32_t code = 2)
    {
        CPlainAppState app;
        app.m_nChannelCode = code;
        ASSERT_TRUE(image.SaveToFile(Path(name), app));
    }

    using Result = ProgramResult;
    Result Cli(std::vector<std::string> args)
    {
        const std::string outPath = Path("cli.out");
        const std::string errPath = Path("cli.err");
        Result result;
        result.exit = WaitExit(StartCliIn(m_dir.Path(), std::move(args), outPath, errPath));
        result.out = ReadText(outPath);
        result.err = ReadText(errPath);
        return result;
    }

    // Starts vesk4-radiosim and returns the device path it printed.
    std::string StartSim(std::vector<std::string> args) { return m_sim.Start(std::move(args)); }
    void StopSim() { m_sim.Stop(); }

    CScratchDir m_dir{"plan"};
    CSimProcess m_sim;
};
} // namespace

TEST_F(PlanCommands, ExportThenImportGivesTheSameDumpFileByteForByte)
{
    Save(PlanImage(), "a.dmp");
    Result result = Cli({"export-csv", "a.dmp", "plan.csv"});
    ASSERT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.err, "3 channel(s) -> plan.csv\n");
    const std::string plan = ReadText(Path("plan.csv"));
    EXPECT_EQ(plan.substr(0, plan.find('\n') + 1),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
              "RPT2CALL,DVCODE\r\n");
    EXPECT_NE(plan.find("\r\n2,RPT NORTH,146.950000,-,0.600000,Cross,88.5,103.5,023,RN,023,"
                        "DTCS->Tone,NFM,6.25,S,High,{dtone},,,,\r\n"),
              std::string::npos)
        << plan;
    EXPECT_NE(plan.find("\r\n17,,150.005000,off,0.000000,Cross,88.5,77.0,023,NN,023,->Tone,FM,"
                        "5.00,S,High,{aux=00001111},,,,\r\n"),
              std::string::npos)
        << plan;

    result = Cli({"import-csv", "a.dmp", "plan.csv", "b.dmp"});
    ASSERT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(ReadText(Path("b.dmp")), ReadText(Path("a.dmp")));

    // To standard output as well.
    result = Cli({"export-csv", "a.dmp", "-"});
    ASSERT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.out, plan);
}

TEST_F(PlanCommands, BadRowsAreListedAndNothingIsWritten)
{
    Save(PlanImage(), "a.dmp");
    std::ofstream(Path("bad.csv")) << "Location,Frequency,Tone,DtcsCode,Name\n"
                                      "1,146.52,,,OK\n"
                                      "2,146.523,,,\n"
                                      "3,146.52,DTCS,024,\n"
                                      "400,146.52,,,\n";
    const Result result = Cli({"import-csv", "a.dmp", "bad.csv", "b.dmp"});
    EXPECT_EQ(result.exit, 14);
    EXPECT_EQ(result.err,
              "vesk4-cli: bad.csv: line 3, column Frequency: Receive Channel Freq set error "
              "('146.523000'): not on the 5 kHz grid of this radio\n"
              "vesk4-cli: bad.csv: line 4, column DtcsCode: Receive Signaling Data set error "
              "('024')\n"
              "vesk4-cli: bad.csv: line 5, column Location: Channel number set error: '400' is "
              "not a channel of 1..320\n"
              "vesk4-cli: 3 problem(s) in bad.csv; nothing was written.\n");
    EXPECT_FALSE(Exists(Path("b.dmp")));
}

TEST_F(PlanCommands, MergeKeepsWhatThePlanDoesNotList)
{
    Save(PlanImage(), "a.dmp");
    std::ofstream(Path("one.csv")) << "Location,Frequency\n5,147.0\n";
    Result result = Cli({"import-csv", "a.dmp", "one.csv", "whole.dmp"});
    ASSERT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.err, "whole.dmp: 1 channel(s) in use after the plan one.csv\n");
    result = Cli({"import-csv", "--merge", "a.dmp", "one.csv", "merged.dmp"});
    ASSERT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.err, "merged.dmp: 4 channel(s) in use after the plan one.csv\n");
}

// Every refusal names the file and why: the system's reason or the program's.
TEST_F(PlanCommands, StatusesOfTheFileCommands)
{
    Save(PlanImage(), "a.dmp");
    Save(CRadioImage(), "blank.dmp");
    std::ofstream(Path("plan.csv")) << "Location,Frequency\n1,146.52\n";
    std::ofstream(Path("short.dmp")) << "too short";
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    std::ofstream(Path("big.csv")).close();
    ASSERT_EQ(::truncate(Path("big.csv").c_str(), 17 * 1024 * 1024), 0);
    struct Case
    {
        std::vector<std::string> args;
        int exit;
        std::string err; // the start of standard error
    };
    const Case cases[] = {
        {{"diff", "a.dmp"}, 2, "vesk4-cli: wrong number of arguments for 'diff'"},
        {{"diff", "a.dmp", "missing.dmp"},
         10,
         "vesk4-cli: cannot read the dump file missing.dmp: No such file or directory\n"},
        {{"diff", "a.dmp", "short.dmp"},
         10,
         "vesk4-cli: cannot read the dump file short.dmp: it is too short for a dump file\n"},
        {{"diff", "a.dmp", "fifo"},
         10,
         "vesk4-cli: cannot read the dump file fifo: it is not a regular file\n"},
        {{"export-csv", "a.dmp"}, 2, "vesk4-cli: wrong number of arguments"},
        {{"export-csv", "blank.dmp", "x.csv"}, 14, "vesk4-cli: blank.dmp has no radio model"},
        {{"export-csv", "a.dmp", "nofolder/x.csv"},
         10,
         "vesk4-cli: cannot write the channel plan nofolder/x.csv: No such file or directory\n"},
        {{"import-csv", "a.dmp", "missing.csv", "b.dmp"},
         10,
         "vesk4-cli: cannot read the channel plan missing.csv: No such file or directory\n"},
        {{"import-csv", "a.dmp", ".", "b.dmp"},
         10,
         "vesk4-cli: cannot read the channel plan .: it is a folder\n"},
        {{"import-csv", "a.dmp", "big.csv", "b.dmp"},
         10,
         "vesk4-cli: cannot read the channel plan big.csv: it is larger than 16 MB\n"},
        {{"import-csv", "blank.dmp", "plan.csv", "b.dmp"},
         14,
         "vesk4-cli: blank.dmp has no radio model chosen"},
        {{"import-csv", "a.dmp", "plan.csv", "nofolder/b.dmp"},
         10,
         "vesk4-cli: cannot write the dump file nofolder/b.dmp: No such file or directory\n"},
        {{"import-csv", "a.dmp", "plan.csv", "."},
         10,
         "vesk4-cli: cannot write the dump file .: it is a folder\n"},
        // Checked before the port is opened, let alone the radio read.
        {{"upload", "--port", "/dev/null", "-o", "."},
         10,
         "vesk4-cli: cannot write the dump file .: it is a folder\n"},
        // A pipe nobody reads is refused at once, not waited on.
        {{"ram-read", "--port", "/dev/null", "--trace", "fifo", "40", "1"},
         10,
         "vesk4-cli: cannot write the trace file fifo: it is not a regular file\n"},
        {{"new", "--model", "VHF(H) Z Band", "n.dmp"},
         2,
         "vesk4-cli: 'VHF(H) Z Band' is not a model; the models are: VHF(L) A Band,"},
        {{"new", "--model", "VHF(H) A Band", "a.dmp"}, 10, "vesk4-cli: a.dmp already exists"},
    };
    for (const Case& c : cases)
    {
        const Result result = Cli(c.args);
        EXPECT_EQ(result.exit, c.exit) << c.args[0] << " " << c.args[1] << "\n" << result.err;
        EXPECT_EQ(result.err.rfind(c.err, 0), 0U) << result.err;
    }
}

// Where export-csv may write: a file, a device, standard output; a reader that
// went away ends it as any listing. A name's control bytes never reach the
// terminal, neither in a note nor in the plan.
TEST_F(PlanCommands, ExportGoesWhereverAListingMay)
{
    CRadioImage image = PlanImage();
    ASSERT_TRUE(image.SetChannelName(0, "A\x1B[2J\x07"));
    Save(image, "a.dmp");
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    const struct
    {
        const char* target;
        int exit;
        const char* err; // part of standard error
    } cases[] = {
        {"out.csv", 0, "3 channel(s) -> out.csv"},
        {"/dev/null", 0, "3 channel(s) -> /dev/null"},
        {"-", 0, "3 channel(s) -> -"},
        {"fifo", 10, "cannot write the channel plan fifo: it is not a regular file"},
        {".", 10, "cannot write the channel plan .: it is a folder"},
    };
    for (const auto& c : cases)
    {
        const Result result = Cli({"export-csv", "a.dmp", c.target});
        EXPECT_EQ(result.exit, c.exit) << c.target << "\n" << result.err;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << c.target << "\n" << result.err;
        // What the plan holds reads back as the name's own bytes, shown escaped.
        EXPECT_NE(result.err.find("note: ch 1: line 2, column Name: Channel name set error "
                                  "('A\\x1B[2J\\x07')"),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(result.err.find_first_of("\x1B\x07"), std::string::npos) << result.err;
        EXPECT_EQ(result.out.find_first_of("\x1B\x07"), std::string::npos) << result.out;
    }
    EXPECT_NE(ReadText(Path("out.csv")).find("A\\x1B[2J\\x07"), std::string::npos);
    // The reader is gone long before the plan is written.
    const std::string command = "cd '" + m_dir.Path() +
                                "' && { sleep 0.3; '" VESK4_CLI
                                "' export-csv a.dmp - 2>/dev/null; echo $? >status; } | true";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadText(Path("status")), "141\n");
}

// A plan begun without a radio: the model's reference steps and injection
// side as the Model form starts a newly chosen band, ready for a plan.
TEST_F(PlanCommands, NewGivesAnImageOfTheModelReadyForAPlan)
{
    Result result = Cli({"new", "--model", "vhf(h) a band", "--channels", "320", "n.dmp"});
    ASSERT_EQ(result.exit, 0) << result.err;
    CRadioImage expected;
    ASSERT_TRUE(expected.SetModel(5));
    ASSERT_TRUE(expected.SetWideReference(5000.0));
    ASSERT_TRUE(expected.SetNarrowReference(6250.0));
    ASSERT_TRUE(expected.SetInjection(0));
    ASSERT_TRUE(expected.SetWideIfOffset(ComputeIfOffset(5, false, 5000.0)));
    ASSERT_TRUE(expected.SetNarrowIfOffset(ComputeIfOffset(5, false, 6250.0)));
    Save(expected, "expected.dmp");
    result = Cli({"diff", "n.dmp", "expected.dmp"});
    EXPECT_EQ(result.exit, 0) << result.out;
    std::ofstream(Path("plan.csv")) << "Location,Frequency\n300,146.52\n";
    result = Cli({"import-csv", "n.dmp", "plan.csv", "p.dmp"});
    EXPECT_EQ(result.exit, 0) << result.err;
}

TEST_F(PlanCommands, DiffOfTwoFilesByField)
{
    CRadioImage a = PlanImage();
    Save(a, "a.dmp");
    Save(a, "same.dmp");
    Result result = Cli({"diff", "a.dmp", "same.dmp"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "0 difference(s).\n");

    CRadioImage b = a;
    ASSERT_TRUE(b.SetChannelName(0, "CALLING"));
    ASSERT_TRUE(b.SetTxPower(16, 0));
    Save(b, "b.dmp", 1);
    result = Cli({"diff", "a.dmp", "b.dmp"});
    EXPECT_EQ(result.exit, 1) << result.err;
    EXPECT_EQ(result.out, std::string("capacity 320") + kArrow + "120\n" + "ch 1 name \"CALL\"" +
                              kArrow + "\"CALLING\"\n" + "ch 17 power normal" + kArrow +
                              "reduced\n");
    EXPECT_EQ(result.err, "3 difference(s).\n");
}

TEST_F(PlanCommands, DiffAgainstTheRadio)
{
    const CRadioImage a = PlanImage();
    Save(a, "a.dmp");
    CRadioImage b = a;
    ASSERT_TRUE(b.SetGroupName(0, "DEPOT"));
    Save(b, "b.dmp");
    const std::string device = StartSim({"--image", Path("a.dmp")});
    ASSERT_FALSE(device.empty());

    Result result = Cli({"diff", "--port", device, "a.dmp"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.out, "");

    result = Cli({"diff", "b.dmp", "--port", device});
    EXPECT_EQ(result.exit, 1) << result.err;
    EXPECT_EQ(result.out, std::string("group 1 name \"DEPOT\"") + kArrow + "\"            \"\n");

    // A radio that does not answer is reported as the other radio commands do.
    StopSim();
    const std::string silent = StartSim({"--image", Path("a.dmp"), "--silent"});
    result = Cli({"diff", "a.dmp", "--port", silent, "--timeout", "0.3"});
    EXPECT_EQ(result.exit, 3) << result.err;
    EXPECT_NE(result.err.find("no answer from the radio"), std::string::npos) << result.err;
}
