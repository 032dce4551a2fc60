// Unsaved edits in the window: the title's marker and the recovery copy follow
// every form's pending edits without a sound, a copy left by a killed program
// is offered at the next start, and File > Recent Files opens as File Open.

// own
#include "AppFixture.h"
#include "EventWaits.h"
#include "ProgramRunner.h"

// app
#include "app/AppTexts.h"

// views
#include "views/AdjustView.h"
#include "views/ChannelView.h"
#include "views/OptionView.h"

// model
#include "model/RecoveryStore.h"

// ui
#include "ui/FrequencyBox.h"
#include "ui/LevelRow.h"

// Qt
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

// std
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>

// POSIX
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
bool Marked(CMainFrame& frame)
{
    return frame.windowTitle().startsWith(QLatin1String(AppText::kUnsavedMark));
}
} // namespace

class UnsavedEditsTest : public AppFixture
{
protected:
    // A saved plan, open in the window: nothing unsaved.
    void StartWithPlan()
    {
        Start();
        ChooseModel(5);
        ASSERT_TRUE(Frame().SaveImage(Path("plan.dmp")));
        Frame().UpdateUnsavedState();
        ASSERT_FALSE(Marked(Frame()));
        m_ui.Clear();
    }

    template <typename Form> Form* Show(int view)
    {
        Frame().SwitchView(view);
        return dynamic_cast<Form*>(Frame().ActiveView());
    }

    // Channel 1 put in use and named on the Channel form, and left there.
    CChannelView* EditChannel()
    {
        CChannelView* form = Show<CChannelView>(VIEW_CHANNEL);
        form->RxFrequencyBox()->Edit()->setText("150.00000");
        form->ChannelNameEdit()->setText("NORTH");
        return form;
    }
};

TEST_F(UnsavedEditsTest, EveryFormsPendingEditsAreMarkedAndCopiedQuietly)
{
    const struct
    {
        const char* form;
        std::function<QWidget*()> edit; // the entry the user is in
    } cases[] = {
        {"Model",
         [&]
         {
             Frame().SwitchView(VIEW_MODEL);
             ModelForm()->YearEdit()->setText("2031");
             return ModelForm()->YearEdit();
         }},
        {"Channel", [&] { return EditChannel()->ChannelNameEdit(); }},
        {"Option",
         [&]
         {
             auto* form = Show<COptionView>(VIEW_OPTION);
             form->List(COptionView::kScanType)->SetValue(0);
             return form->List(COptionView::kScanType);
         }},
        {"Adjust",
         [&]
         {
             auto* form = Show<CAdjustView>(VIEW_ADJUST);
             CLevelRow* row = form->Row(0);
             row->SetValue(row->Value() == row->Minimum() ? row->Minimum() + 1 : row->Minimum());
             return row->Box();
         }},
    };
    StartWithPlan();
    QApplication::setActiveWindow(&Frame());
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.form);
        QWidget* entry = c.edit();
        entry->setFocus();
        QWidget* focus = QApplication::focusWidget();
        m_ui.Clear();

        Frame().UpdateUnsavedState();

        EXPECT_TRUE(Marked(Frame()));
        EXPECT_TRUE(m_ui.m_records.empty()) << "the check says and asks nothing";
        EXPECT_EQ(QApplication::focusWidget(), focus);
        // The copy holds what Save stores from the form, byte for byte.
        const std::vector<std::uint8_t> copy = ReadFile(Frame().Recovery().DumpPath());
        ASSERT_TRUE(Frame().SaveImage(Path("saved.dmp")));
        EXPECT_EQ(copy, ReadFile(Path("saved.dmp")));
        EXPECT_FALSE(Marked(Frame()));
        EXPECT_FALSE(fs::exists(Frame().Recovery().DumpPath())) << "saved: the copy goes";
    }
}

TEST_F(UnsavedEditsTest, AnEntryThatCannotBeReadIsAnUnsavedEditTooAndSaveIsRefused)
{
    StartWithPlan();
    CChannelView* form = Show<CChannelView>(VIEW_CHANNEL);
    form->RxFrequencyBox()->Edit()->setText("abc");
    Frame().UpdateUnsavedState();
    EXPECT_TRUE(Marked(Frame()));
    EXPECT_TRUE(m_ui.m_records.empty());

    // End: Save runs File Save, whose check refuses the entry; the window stays.
    Frame().show();
    m_ui.m_saveAnswers.push_back(SaveAnswer::Save);
    Frame().GetCommand(ID_APP_EXIT)->trigger();
    EXPECT_TRUE(Frame().isVisible());
    ASSERT_FALSE(m_ui.m_records.empty());
    EXPECT_EQ(m_ui.m_records.front().text, "Save the changes to plan.dmp?");
    m_ui.m_saveAnswers.push_back(SaveAnswer::Discard);
    Frame().GetCommand(ID_APP_EXIT)->trigger();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_FALSE(fs::exists(Frame().Recovery().DumpPath())) << "discarded: the copy goes";
}

