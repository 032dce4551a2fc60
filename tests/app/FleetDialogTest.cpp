// Utility > Program Several Radios against two simulated radios on
// pseudo-terminals, with the vesk4-cli this build made: the window's own
// configuration goes into both, each row follows its port to "verified",
// the journal named in the dialog gets both radios, and Stop ends a --loop
// run that would otherwise wait for the next radio for ever.

// own
#include "AppFixture.h"
#include "CloneImages.h" // tests/common
#include "EventWaits.h"

// app
#include "app/FleetDialog.h"
#include "app/FleetDlgTexts.h"

// model
#include "model/CloneJournal.h"

// Qt
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

class FleetDialogTest : public AppFixture
{
protected:
    CFleetDialog* OpenDialog()
    {
        Frame().GetCommand(ID_FLEET)->trigger();
        auto* dialog = Frame().findChild<CFleetDialog*>();
        EXPECT_TRUE(dialog != nullptr && dialog->isVisible());
        return dialog;
    }

    SimRadios m_sims;
};

TEST_F(FleetDialogTest, ProgramsTheTickedPortsAndStopsALoop)
{
    const std::string com1 = m_sims.Add("30000001");
    ASSERT_TRUE(WriteText(Path("Comport.ini"), "[Devices]\r\nCOM1=" + com1 +
                                                   "\r\nCOM3=" + m_sims.Add("30000002") + "\r\n"));
    CPlainAppState planState;
    planState.m_nChannelCode = 2;
    ASSERT_TRUE(MakePlan().SaveToFile(Path("depot.dmp"), planState));
    Start();
    ASSERT_TRUE(Frame().OpenDumpFile(Path("depot.dmp")));
    auto* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->SetCliPath(QStringLiteral(VESK4_CLI));
    EXPECT_EQ(dialog->PortBox(0)->text().toStdString(), "COM1 (" + com1 + ")");
    EXPECT_EQ(dialog->JournalPath()->text().toStdString(), Path(FleetText::kJournalName));
    EXPECT_TRUE(dialog->PlanWindow()->isChecked());

    std::vector<int> ended;
    QObject::connect(dialog, &CFleetDialog::RunEnded, dialog,
                     [&ended](int status) { ended.push_back(status); });
    dialog->PortBox(0)->setChecked(true);
    dialog->PortBox(2)->setChecked(true);
    dialog->LoopBox()->setChecked(true);
    dialog->StartButton()->click();
    ASSERT_TRUE(dialog->IsRunning()) << (m_ui.Texts().empty() ? "" : m_ui.Texts().back());
    EXPECT_FALSE(dialog->StartButton()->isEnabled());
    ASSERT_EQ(dialog->Rows()->rowCount(), 2);
    EXPECT_EQ(dialog->Rows()->item(1, CFleetDialog::ColPort)->text(), QStringLiteral("COM3"));

    // Both verified, each bar full, while the ports wait for the next radio.
    const auto result = [dialog](int row)
    { return dialog->Rows()->item(row, CFleetDialog::ColResult)->text().toStdString(); };
    ASSERT_TRUE(
        WaitUntil([&] { return result(0) == "verified" && result(1) == "verified"; }, 180000))
        << result(0) << " / " << result(1);
    EXPECT_EQ(dialog->Rows()->item(1, CFleetDialog::ColSerial)->text(), QStringLiteral("30000002"));
    EXPECT_EQ(m_sims.radios[0]->Eeprom(), Cloned("30000001"));
    EXPECT_EQ(m_sims.radios[1]->Eeprom(), Cloned("30000002"));

    dialog->StopButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return !ended.empty(); }, 60000));
    EXPECT_NE(ended.front(), 0); // interrupted, as Ctrl+C
    EXPECT_TRUE(dialog->StartButton()->isEnabled());
    EXPECT_EQ(dialog->Rows()->item(0, CFleetDialog::ColPhase)->text(), QStringLiteral("ended"));

    std::vector<JournalRow> rows;
    ASSERT_TRUE(CCloneJournal::Parse(ReadText(Path(FleetText::kJournalName)), rows));
    ASSERT_EQ(rows.size(), 2U);
    for (const JournalRow& row : rows)
    {
        EXPECT_TRUE(row.Verified()) << row.strResult;
        EXPECT_EQ(row.strPlan.substr(row.strPlan.rfind('/') + 1), "depot.dmp");
    }
    EXPECT_EQ(dialog->SummaryLabel()->text(),
              QStringLiteral("2 radios done: 2 verified, 0 failed"));
}

// What Start needs before it runs anything, each refused with its reason.
TEST_F(FleetDialogTest, StartSaysWhatIsMissing)
{
    Start();
    auto* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    struct Case
    {
        const char* cli;
        bool port;
        const char* journal;
        const char* expected;
    };
    const Case cases[] = {
        {"", true, "j.csv", FleetText::kNoCli},
        {VESK4_CLI, false, "j.csv", FleetText::kNoPorts},
        {VESK4_CLI, true, " ", FleetText::kNoJournal},
        {VESK4_CLI, true, "j.csv", FleetText::kNoPlanFile},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.expected);
        dialog->SetCliPath(QString::fromUtf8(c.cli));
        dialog->PortBox(1)->setChecked(c.port);
        dialog->JournalPath()->setText(QString::fromUtf8(c.journal));
        dialog->PlanFile()->setChecked(true);
        dialog->PlanPath()->clear();
        dialog->StartButton()->click();
        EXPECT_FALSE(dialog->IsRunning());
        ASSERT_FALSE(m_ui.Texts().empty());
        EXPECT_EQ(m_ui.Texts().back(), c.expected);
    }
    // A second Program Several Radios brings the same dialog up again.
    Frame().GetCommand(ID_FLEET)->trigger();
    EXPECT_EQ(Frame().findChildren<CFleetDialog*>().size(), 1);
}
