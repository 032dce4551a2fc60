// The main window and its commands.

// own
#include "app/MainFrame.h"
#include "app/AppTexts.h"
#include "ui/CommandIds.h"
#include "app/DirectoryDlg.h"
#include "app/CompareCommands.h"
#include "app/FleetDialog.h"
#include "app/FleetDlgTexts.h"
#include "app/HelpWindow.h"
#include "app/PlanCommands.h"
#include "app/PlanCompareTexts.h"
#include "ui/UiServices.h"
#include "app/Vesk4App.h"

// views
#include "views/ComportDlg.h"
#include "views/Vesk4View.h"

// Qt
#include <QAction>
#include <QDir>
#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

// std
#include <cstdio>
#include <filesystem>

// POSIX
#include <unistd.h>

namespace
{
std::string OpenErrorText(const std::string& path, DumpFileStatus status)
{
    const char* reason = AppText::kOpenUnreadable;
    switch (status)
    {
    case DumpFileStatus::Missing:
        reason = AppText::kOpenMissing;
        break;
    case DumpFileStatus::Denied:
        reason = AppText::kOpenDenied;
        break;
    case DumpFileStatus::NotRegular:
        reason = AppText::kOpenNotRegular;
        break;
    default:
        break;
    }
    const int n = std::snprintf(nullptr, 0, AppText::kOpenErrorFormat, path.c_str(), reason);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, AppText::kOpenErrorFormat, path.c_str(), reason);
    return text;
}
} // namespace

// The icon is compiled into this static library, whose resource initialiser a
// linker would otherwise drop.
static void InitResources()
{
    Q_INIT_RESOURCE(vesk4);
}

