// The channel-plan commands of the File menu: a plan written by another radio
// program gives the image vesk4-cli import-csv gives, refused rows are listed
// in one message and change nothing unless the rest is taken, an import is one
// step for Undo, and an export writes the plan vesk4-cli export-csv writes.

// own
#include "PlanFixture.h"

// app
#include "app/PlanCommands.h"
#include "app/PlanCompareTexts.h"

class PlanCommandsTest : public PlanFixture
{
protected:
    void Import(const std::string& plan)
    {
        m_ui.m_files.push_back(plan);
        Frame().GetCommand(ID_PLAN_IMPORT)->trigger();
    }
};

TEST_F(PlanCommandsTest, AForeignPlanGivesTheImageTheCommandLineGives)
{
    StartWithNewPlan();

    // "Keep the other channels?" answered No, as import-csv without --merge.
    m_ui.m_answers.push_back(false);
    Import(Path("plan.csv"));
    EXPECT_EQ(m_ui.CountOf(PlanCompareText::kKeepOthers), 1);
    EXPECT_EQ(m_ui.Texts().back(), "6 channel(s) in use after the plan " + Path("plan.csv") + ".");
    ASSERT_TRUE(Frame().SaveImage(Path("window.dmp")));
    EXPECT_EQ(ReadFile(Path("window.dmp")), ReadFile(Path("full.dmp")));

    // One step, named for the plan, takes it all back.
    EXPECT_EQ(Frame().History().UndoName(), "Import plan.csv");
    Frame().OnEditUndo();
    ASSERT_TRUE(Frame().SaveImage(Path("undone.dmp")));
    EXPECT_EQ(ReadFile(Path("undone.dmp")), ReadFile(Path("base.dmp")));
}

TEST_F(PlanCommandsTest, RefusedRowsAreListedTogetherAndChangeNothingUnlessTheRestIsTaken)
{
    StartWithNewPlan();
    const std::string plan = std::string(kForeignPlan) + "9,FAR,170.000000,,,,,,,,,,FM,,,,\r\n" +
                             "10,,150.003000,,,,,,,,,,FM,,,,\r\n";
    ASSERT_TRUE(WriteText(Path("bad.csv"), plan));
    const std::string listing =
        "2 problem(s) in " + Path("bad.csv") +
        "; nothing was changed.\n"
        "line 8, column Frequency: Receive Channel Freq set error ('170.000000'): outside "
        "136\xE2\x80\x93"
        "160 MHz, the receive band of this model\n"
        "line 9, column Frequency: Receive Channel Freq set error ('150.003000'): not on the "
        "5 kHz grid of this radio\n";
    const ImageState before{Frame().GetSharedImage(), 0};

    // Keep the other channels: No; import the rest: No.
    m_ui.m_answers = {false, false};
    Import(Path("bad.csv"));
    EXPECT_EQ(m_ui.Texts().back(), listing + PlanCompareText::kImportRest);
    EXPECT_TRUE((ImageState{Frame().GetSharedImage(), 0} == before));
    EXPECT_FALSE(Frame().History().CanUndo());

    // The same plan with the rest taken gives what the plan without the
    // refused rows gives.
    m_ui.m_answers = {false, true};
    Import(Path("bad.csv"));
    ASSERT_TRUE(Frame().SaveImage(Path("window.dmp")));
    EXPECT_EQ(ReadFile(Path("window.dmp")), ReadFile(Path("full.dmp")));

    // A plan no row of which can be read offers nothing to take.
    ASSERT_TRUE(WriteText(Path("header.csv"), "Location,Name\r\n1,A\r\n"));
    m_ui.m_answers = {false};
    Import(Path("header.csv"));
    EXPECT_EQ(m_ui.m_records.back().kind, CFakeUiServices::Kind::Message);
}

TEST_F(PlanCommandsTest, ExportWritesThePlanOfTheCommandLineAndNeedsAModel)
{
    Start();
    Frame().GetCommand(ID_PLAN_EXPORT)->trigger();
    EXPECT_EQ(m_ui.Texts().back(), PlanCompareText::kNoModel);
    EXPECT_TRUE(m_ui.m_fileRequests.empty());

    MakePlanFiles();
    ASSERT_EQ(Cli({"export-csv", Path("full.dmp"), Path("cli.csv")}), 0);
    ASSERT_TRUE(Frame().OpenDumpFile(Path("full.dmp")));
    // A name without an extension gets the plan's.
    m_ui.m_files.push_back(Path("window"));
    Frame().GetCommand(ID_PLAN_EXPORT)->trigger();
    EXPECT_EQ(m_ui.m_fileRequests.back().initialName, "full.csv");
    EXPECT_EQ(ReadText(Path("window.csv")), ReadText(Path("cli.csv")));
    EXPECT_EQ(m_ui.Texts().back(), "6 channel(s) -> " + Path("window.csv"));
}
