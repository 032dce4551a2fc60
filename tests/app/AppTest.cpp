// The shell: start-up state, menus, enabling rules, switching forms, Clear,
// Directory, Comport set, help and About, and the names its dialogs give
// screen readers.

// own (and tests/common: AccessibleNames.h)
#include "AccessibleNames.h"
#include "AppFixture.h"

// app
#include "app/AboutDlg.h"
#include "app/AppTexts.h"
#include "app/ChildFrame.h"
#include "app/DirectoryDlg.h"
#include "app/HelpWindow.h"

// views
#include "views/ComportDlg.h"
#include "views/ViewTexts.h"

// Qt
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QKeySequence>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>

namespace
{
const int kEditorCommands[] = {ID_VIEW_2TONE, ID_VIEW_CHANNEL, ID_VIEW_OPTION,      ID_VIEW_MANUAL,
                               ID_VIEW_TEST,  ID_VIEW_ADJUST,  ID_VIEW_CHANNEL_LIST};
const int kFileCommands[] = {ID_FILE_OPEN,      ID_FILE_SAVE,  ID_FILE_CLEAR,
                             ID_FILE_DIRECTORY, ID_PRINT_TEXT, ID_PRINT_HEXDUMP};
const int kAlwaysCommands[] = {ID_COMPORT_SET, ID_HELP_TOPICS, ID_APP_ABOUT, ID_APP_EXIT};
const int kViewCommands[] = {ID_VIEW_MODEL,  ID_VIEW_CONNECT, ID_VIEW_CHANNEL,
                             ID_VIEW_MANUAL, ID_VIEW_TEST,    ID_VIEW_2TONE,
                             ID_VIEW_OPTION, ID_VIEW_ADJUST,  ID_VIEW_CHANNEL_LIST};
} // namespace

using ShellTest = AppFixture;

TEST_F(ShellTest, StartsWithTheModelFormInAFixedUnframedLayout)
{
    Start();
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Borea 320");
    EXPECT_EQ(Frame().size(), QSize(640, 480));
    EXPECT_EQ(Frame().minimumSize(), Frame().maximumSize()) << "no sizing border";
    EXPECT_EQ(Frame().findChild<QToolBar*>(), nullptr);
    EXPECT_EQ(Frame().findChild<QStatusBar*>(), nullptr);

    EXPECT_EQ(Frame().GetCurrentView(), VIEW_MODEL);
    ASSERT_NE(ModelForm(), nullptr);
    const auto frames = Frame().ClientArea()->findChildren<CChildFrame*>();
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames.front()->geometry(), QRect(0, 0, 632, 430));
    EXPECT_EQ(frames.front()->GetView(), ModelForm());
    for (int index = 1; index < VIEW_COUNT; ++index)
    {
        EXPECT_EQ(m_app->GetView(index), nullptr) << index;
    }

    EXPECT_TRUE(m_app->IsModelUnset());
    EXPECT_FALSE(m_app->IsPrintBusy());
    EXPECT_EQ(m_app->GetChannelCode(), 1);
    EXPECT_EQ(m_app->GetChannelMode(), 0);
    EXPECT_EQ(m_app->GetModelIndex(), -1);
    EXPECT_EQ(m_app->GetStartDir(), m_dir.path().toStdString());
    EXPECT_EQ(m_app->GetIniPath(), Path("Comport.ini"));
    EXPECT_TRUE(m_ui.m_records.empty());
}