CMainFrame::CMainFrame(CVesk4App& app)
    : m_app(app), m_pPlans(std::make_unique<CPlanCommands>(*this, app)),
      m_pCompare(std::make_unique<CCompareCommands>(*this, app)),
      m_recovery(CRecoveryStore::DefaultFolder(), static_cast<int>(::getpid())),
      m_recent(CRecentFiles::DefaultPath())
{
    m_recent.Load();
    InitResources();
    setWindowTitle(QString::fromLatin1(AppText::kMainTitle));
    setWindowIcon(QIcon(QStringLiteral(":/vesk4/vesk4.png")));
    // A fixed size gives the window no sizing border.
    setFixedSize(kWidth, kHeight);
    move(0, 0);
    setCentralWidget(new QWidget(this));
    CreateMenus();
    CreateStandardPrintCommands();
    m_pHelpWindow = new CHelpWindow(this);
    // Often enough that a kill loses the last few seconds of work at most,
    // and the marker follows typing closely.
    m_pUnsavedTimer = new QTimer(this);
    connect(m_pUnsavedTimer, &QTimer::timeout, this, [this] { UpdateUnsavedState(); });
    m_pUnsavedTimer->start(kUnsavedCheckMs);
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() = default;

QWidget* CMainFrame::ClientArea() const
{
    return centralWidget();
}

QAction* CMainFrame::GetCommand(int id) const
{
    const auto it = m_commands.find(id);
    return it == m_commands.end() ? nullptr : it->second;
}

CVesk4View* CMainFrame::ActiveView() const
{
    return m_app.GetView(m_nCurView);
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const char* text)
{
    // The texts carry their shortcut after a tab, which the menu shows as is.
    QAction* action = menu->addAction(QString::fromLatin1(text));
    m_commands[id] = action;
    return action;
}

void CMainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QString::fromLatin1(AppText::kMenuFile));
    QAction* open = AddCommand(file, ID_FILE_OPEN, AppText::kFileOpen);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, [this] { OnFileOpen(); });
    QAction* save = AddCommand(file, ID_FILE_SAVE, AppText::kFileSave);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, [this] { OnFileSave(); });
    QMenu* print = file->addMenu(QString::fromLatin1(AppText::kMenuPrint));
    connect(AddCommand(print, ID_PRINT_TEXT, AppText::kPrintTextFormat), &QAction::triggered, this,
            [this] { OnFilePrint(true); });
    connect(AddCommand(print, ID_PRINT_HEXDUMP, AppText::kPrintHexDump), &QAction::triggered, this,
            [this] { OnFilePrint(false); });
    connect(AddCommand(file, ID_FILE_CLEAR, AppText::kFileClear), &QAction::triggered, this,
            [this] { OnFileClear(); });
    connect(AddCommand(file, ID_FILE_DIRECTORY, AppText::kFileDirectory), &QAction::triggered, this,
            [this] { OnFileDirectory(); });
    m_pRecentMenu = file->addMenu(QString::fromLatin1(AppText::kMenuRecentFiles));
    connect(m_pRecentMenu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    file->addSeparator();
    connect(AddCommand(file, ID_PLAN_IMPORT, PlanCompareText::kImportPlan), &QAction::triggered,
            this, [this] { m_pPlans->OnImportPlan(); });
    connect(AddCommand(file, ID_PLAN_EXPORT, PlanCompareText::kExportPlan), &QAction::triggered,
            this, [this] { m_pPlans->OnExportPlan(); });
    connect(AddCommand(file, ID_COMPARE_FILE, PlanCompareText::kCompareFile), &QAction::triggered,
            this, [this] { m_pCompare->OnCompareWithFile(); });
    file->addSeparator();
    connect(AddCommand(file, ID_APP_EXIT, AppText::kFileEnd), &QAction::triggered, this,
            [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QString::fromLatin1(AppText::kMenuEdit));
    QAction* undo = AddCommand(edit, ID_EDIT_UNDO, AppText::kEditUndo);
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, [this] { OnEditUndo(); });
    QAction* redo = AddCommand(edit, ID_EDIT_REDO, AppText::kEditRedo);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redo, &QAction::triggered, this, [this] { OnEditRedo(); });
    edit->addSeparator();
    const std::pair<int, const char*> views[] = {
        {ID_VIEW_MODEL, AppText::kViewModel},     {ID_VIEW_2TONE, AppText::kView2Tone},
        {ID_VIEW_CHANNEL, AppText::kViewChannel}, {ID_VIEW_OPTION, AppText::kViewOption},
        {ID_VIEW_MANUAL, AppText::kViewManual},   {ID_VIEW_TEST, AppText::kViewTest},
        {ID_VIEW_ADJUST, AppText::kViewAdjust},   {ID_VIEW_CHANNEL_LIST, AppText::kViewChannelList},
    };
    for (const auto& [id, text] : views)
    {
        const int index = ViewOfCommand(id);
        connect(AddCommand(edit, id, text), &QAction::triggered, this,
                [this, index] { SwitchView(index); });
    }

    QMenu* utility = menuBar()->addMenu(QString::fromLatin1(AppText::kMenuUtility));
    connect(AddCommand(utility, ID_VIEW_CONNECT, AppText::kViewRadioComm), &QAction::triggered,
            this, [this] { SwitchView(VIEW_CONNECT); });
    connect(AddCommand(utility, ID_COMPARE_RADIO, PlanCompareText::kCompareRadio),
            &QAction::triggered, this, [this] { m_pCompare->OnCompareWithRadio(); });
    connect(AddCommand(utility, ID_FLEET, FleetText::kMenuFleet), &QAction::triggered, this,
            [this]
            {
                // One dialog, brought up again while it runs.
                auto* dialog = findChild<CFleetDialog*>();
                if (dialog == nullptr)
                {
                    dialog = new CFleetDialog(*this, m_app, this);
                }
                dialog->show();
                dialog->raise();
                dialog->activateWindow();
            });
    connect(AddCommand(utility, ID_COMPORT_SET, AppText::kComportSet), &QAction::triggered, this,
            [this] { OnComportSet(); });

    QMenu* help = menuBar()->addMenu(QString::fromLatin1(AppText::kMenuHelp));
    connect(AddCommand(help, ID_HELP_TOPICS, AppText::kHelpTopics), &QAction::triggered, this,
            [this] { OnHelpTopics(); });
    connect(AddCommand(help, ID_APP_ABOUT, AppText::kAbout), &QAction::triggered, this,
            [this] { m_app.OnAppAbout(); });

    for (QMenu* menu : {file, print, edit, utility, help})
    {
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
    }
}

