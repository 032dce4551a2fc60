// The fleet journal and the digest that names a plan: known SHA-256 vectors,
// rows that reach the file whole and read back, a row cut short by a power
// cut, and the summary by serial number.
#include "TestFiles.h"

// model
#include "model/CloneJournal.h"
#include "model/Sha256.h"

// std
#include <gtest/gtest.h>
#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
TEST(Sha256, KnownVectors)
{
    const struct
    {
        std::string input;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        // 56 bytes: the length no longer fits the first block.
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.input.substr(0, 20));
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.input.data());
        EXPECT_EQ(CSha256::Of(bytes, c.input.size()), c.digest);
        // Fed in pieces that straddle the blocks, the same sum.
        CSha256 pieces;
        for (std::size_t at = 0; at < c.input.size(); at += 37)
        {
            pieces.Add(bytes + at, std::min<std::size_t>(37, c.input.size() - at));
        }
        EXPECT_EQ(pieces.HexDigest(), c.digest);
    }
}

JournalRow Row(const std::string& serial, const std::string& result)
{
    JournalRow row;
    row.strStarted = CCloneJournal::TimeText(1796731772);
    row.strEnded = CCloneJournal::TimeText(1796731890);
    row.strPort = "COM2";
    row.strDevice = "/dev/ttyUSB1";
    row.strSerialBefore = serial;
    row.strSerialAfter = serial;
    row.strModel = "VHF(H) A Band";
    row.strPlan = "plan, depot.dmp"; // a comma: the field is quoted
    row.strPlanSha256 = std::string(64, 'a');
    row.strResult = result;
    row.strBackup = "/backups/" + serial + ".dmp";
    row.strSeconds = "118.0";
    return row;
}

TEST(CloneJournal, RowsAppendReadBackAndSummarise)
{
    CScratchDir dir("journal");
    ASSERT_TRUE(dir.IsValid());
    const std::string path = dir.Path("fleet.csv");
    const JournalRow rows[] = {
        Row("12AB3400", "verified"),
        Row("12AB3401", "failed: the radio did not answer"),
        Row("", "failed: no answer"),
        Row("12AB3401", "verified"),
    };
    for (const JournalRow& row : rows)
    {
        ASSERT_TRUE(CCloneJournal::Append(path, row));
    }
    const std::string text = ReadText(path);
    EXPECT_EQ(text.rfind("Started,Ended,Port,Device,SerialBefore,SerialAfter,Model,Plan,"
                         "PlanSha256,Result,FirstDifference,Backup,Seconds\r\n",
                         0),
              0U)
        << text;
    EXPECT_EQ(rows[0].strStarted, "2026-12-08T12:09:32Z");

    std::vector<JournalRow> read;
    ASSERT_TRUE(CCloneJournal::Parse(text, read));
    ASSERT_EQ(read.size(), 4U);
    EXPECT_EQ(read[0].strPlan, "plan, depot.dmp");
    EXPECT_EQ(read[1].strResult, rows[1].strResult);
    EXPECT_EQ(read[3].strBackup, rows[3].strBackup);

    const JournalSummary summary = CCloneJournal::Summarise(read);
    EXPECT_EQ(summary.nRadios, 4);
    EXPECT_EQ(summary.nVerified, 2);
    EXPECT_EQ(summary.nFailed, 2);
    ASSERT_EQ(summary.lastBySerial.size(), 2U);
    EXPECT_EQ(summary.lastBySerial[0].first, "12AB3400");
    EXPECT_EQ(summary.lastBySerial[1].second, "verified"); // its last row, not its first

    // A power cut in the middle of a row: that row is left out, the others stay.
    std::vector<JournalRow> cut;
    ASSERT_TRUE(CCloneJournal::Parse(text.substr(0, text.size() - 20), cut));
    EXPECT_EQ(cut.size(), 3U);
    EXPECT_FALSE(CCloneJournal::Parse("Serial,Result\r\n", cut)) << "not a journal";
}

TEST(CloneJournal, RefusesWhatIsNotAFile)
{
    CScratchDir dir("journal");
    ASSERT_TRUE(dir.IsValid());
    ASSERT_EQ(::mkfifo(dir.Path("pipe").c_str(), 0600), 0);
    ASSERT_TRUE(WriteText(dir.Path("real.csv"), ""));
    ASSERT_EQ(::symlink(dir.Path("real.csv").c_str(), dir.Path("link.csv").c_str()), 0);
    for (const char* name : {"pipe", "link.csv", ""})
    {
        SCOPED_TRACE(name);
        EXPECT_FALSE(CCloneJournal::Append(dir.Path(name), Row("1", "verified")));
    }
    EXPECT_EQ(ReadText(dir.Path("real.csv")), "");
}
} // namespace