TEST_F(ShellTest, MenusCarryEveryCommandWithItsText)
{
    Start();
    const std::pair<int, const char*> expected[] = {
        {ID_FILE_OPEN, "Open(&O)...\tCtrl+O"},
        {ID_FILE_SAVE, "Save(&S)\tCtrl+S"},
        {ID_PRINT_TEXT, "Text Format(&T)"},
        {ID_PRINT_HEXDUMP, "Hex. Dump(&H)"},
        {ID_FILE_CLEAR, "Clear(&C)"},
        {ID_FILE_DIRECTORY, "Directory(&D)"},
        {ID_APP_EXIT, "End(&X)"},
        {ID_VIEW_MODEL, "Model(&M)"},
        {ID_VIEW_2TONE, "2tone(&N)"},
        {ID_VIEW_CHANNEL, "Channel(&H)"},
        {ID_VIEW_OPTION, "Option(&O)"},
        {ID_VIEW_MANUAL, "Manual(&A)"},
        {ID_VIEW_TEST, "Test(&T)"},
        {ID_VIEW_ADJUST, "Adjust(&J)"},
        {ID_VIEW_CHANNEL_LIST, "Channel List(&L)"},
        {ID_EDIT_UNDO, "Undo(&U)\tCtrl+Z"},
        {ID_EDIT_REDO, "Redo(&R)\tCtrl+Shift+Z"},
        {ID_VIEW_CONNECT, "Radio Comm(&R)"},
        {ID_COMPORT_SET, "Comport set(&C)"},
        {ID_HELP_TOPICS, "Help Topics(&T)"},
        {ID_APP_ABOUT, "Version(Vesk4) (&A)..."},
    };
    for (const auto& [id, text] : expected)
    {
        QAction* action = Frame().GetCommand(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->text().toStdString(), text);
        EXPECT_FALSE(action->isCheckable()) << id;
    }
    EXPECT_EQ(Frame().GetCommand(ID_FILE_OPEN)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Frame().GetCommand(ID_FILE_SAVE)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));

    QStringList menus;
    for (QAction* menu : Frame().menuBar()->actions())
    {
        menus << menu->text();
    }
    EXPECT_EQ(menus, QStringList({"File(&F)", "Edit(&E)", "Utility(&U)", "Help(&H)"}));
}