void CMainFrame::CreateStandardPrintCommands()
{
    // Not in any menu: the window holds them so that their keys work.
    const std::pair<int, const char*> commands[] = {
        {ID_FILE_PRINT, AppText::kFilePrint},
        {ID_FILE_PRINT_DIRECT, AppText::kFilePrintDirect},
        {ID_FILE_PRINT_PREVIEW, AppText::kFilePrintPreview},
    };
    for (const auto& [id, text] : commands)
    {
        QAction* action = new QAction(QString::fromLatin1(text), this);
        addAction(action);
        m_commands[id] = action;
        connect(action, &QAction::triggered, this, [this, id = id] { OnStandardPrint(id); });
    }
    GetCommand(ID_FILE_PRINT)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
}

void CMainFrame::UpdateCommandUI()
{
    if (m_nCurView == VIEW_MODEL)
    {
        if (CVesk4View* view = ActiveView())
        {
            m_app.SetModelUnset(view->IsModelUnset());
        }
    }
    const bool busy = m_app.IsPrintBusy();

    for (const int id : {ID_VIEW_2TONE, ID_VIEW_CHANNEL, ID_VIEW_OPTION, ID_VIEW_MANUAL,
                         ID_VIEW_TEST, ID_VIEW_ADJUST, ID_VIEW_CHANNEL_LIST})
    {
        GetCommand(id)->setEnabled(ViewOfCommand(id) != m_nCurView && !m_app.IsModelUnset() &&
                                   !busy);
    }
    GetCommand(ID_VIEW_MODEL)->setEnabled(m_nCurView != VIEW_MODEL && !busy);
    GetCommand(ID_VIEW_CONNECT)->setEnabled(!busy);
    for (const int id :
         {ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_CLEAR, ID_FILE_DIRECTORY, ID_PRINT_TEXT,
          ID_PRINT_HEXDUMP, ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW})
    {
        GetCommand(id)->setEnabled(!busy);
    }
    for (const int id : {ID_PLAN_IMPORT, ID_PLAN_EXPORT, ID_COMPARE_FILE})
    {
        GetCommand(id)->setEnabled(!busy);
    }
    GetCommand(ID_COMPARE_RADIO)->setEnabled(!busy && !m_pCompare->IsReading());
    for (const int id : {ID_COMPORT_SET, ID_HELP_TOPICS, ID_APP_ABOUT, ID_APP_EXIT})
    {
        GetCommand(id)->setEnabled(true);
    }
    const auto stepText = [](const char* plain, const char* named, const std::string& step)
    {
        return step.empty() ? QString::fromLatin1(plain)
                            : QString::fromLatin1(named).arg(QString::fromStdString(step));
    };
    GetCommand(ID_EDIT_UNDO)
        ->setText(stepText(AppText::kEditUndo, AppText::kEditUndoStep, m_history.UndoName()));
    GetCommand(ID_EDIT_REDO)
        ->setText(stepText(AppText::kEditRedo, AppText::kEditRedoStep, m_history.RedoName()));
    GetCommand(ID_EDIT_UNDO)->setEnabled(m_history.CanUndo() && !busy);
    GetCommand(ID_EDIT_REDO)->setEnabled(m_history.CanRedo() && !busy);
    m_pRecentMenu->setEnabled(!busy);
    UpdateUnsavedState();
}

ImageState CMainFrame::CurrentState() const
{
    return ImageState{m_sharedImage, m_app.GetChannelMode()};
}

std::string CMainFrame::FormStepName() const
{
    const int form = m_nCurView >= 0 && m_nCurView < VIEW_COUNT ? m_nCurView : VIEW_MODEL;
    return QString::fromLatin1(AppText::kFormStep)
        .arg(QString::fromLatin1(AppText::kFormNames[form]))
        .toStdString();
}