TEST_F(UnsavedEditsTest, ACopyLeftBehindIsKeptForLaterOrDiscarded)
{
    Start();
    CRadioImage edited;
    ASSERT_TRUE(edited.SetModel(7));
    CRecoveryStore left(Frame().Recovery().Folder(), static_cast<int>(EndedProcessId()));
    ASSERT_TRUE(left.Update(true, edited.WorkBlock(), 2, Path("plan.dmp")));
    for (const RestoreAnswer answer : {RestoreAnswer::Later, RestoreAnswer::Discard})
    {
        m_ui.Clear();
        m_ui.m_restoreAnswers.push_back(answer);
        Frame().OfferRecovery();
        EXPECT_EQ(m_ui.Texts(),
                  std::vector<std::string>{"Vesk4 ended without saving the changes to " +
                                           Path("plan.dmp") + ". Restore the unsaved changes?"});
        int model = -1;
        EXPECT_FALSE(Frame().GetSharedImage().GetModel(model) && model == 7);
        EXPECT_FALSE(Marked(Frame()));
        EXPECT_EQ(fs::exists(left.DumpPath()), answer == RestoreAnswer::Later);
    }
}

TEST_F(UnsavedEditsTest, RecentFilesListsWhatWasOpenedOrSavedAndOpensAsFileOpenDoes)
{
    StartWithPlan();
    ASSERT_TRUE(Frame().SaveImage(Path("second.dmp")));
    const QList<QMenu*> menus = Frame().findChildren<QMenu*>();
    const auto found =
        std::find_if(menus.begin(), menus.end(),
                     [](QMenu* candidate)
                     { return candidate->title() == QLatin1String(AppText::kMenuRecentFiles); });
    ASSERT_NE(found, menus.end());
    QMenu* menu = *found;
    emit menu->aboutToShow();
    QStringList shown;
    for (QAction* action : menu->actions())
    {
        shown << action->text();
    }
    EXPECT_EQ(shown, QStringList({"&1 " + QString::fromStdString(Path("second.dmp")),
                                  "&2 " + QString::fromStdString(Path("plan.dmp"))}));

    // With an edit pending it asks first; Cancel opens nothing.
    EditChannel();
    menu->actions().at(1)->trigger();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Save the changes to second.dmp?"});
    EXPECT_EQ(Frame().GetFilePath(), Path("second.dmp"));
    m_ui.m_saveAnswers.push_back(SaveAnswer::Discard);
    menu->actions().at(1)->trigger();
    EXPECT_EQ(Frame().GetFilePath(), Path("plan.dmp"));
    EXPECT_FALSE(Marked(Frame()));
}

// The whole way a user loses work: a real vesk4 program with an edit typed
// into it is killed, and the next start gives back exactly the edited image.
TEST_F(UnsavedEditsTest, AnEditInAKilledProgramComesBackByteForByte)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetModel(5) && image.SetWideReference(5000.0));
    CPlainAppState state;
    ASSERT_TRUE(image.SaveToFile(Path("radio.dmp"), state));

    QProcess program;
    StartProgram(program, VESK4_EDIT_DRIVER, Path("radio.dmp"));
    const std::string copy =
        CRecoveryStore(CRecoveryStore::DefaultFolder(), static_cast<int>(program.processId()))
            .DumpPath();
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(copy); }, 30000))
        << "the program kept its unsaved edit";
    ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), SIGKILL), 0);
    ASSERT_TRUE(program.waitForFinished(20000));
    const std::vector<std::uint8_t> copied = ReadFile(copy);

    // The same edit made here and saved is the image the user had.
    Start();
    ASSERT_TRUE(Frame().OpenDumpFile(Path("radio.dmp")));
    EditChannel();
    ASSERT_TRUE(Frame().SaveImage(Path("edited.dmp")));
    EXPECT_EQ(copied, ReadFile(Path("edited.dmp")));

    m_ui.m_restoreAnswers.push_back(RestoreAnswer::Restore);
    Frame().OfferRecovery();
    EXPECT_EQ(Frame().GetFilePath(), Path("radio.dmp"));
    EXPECT_TRUE(Marked(Frame())) << "restored edits are unsaved";
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(ReadFile(Frame().Recovery().DumpPath()), copied) << "now this program's copy";
    ASSERT_TRUE(Frame().SaveImage(Path("recovered.dmp")));
    EXPECT_EQ(ReadFile(Path("recovered.dmp")), ReadFile(Path("edited.dmp")));
}