TEST_F(ShellTest, BeforeAModelIsChosenOnlyModelAndRadioCommMove)
{
    Start();
    EXPECT_FALSE(Enabled(ID_VIEW_MODEL)) << "the active view";
    EXPECT_TRUE(Enabled(ID_VIEW_CONNECT));
    for (const int id : kEditorCommands)
    {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    for (const int id : kFileCommands)
    {
        EXPECT_TRUE(Enabled(id)) << id;
    }
    for (const int id : kAlwaysCommands)
    {
        EXPECT_TRUE(Enabled(id)) << id;
    }

    // Radio Comm and back to Model stay possible while no model is chosen.
    Frame().SwitchView(VIEW_CONNECT);
    EXPECT_TRUE(Enabled(ID_VIEW_MODEL));
    EXPECT_TRUE(Enabled(ID_VIEW_CONNECT)) << "enabled even while active";
    for (const int id : kEditorCommands)
    {
        EXPECT_FALSE(Enabled(id)) << id;
    }
}

TEST_F(ShellTest, ChoosingAModelEnablesEveryOtherEditor)
{
    Start();
    ChooseModel(5);
    EXPECT_FALSE(m_app->IsModelUnset());
    for (const int id : kEditorCommands)
    {
        EXPECT_TRUE(Enabled(id)) << id;
    }
    EXPECT_FALSE(Enabled(ID_VIEW_MODEL));

    // In every view its own command is the one disabled (Radio Comm excepted).
    for (const int id : kViewCommands)
    {
        const int index = ViewOfCommand(id);
        Frame().SwitchView(index);
        ASSERT_EQ(Frame().GetCurrentView(), index);
        for (const int other : kViewCommands)
        {
            const bool expected = other == ID_VIEW_CONNECT || other != id;
            EXPECT_EQ(Enabled(other), expected) << "in view " << index << ", command " << other;
        }
    }
}

// Each print command holds the busy flag while its preview or printer dialog
// is up, so that only Comport set, Help, About and End can be chosen, and
// prints under the path of the file last saved.
TEST_F(ShellTest, EveryPrintCommandHoldsTheBusyFlagUntilItsDialogCloses)
{
    Start();
    ChooseModel(9);
    m_ui.m_files.push_back(Path("radio.dmp"));
    Frame().GetCommand(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(Frame().GetCommand(ID_FILE_PRINT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    std::vector<int> commands(std::begin(kViewCommands), std::end(kViewCommands));
    commands.insert(commands.end(), std::begin(kFileCommands), std::end(kFileCommands));
    commands.insert(commands.end(), {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW});
    commands.insert(commands.end(), std::begin(kAlwaysCommands), std::end(kAlwaysCommands));
    const auto enabledCommands = [&]
    {
        std::vector<int> enabled;
        for (const int id : commands)
        {
            if (Enabled(id))
            {
                enabled.push_back(id);
            }
        }
        return enabled;
    };
    const std::vector<int> idle = enabledCommands();
    const struct
    {
        int id;
        bool preview; // else the printer dialog
    } cases[] = {
        {ID_PRINT_TEXT, true},         {ID_PRINT_HEXDUMP, true},      {ID_FILE_PRINT, false},
        {ID_FILE_PRINT_DIRECT, false}, {ID_FILE_PRINT_PREVIEW, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.id);
        bool busy = false;
        std::vector<int> during;
        m_ui.m_dialogScripts.push_back(
            [&](QDialog& dialog)
            {
                busy = m_app->IsPrintBusy();
                during = enabledCommands();
                EXPECT_EQ(qobject_cast<QPrintPreviewDialog*>(&dialog) != nullptr, c.preview);
                EXPECT_EQ(qobject_cast<QPrintDialog*>(&dialog) != nullptr, !c.preview);
                return static_cast<int>(QDialog::Rejected);
            });
        Frame().GetCommand(c.id)->trigger();
        EXPECT_TRUE(busy);
        EXPECT_EQ(during, std::vector<int>(std::begin(kAlwaysCommands), std::end(kAlwaysCommands)));
        EXPECT_FALSE(m_app->IsPrintBusy());
        EXPECT_EQ(enabledCommands(), idle);
        EXPECT_EQ(Frame().ActiveView()->GetPrintJob().GetTitle(), Path("radio.dmp"));
    }
}

TEST_F(ShellTest, OpeningAMenuReevaluatesTheEnabling)
{
    Start();
    const QList<QObject*> owners = Frame().GetCommand(ID_FILE_OPEN)->associatedObjects();
    QMenu* file = owners.isEmpty() ? nullptr : qobject_cast<QMenu*>(owners.front());
    ASSERT_NE(file, nullptr);
    bool enabledWhenOpened = true;
    m_ui.m_dialogScripts.push_back(
        [&](QDialog& dialog)
        {
            // Left enabled by mistake while the preview holds the busy flag.
            Frame().GetCommand(ID_FILE_OPEN)->setEnabled(true);
            emit file->aboutToShow();
            enabledWhenOpened = Enabled(ID_FILE_OPEN);
            return dialog.result();
        });
    Frame().GetCommand(ID_PRINT_HEXDUMP)->trigger();
    EXPECT_FALSE(enabledWhenOpened);
}

TEST_F(ShellTest, APrintThatCannotReadTheFormClearsTheBusyFlagAtOnce)
{
    Start();
    ModelForm()->YearEdit()->clear();
    Frame().GetCommand(ID_PRINT_TEXT)->trigger();
    EXPECT_FALSE(m_app->IsPrintBusy());
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Please enter a positive integer."});
    EXPECT_TRUE(Enabled(ID_FILE_OPEN));
}

TEST_F(ShellTest, ChoosingTheActiveViewDoesNothing)
{
    Start();
    CVesk4View* before = m_app->GetView(VIEW_MODEL);
    ModelForm()->DayEdit()->setText("31");
    ModelForm()->MonthList()->setCurrentIndex(3); // April: leaving would fail
    Frame().SwitchView(VIEW_MODEL);
    EXPECT_EQ(m_app->GetView(VIEW_MODEL), before);
    EXPECT_TRUE(m_ui.m_records.empty()) << "not even validated";
}

TEST_F(ShellTest, SwitchingKeepsExactlyOneViewOpen)
{
    Start();
    ChooseModel(10);
    for (const int index : {VIEW_CHANNEL, VIEW_MANUAL, VIEW_TEST, VIEW_2TONE, VIEW_OPTION,
                            VIEW_ADJUST, VIEW_CONNECT, VIEW_MODEL})
    {
        Frame().SwitchView(index);
        EXPECT_EQ(Frame().GetCurrentView(), index);
        for (int other = 0; other < VIEW_COUNT; ++other)
        {
            EXPECT_EQ(m_app->GetView(other) != nullptr, other == index) << index << " " << other;
        }
        EXPECT_EQ(Frame().ClientArea()->findChildren<CChildFrame*>().size(), 1);
    }
}

TEST_F(ShellTest, AFormThatRefusesToBeLeftStaysActive)
{
    Start();
    ChooseModel(5);
    ModelForm()->MonthList()->setCurrentIndex(3); // April
    ModelForm()->DayEdit()->setText("31");
    Frame().SwitchView(VIEW_CHANNEL);

    EXPECT_EQ(Frame().GetCurrentView(), VIEW_MODEL);
    EXPECT_NE(ModelForm(), nullptr);
    EXPECT_EQ(m_app->GetView(VIEW_CHANNEL), nullptr);
    EXPECT_EQ(m_ui.CountOf(" Set Up Error !! "), 1);
    int model = 0;
    EXPECT_FALSE(Frame().GetSharedImage().GetModel(model)) << "nothing stored";
}

TEST_F(ShellTest, LeavingTheModelFormStoresItAndComingBackShowsIt)
{
    Start();
    ChooseModel(13);
    ModelForm()->SerialEdit()->setText("12AB");
    Frame().SwitchView(VIEW_CHANNEL);
    int model = -1;
    ASSERT_TRUE(Frame().GetSharedImage().GetModel(model));
    EXPECT_EQ(model, 13);
    EXPECT_EQ(m_app->GetModelIndex(), 13);

    Frame().SwitchView(VIEW_MODEL);
    EXPECT_EQ(ModelForm()->ModelList()->currentIndex(), 13);
    EXPECT_EQ(ModelForm()->SerialEdit()->text(), "12AB");
    EXPECT_EQ(ModelForm()->InjectionList()->currentText(), "LOW");
    EXPECT_EQ(ModelForm()->WideReferenceList()->currentText(), "12.5");
}

TEST_F(ShellTest, ClearFromEveryViewEndsInTheModelFormWithNoModel)
{
    for (int index = 0; index < VIEW_COUNT; ++index)
    {
        SCOPED_TRACE(index);
        Start();
        m_app->SetChannelCode(2);
        m_app->SetChannelMode(1);
        ChooseModel(6);
        // A file saved first: Clear keeps its path and title.
        m_ui.m_files.push_back(Path("some.dmp"));
        Frame().GetCommand(ID_FILE_SAVE)->trigger();
        ASSERT_EQ(Frame().GetFilePath(), Path("some.dmp"));
        Frame().SwitchView(index == VIEW_MODEL ? VIEW_CHANNEL : index);
        Frame().SwitchView(index);
        ASSERT_EQ(Frame().GetCurrentView(), index);
        int model = -1;
        ASSERT_TRUE(Frame().GetSharedImage().GetModel(model));
        m_ui.Clear();

        Frame().GetCommand(ID_FILE_CLEAR)->trigger();

        EXPECT_EQ(Frame().GetCurrentView(), VIEW_MODEL);
        ASSERT_NE(ModelForm(), nullptr);
        EXPECT_EQ(ModelForm()->ModelList()->currentIndex(), -1);
        EXPECT_FALSE(Frame().GetSharedImage().GetModel(model));
        EXPECT_TRUE(m_app->IsModelUnset());
        for (const int id : kEditorCommands)
        {
            EXPECT_FALSE(Enabled(id)) << id;
        }
        EXPECT_TRUE(m_ui.m_records.empty()) << "nothing changed, nothing asked";
        // The cleared image is no longer what the file holds.
        EXPECT_EQ(Frame().windowTitle().toStdString(), "*" + Path("some.dmp"));
        EXPECT_EQ(Frame().GetFilePath(), Path("some.dmp"));
        EXPECT_EQ(m_app->GetChannelCode(), 2);
        EXPECT_EQ(m_app->GetChannelMode(), 1);
        m_app.reset();
    }
}

TEST_F(ShellTest, ClearAsksAboutEditsAndDropsThemUncheckedOnDiscard)
{
    Start();
    ChooseModel(2);
    ModelForm()->YearEdit()->setText("1900");
    Frame().OnFileClear();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Save the changes to Untitled?"});
    EXPECT_EQ(ModelForm()->YearEdit()->text(), "1900") << "Cancel keeps the edits";

    m_ui.Clear();
    m_ui.m_saveAnswers.push_back(SaveAnswer::Discard);
    Frame().OnFileClear();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Save the changes to Untitled?"})
        << "no check of the invalid year";
    EXPECT_NE(ModelForm()->YearEdit()->text(), "1900");
}

TEST_F(ShellTest, DirectoryRetriesUntilTheFolderExists)
{
    Start();
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    bool closedOnBadName = true;
    m_ui.m_dialogScripts.push_back(
        [&](QDialog& dialog)
        {
            auto& directory = dynamic_cast<CDirectoryDlg&>(dialog);
            directory.DirectoryEdit()->setText(m_dir.filePath("missing"));
            closedOnBadName = directory.OnOK();
            directory.DirectoryEdit()->setText(other.path());
            directory.OnOK();
            return dialog.result();
        });
    Frame().GetCommand(ID_FILE_DIRECTORY)->trigger();
    EXPECT_FALSE(closedOnBadName);
    EXPECT_EQ(m_ui.CountOf("Directory Name Error !"), 1);
    EXPECT_EQ(QDir::currentPath(), QDir(other.path()).canonicalPath());
    EXPECT_EQ(m_app->GetIniPath(), Path("Comport.ini")) << "fixed at start-up";

    // The file dialogs start in the new folder.
    Frame().GetCommand(ID_FILE_OPEN)->trigger();
    ASSERT_EQ(m_ui.m_fileRequests.size(), 1u);
    EXPECT_EQ(m_ui.m_fileRequests[0].directory, QDir(other.path()).canonicalPath().toStdString());
    EXPECT_EQ(m_ui.m_fileRequests[0].initialName, "*.dmp");
    EXPECT_EQ(m_ui.m_fileRequests[0].filter, "Dump File(*.dmp)");
}

TEST_F(ShellTest, DirectoryCancelChangesNothing)
{
    Start();
    const QString before = QDir::currentPath();
    m_ui.m_dialogScripts.push_back(
        [](QDialog& dialog)
        {
            dynamic_cast<CDirectoryDlg&>(dialog).DirectoryEdit()->setText("/");
            dialog.reject();
            return dialog.result();
        });
    Frame().OnFileDirectory();
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_TRUE(m_ui.Texts().empty());
}

TEST_F(ShellTest, ComportSetStoresTheChoiceOnlyOnOk)
{
    Start();
    int offered = -1;
    m_ui.m_dialogScripts.push_back(
        [&](QDialog& dialog)
        {
            auto& port = dynamic_cast<CComportDlg&>(dialog);
            offered = port.Comport2()->isChecked() ? 1 : 0;
            port.Comport2()->setChecked(true);
            dialog.reject(); // closed with the window's close button
            return dialog.result();
        });
    Frame().GetCommand(ID_COMPORT_SET)->trigger();
    EXPECT_EQ(offered, 0);
    EXPECT_EQ(m_app->GetComPort(), 0);

    ChooseCom2();
    EXPECT_EQ(m_app->GetComPort(), 1);
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("Comport.ini"))) << "written only at exit";
}

TEST_F(ShellTest, HelpOpensTheStartDirectoryCopyAtItsContents)
{
    WriteText(Path("Vesk4.hlp"), "<html><body><h1>Local help</h1></body></html>");
    Start();
    // A later Directory change does not move the help file.
    QTemporaryDir other;
    ASSERT_TRUE(QDir::setCurrent(other.path()));
    Frame().GetCommand(ID_HELP_TOPICS)->trigger();
    CHelpWindow* help = Frame().GetHelpWindow();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->CurrentFile(), Path("Vesk4.hlp"));
    EXPECT_TRUE(help->Browser()->toPlainText().startsWith("Local help"));
    EXPECT_TRUE(m_ui.m_records.empty());
}

TEST_F(ShellTest, HelpFallsBackToTheCopyInstalledWithTheProgram)
{
    Start();
    Frame().GetCommand(ID_HELP_TOPICS)->trigger();
    CHelpWindow* help = Frame().GetHelpWindow();
    const std::string installed =
        QCoreApplication::applicationDirPath().toStdString() + "/Vesk4.hlp";
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(installed)));
    EXPECT_EQ(help->CurrentFile(), installed);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->Browser()->toPlainText().contains("Contents"));
    EXPECT_EQ(help->Browser()->verticalScrollBar()->value(), 0) << "opened at the contents";
}