bool CMainFrame::StoreActiveView(const std::string& name)
{
    CVesk4View* view = ActiveView();
    if (view == nullptr)
    {
        return true;
    }
    if (m_nCurView == VIEW_CONNECT)
    {
        // An Up Load copied in replaces everything: tried on a copy first, so
        // that unsaved edits can still be saved, or the copy given up.
        const ImageState before = CurrentState();
        const std::int32_t code = m_app.GetChannelCode();
        CRadioImage incoming = m_sharedImage;
        view->StoreToImage(incoming);
        if (ImageState{incoming, m_app.GetChannelMode()} == before)
        {
            return true;
        }
        const std::int32_t newMode = m_app.GetChannelMode();
        const std::int32_t newCode = m_app.GetChannelCode();
        m_app.SetChannelMode(before.channelMode);
        m_app.SetChannelCode(code);
        if (HasUnsavedChanges() && !MayDropChanges())
        {
            return false;
        }
        m_app.SetChannelMode(newMode);
        m_app.SetChannelCode(newCode);
        m_sharedImage = incoming;
        // A new history: there is nothing before it to go back to.
        m_history.Clear();
        m_bRecovered = false;
        return true;
    }
    const ImageState before = CurrentState();
    m_bStoring = true;
    m_strStepName.clear();
    view->StoreToImage(m_sharedImage);
    m_bStoring = false;
    const std::string step = m_strStepName.empty() ? name : m_strStepName;
    m_history.Record(step, m_nCurView, before, CurrentState());
    return true;
}

void CMainFrame::OnFormEdited(int viewIndex, const std::string& name)
{
    if (viewIndex != m_nCurView)
    {
        return;
    }
    if (m_bStoring)
    {
        m_strStepName = name;
        return;
    }
    (void)StoreActiveView(name);
    UpdateCommandUI();
}

void CMainFrame::OpenViewOnShared(int index)
{
    m_app.CloseView(m_nCurView);
    m_nCurView = index;
    // The channel list wants room; every other form keeps the window's size.
    const bool wide = index == VIEW_CHANNEL_LIST;
    setFixedSize(wide ? kListWidth : kWidth, wide ? kListHeight : kHeight);
    m_app.OpenView(index);
    if (CVesk4View* view = ActiveView())
    {
        view->LoadFromImage(m_sharedImage);
    }
}

void CMainFrame::RestoreState(const ImageState& state, int form)
{
    m_sharedImage = state.image;
    m_app.SetChannelMode(state.channelMode);
    m_app.SetChannelCode(state.channelMode != 0 ? 2 : 1);
    int model = -1;
    m_app.SetModelUnset(!m_sharedImage.GetModel(model) || model < 0);
    // The Channel and Channel List forms show the same channels.
    const auto channels = [](int view)
    { return view == VIEW_CHANNEL || view == VIEW_CHANNEL_LIST; };
    const bool shown = form == m_nCurView || (channels(form) && channels(m_nCurView));
    if (!shown && form >= 0 && form < VIEW_COUNT && form != VIEW_CONNECT)
    {
        OpenViewOnShared(form);
    }
    else if (CVesk4View* view = ActiveView())
    {
        view->LoadFromImage(m_sharedImage);
    }
    UpdateCommandUI();
}

void CMainFrame::OnEditUndo()
{
    CVesk4View* view = ActiveView();
    if (view == nullptr || !view->ValidateForm())
    {
        return;
    }
    if (!StoreActiveView(FormStepName()))
    {
        return;
    }
    const int form = m_history.UndoForm();
    ImageState state;
    if (m_history.Undo(state))
    {
        RestoreState(state, form);
    }
    UpdateCommandUI();
}

void CMainFrame::OnEditRedo()
{
    CVesk4View* view = ActiveView();
    if (view == nullptr || !view->ValidateForm())
    {
        return;
    }
    // Pending edits are a new step, which leaves nothing to redo.
    if (!StoreActiveView(FormStepName()))
    {
        return;
    }
    const int form = m_history.RedoForm();
    ImageState state;
    if (m_history.Redo(state))
    {
        RestoreState(state, form);
    }
    UpdateCommandUI();
}

void CMainFrame::SwitchView(int index)
{
    if (index == m_nCurView || index < 0 || index >= VIEW_COUNT)
    {
        return;
    }
    if (CVesk4View* view = ActiveView())
    {
        if (!view->ValidateForm() || !StoreActiveView(FormStepName()))
        {
            return;
        }
    }
    OpenViewOnShared(index);
    UpdateCommandUI();
}

void CMainFrame::OnFileOpen()
{
    CVesk4View* view = ActiveView();
    if (view == nullptr || !MayDropChanges())
    {
        return;
    }
    std::string path;
    if (!ChooseDumpToOpen(path))
    {
        return;
    }
    (void)OpenDumpFile(path);
}

bool CMainFrame::OpenDumpFile(const std::string& path)
{
    CVesk4View* view = ActiveView();
    if (view == nullptr)
    {
        return false;
    }
    // Read once, and only a file that could be read completely replaces the
    // configuration: otherwise the old radio's data would stay on screen under
    // the new name, and the next Save or Down Load would carry it there.
    CRadioImage loaded;
    DumpFileStatus status = DumpFileStatus::Loaded;
    if (!loaded.LoadFromFile(path, m_app, &status))
    {
        // A short file has already been reported as " Read Error !! ".
        if (status != DumpFileStatus::TooShort)
        {
            m_app.Ui().ShowMessage(OpenErrorText(path, status), MessageIcon::Warning);
        }
        return false;
    }
    OnImageOpened(path, loaded);
    view->OnImageOpened(path, loaded);
    (void)m_recent.Add(path);
    UpdateCommandUI();
    return true;
}

void CMainFrame::OnFileSave()
{
    (void)SaveWithDialog(true);
}

bool CMainFrame::SaveWithDialog(bool withView)
{
    CVesk4View* view = ActiveView();
    if (view == nullptr)
    {
        return false;
    }
    FileDialogRequest request;
    request.initialName = view->GetReportTitle();
    request.filter = AppText::kDumpFilter;
    request.directory = QDir::currentPath().toStdString();
    // Some forms ask a question here (Radio Comm: " COPY OK ? ").
    if (withView && !view->ValidateForm())
    {
        return false;
    }
    std::string path;
    if (!m_app.Ui().ChooseSaveFile(request, path))
    {
        return false;
    }
    bool saved = false;
    if (withView)
    {
        saved = SaveImage(path);
    }
    else if (m_sharedImage.SaveToFile(AddDumpExtension(path), m_app))
    {
        m_history.MarkSaved();
        m_bRecovered = false;
        m_strFilePath = path;
        (void)m_recent.Add(AddDumpExtension(path));
        saved = true;
    }
    else
    {
        m_app.Ui().ShowMessage(AppText::kWriteError, MessageIcon::Warning);
    }
    UpdateCommandUI();
    return saved;
}

void CMainFrame::OnFilePrint(bool textReport)
{
    CVesk4View* view = ActiveView();
    if (!view)
    {
        return;
    }
    m_app.SetPrintBusy(true);
    UpdateCommandUI();
    const bool started =
        textReport ? view->PrintReport(m_strFilePath) : view->PrintHexDump(m_strFilePath);
    if (!started)
    {
        m_app.SetPrintBusy(false);
    }
    UpdateCommandUI();
}

void CMainFrame::OnStandardPrint(int id)
{
    CVesk4View* view = ActiveView();
    if (!view)
    {
        return;
    }
    // These hold the busy flag as the Print menu does: nothing else may run
    // while a job is under way.
    m_app.SetPrintBusy(true);
    UpdateCommandUI();
    const bool started = id == ID_FILE_PRINT_PREVIEW ? view->OnFilePrintPreview(m_strFilePath)
                                                     : view->OnFilePrint(m_strFilePath);
    if (!started)
    {
        m_app.SetPrintBusy(false);
    }
    UpdateCommandUI();
}

bool CMainFrame::TakeActiveEdits()
{
    CVesk4View* view = ActiveView();
    if (view == nullptr || !view->ValidateForm())
    {
        return false;
    }
    StoreActiveView(FormStepName());
    view->LoadFromImage(m_sharedImage);
    UpdateCommandUI();
    return true;
}

void CMainFrame::ApplyStep(const std::string& name, const CRadioImage& image)
{
    const ImageState before = CurrentState();
    m_sharedImage = image;
    m_history.Record(name, m_nCurView, before, CurrentState());
    if (CVesk4View* view = ActiveView())
    {
        view->LoadFromImage(m_sharedImage);
    }
    UpdateCommandUI();
}

void CMainFrame::OnFileClear()
{
    if (!MayDropChanges())
    {
        return;
    }
    // Leaving without ValidateForm or StoreToImage drops the view's edits;
    // the clearing itself is a step Undo takes back.
    const ImageState before = CurrentState();
    (void)m_sharedImage.Reset();
    m_app.SetModelUnset(true);
    m_history.Record(AppText::kClearStep, VIEW_MODEL, before, CurrentState());
    OpenViewOnShared(VIEW_MODEL);
    UpdateCommandUI();
}