TEST_F(ShellTest, HelpWithoutAnyCopyTellsTheUser)
{
    EXPECT_EQ(CHelpWindow::LocateHelpFile(m_dir.path().toStdString(), Path("nowhere")), "");
    Start();
    m_app->SetProgramDir(Path("nowhere"));
    Frame().GetCommand(ID_HELP_TOPICS)->trigger();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"The help file Vesk4.hlp cannot be found."});
    EXPECT_FALSE(Frame().GetHelpWindow()->isVisible());
}

TEST_F(ShellTest, AboutShowsTheVersion)
{
    Start();
    std::vector<std::string> labels;
    m_ui.m_dialogScripts.push_back(
        [&](QDialog& dialog)
        {
            EXPECT_NE(dynamic_cast<CAboutDlg*>(&dialog), nullptr);
            for (QLabel* label : dialog.findChildren<QLabel*>())
            {
                labels.push_back(label->text().toStdString());
            }
            EXPECT_NE(dialog.findChild<QPushButton*>(), nullptr);
            return static_cast<int>(QDialog::Accepted);
        });
    Frame().GetCommand(ID_APP_ABOUT)->trigger();
    ASSERT_EQ(m_ui.m_records.size(), 1u);
    EXPECT_EQ(m_ui.m_records[0].text, "About Vesk4");
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Borea 320 Version 1.01"), labels.end());
}

TEST_F(ShellTest, EndAsksNothingWithoutEditsAndSaveWritesTheFileFirst)
{
    Start();
    Frame().GetCommand(ID_APP_EXIT)->trigger();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(m_ui.m_records.empty());

    Frame().show();
    ChooseModel(3);
    Frame().GetCommand(ID_APP_EXIT)->trigger();
    EXPECT_TRUE(Frame().isVisible()) << "Cancel keeps the window";
    m_ui.m_saveAnswers.push_back(SaveAnswer::Save);
    m_ui.m_files.push_back(Path("ended.dmp"));
    Frame().GetCommand(ID_APP_EXIT)->trigger();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(m_ui.CountOf("Save the changes to Untitled?"), 2);
    EXPECT_EQ(ReadFile(Path("ended.dmp")).size(), kDumpFileSize);
}

TEST(AppDialogsTest, EveryDialogOfTheShellNamesEveryControl)
{
    CFakeUiServices ui;
    CDirectoryDlg directory(ui, nullptr);
    CAboutDlg about(nullptr);
    EXPECT_EQ(Unnamed(&directory), QStringList());
    EXPECT_EQ(Unnamed(&about), QStringList());
}