void CMainFrame::OnFileDirectory()
{
    CDirectoryDlg dialog(m_app.Ui(), this);
    m_app.Ui().RunDialog(dialog);
}

void CMainFrame::OnComportSet()
{
    CComportDlg dialog(m_app.GetComPort(), m_app.GetPortMap().DevicePath(1),
                       m_app.GetPortMap().DevicePath(2), this);
    if (m_app.Ui().RunDialog(dialog) != QDialog::Accepted)
    {
        return;
    }
    m_app.SetComPort(dialog.m_nPort);
    if (!m_app.AssignDevice(1, dialog.m_strDevice1) || !m_app.AssignDevice(2, dialog.m_strDevice2))
    {
        m_app.Ui().ShowMessage(AppText::kDevicesNotSaved, MessageIcon::Warning);
    }
    // Every form that talks to the radio follows the choice: the port lines
    // of the Adjust and Test forms, too, end with choosing it here.
    if (CVesk4View* view = ActiveView())
    {
        view->OnPortChanged();
    }
}

void CMainFrame::OnHelpTopics()
{
    // The start-up directory, not the one chosen later with Directory.
    const std::string path =
        CHelpWindow::LocateHelpFile(m_app.GetStartDir(), m_app.GetProgramDir());
    if (path.empty() || !m_pHelpWindow->OpenFile(path))
    {
        m_app.Ui().ShowMessage(AppText::kHelpMissing, MessageIcon::Warning);
        return;
    }
    m_pHelpWindow->show();
    m_pHelpWindow->raise();
    m_pHelpWindow->activateWindow();
}

void CMainFrame::OnImageOpened(const std::string& path, const CRadioImage& loaded)
{
    m_strFilePath = path;
    m_sharedImage = loaded;
    m_history.Clear();
    m_bRecovered = false;
    ShowTitle();
}

bool CMainFrame::ChooseDumpToOpen(std::string& path)
{
    FileDialogRequest request;
    request.initialName = AppText::kDumpPattern;
    request.filter = AppText::kDumpFilter;
    request.directory = QDir::currentPath().toStdString();
    return m_app.Ui().ChooseOpenFile(request, path);
}

std::string CMainFrame::OpenErrorText(const std::string& path, DumpFileStatus status)
{
    return ::OpenErrorText(path, status);
}

std::string CMainFrame::AddDumpExtension(const std::string& path)
{
    if (path.find(AppText::kDumpExtension) != std::string::npos)
    {
        return path;
    }
    return path + AppText::kDumpExtension;
}

bool CMainFrame::SaveImage(const std::string& path)
{
    if (CVesk4View* view = ActiveView())
    {
        if (!StoreActiveView(FormStepName()))
        {
            return false;
        }
        view->LoadFromImage(m_sharedImage);
    }
    if (!m_sharedImage.SaveToFile(AddDumpExtension(path), m_app))
    {
        m_app.Ui().ShowMessage(AppText::kWriteError, MessageIcon::Warning);
        return false;
    }
    m_history.MarkSaved();
    m_bRecovered = false;
    m_strFilePath = path;
    (void)m_recent.Add(AddDumpExtension(path));
    UpdateUnsavedState();
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_bEndingBySignal)
    {
        if (!MayDropChanges())
        {
            event->ignore();
            return;
        }
        // Saved, discarded or nothing to keep: no copy for the next start.
        m_pUnsavedTimer->stop();
        m_recovery.Remove();
    }
    m_pHelpWindow->close();
    event->accept();
}

// ---- unsaved edits, the recovery copy and the recent files -----------------

bool CMainFrame::HasUnsavedChanges() const
{
    if (m_bRecovered || !m_history.IsAtSave())
    {
        return true;
    }
    CVesk4View* view = ActiveView();
    return view != nullptr && view->HasUnstoredEdits(m_sharedImage, m_app.GetChannelMode());
}

std::string CMainFrame::DocumentName() const
{
    const std::string name = std::filesystem::path(m_strFilePath).filename().string();
    return name.empty() ? std::string(AppText::kUntitled) : name;
}

bool CMainFrame::MayDropChanges()
{
    if (!HasUnsavedChanges())
    {
        return true;
    }
    const std::string question = QString::fromLatin1(AppText::kSaveChangesFormat)
                                     .arg(QString::fromStdString(DocumentName()))
                                     .toStdString();
    switch (m_app.Ui().AskSaveChanges(question))
    {
    case SaveAnswer::Save:
        // With Radio Comm active the edits are the shared image's: the
        // upload is what is about to replace them.
        return SaveWithDialog(m_nCurView != VIEW_CONNECT);
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void CMainFrame::ShowTitle()
{
    QString title = m_strFilePath.empty() ? QString::fromLatin1(AppText::kMainTitle)
                                          : QString::fromStdString(m_strFilePath);
    if (HasUnsavedChanges())
    {
        title.prepend(QString::fromLatin1(AppText::kUnsavedMark));
    }
    if (title != windowTitle())
    {
        setWindowTitle(title);
    }
}

void CMainFrame::UpdateUnsavedState()
{
    ShowTitle();
    if (m_bEndingBySignal)
    {
        return;
    }
    const bool unsaved = HasUnsavedChanges();
    CRadioImage image = m_sharedImage;
    int mode = m_app.GetChannelMode();
    if (unsaved)
    {
        if (CVesk4View* view = ActiveView())
        {
            // Edits the form cannot store yet go in as far as they can:
            // the last image it could store is what the copy keeps.
            if (!view->PreviewStore(image, mode))
            {
                image = m_sharedImage;
                mode = m_app.GetChannelMode();
            }
        }
    }
    const std::int32_t code =
        mode != m_app.GetChannelMode() ? mode + 1 : CRadioImage::CapacityCodeToSave(m_app);
    // A copy that cannot be written is tried again at the next check; the
    // edits themselves are still in the window.
    (void)m_recovery.Update(unsaved, image.WorkBlock(), code, m_strFilePath);
}

void CMainFrame::EndBySignal()
{
    UpdateUnsavedState();
    m_bEndingBySignal = true;
    m_pUnsavedTimer->stop();
    close();
}

void CMainFrame::OfferRecovery()
{
    for (const RecoveryCopy& copy : m_recovery.LeftBehind())
    {
        const QString source = copy.strSourcePath.empty()
                                   ? QString::fromLatin1(AppText::kUntitled)
                                   : QString::fromStdString(copy.strSourcePath);
        const std::string question =
            QString::fromLatin1(AppText::kRestoreFormat).arg(source).toStdString();
        const RestoreAnswer answer = m_app.Ui().AskRestore(question);
        if (answer == RestoreAnswer::Later)
        {
            continue;
        }
        if (answer == RestoreAnswer::Restore)
        {
            CRadioImage loaded;
            CVesk4View* view = ActiveView();
            if (view == nullptr || !loaded.LoadFromFile(copy.strDumpPath, m_app))
            {
                m_app.Ui().ShowMessage(AppText::kRestoreFailed, MessageIcon::Warning);
                continue;
            }
            OnImageOpened(copy.strSourcePath, loaded);
            view->OnImageOpened(copy.strSourcePath, loaded);
            int model = -1;
            m_app.SetModelUnset(!m_sharedImage.GetModel(model) || model < 0);
            m_bRecovered = true;
        }
        CRecoveryStore::Discard(copy);
        // One image at a time: a further copy would replace this one.
        if (answer == RestoreAnswer::Restore)
        {
            break;
        }
    }
    UpdateCommandUI();
}

void CMainFrame::FillRecentMenu()
{
    m_pRecentMenu->clear();
    const std::vector<std::string> files = m_recent.Existing();
    if (files.empty())
    {
        m_pRecentMenu->addAction(QString::fromLatin1(AppText::kNoRecentFiles))->setEnabled(false);
        return;
    }
    int number = 1;
    for (const std::string& file : files)
    {
        const QString text =
            QStringLiteral("&%1 %2").arg(number++).arg(QString::fromStdString(file));
        connect(m_pRecentMenu->addAction(text), &QAction::triggered, this,
                [this, file] { OnRecentFile(file); });
    }
}

void CMainFrame::OnRecentFile(const std::string& path)
{
    if (ActiveView() == nullptr || !MayDropChanges())
    {
        return;
    }
    (void)OpenDumpFile(path);
}
