// The main window: menus and their enabling, the shared radio image, switching
// between the editor views, and the dump-file, port and help commands.
#pragma once

// model
#include "model/ImageHistory.h"
#include "model/RadioImage.h"
#include "model/RecentFiles.h"
#include "model/RecoveryStore.h"

// Qt
#include <QMainWindow>

// std
#include <map>
#include <memory>
#include <string>

class CCompareCommands;
class CHelpWindow;
class CPlanCommands;
class CVesk4App;
class CVesk4View;
class QAction;
class QMenu;
class QTimer;

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    // The window while the Channel List form is on screen.
    static constexpr int kListWidth = 1180;
    static constexpr int kListHeight = 660;
    // How often the unsaved-edits marker and the recovery copy are brought up
    // to date.
    static constexpr int kUnsavedCheckMs = 2000;

    explicit CMainFrame(CVesk4App& app);
    ~CMainFrame() override;

    // ViewIndex of the active editor view.
    int GetCurrentView() const { return m_nCurView; }
    // What is saved, printed and moved between views.
    const CRadioImage& GetSharedImage() const { return m_sharedImage; }
    // The last dump file opened or saved; also the title.
    const std::string& GetFilePath() const { return m_strFilePath; }

    // Where the child frame of the active view goes.
    QWidget* ClientArea() const;
    // The menu command of a CommandId (for enabling checks and tests).
    QAction* GetCommand(int id) const;
    CHelpWindow* GetHelpWindow() const { return m_pHelpWindow; }
    CVesk4View* ActiveView() const;

    // Recomputes which commands are enabled. Runs whenever a menu opens and
    // after anything that can change the answer.
    void UpdateCommandUI();

    // Leaves the active view (if it agrees) for the view of `index`.
    void SwitchView(int index);

    // File menu
    void OnFileOpen();
    // What File Open does once it has a path (also the file named on the
    // command line): the same reading, the same messages. False when the file
    // was not loaded.
    [[nodiscard]] bool OpenDumpFile(const std::string& path);
    void OnFileSave();
    void OnFilePrint(bool textReport);
    // Print, Print Direct (both through the printer dialog) and Print Preview
    // of the active view, in the mode of its last print command.
    void OnStandardPrint(int id);
    void OnFileClear();
    void OnFileDirectory();
    // Edit menu: the last step taken back, or made again. Undo first takes
    // the active form's pending edits in as a step of their own, and a step
    // made on another form brings that form up.
    void OnEditUndo();
    void OnEditRedo();
    // Form `viewIndex` made a step on its own image (IViewHost::OnFormEdited).
    void OnFormEdited(int viewIndex, const std::string& name);
    const CImageHistory& History() const { return m_history; }

    // Utility and Help menus
    void OnComportSet();
    void OnHelpTopics();

    // A dump file chosen in Open was read into `loaded`: remember the path,
    // take the image as the shared one and show the path as the title.
    void OnImageOpened(const std::string& path, const CRadioImage& loaded);
    // Collects the active view's edits into the shared image and writes it to
    // `path` (".dmp" added unless present). The file it replaces is kept until
    // the new one is complete. On failure " Write Error !! " is shown and the
    // path and title stay as they were. True when the file was written.
    bool SaveImage(const std::string& path);
    // ---- unsaved edits ----------------------------------------------------
    // The shared image, with the active form's pending edits, differs from
    // what was last opened, saved or copied in from an Up Load (or is a
    // restored recovery copy not saved yet).
    bool HasUnsavedChanges() const;
    // Before something drops the shared image: when it has unsaved changes,
    // asks "Save the changes to FILE?"; Save runs File Save. True when the
    // caller may go on (nothing to keep, Discard, or saved).
    [[nodiscard]] bool MayDropChanges();
    // The title's marker and the recovery copy, brought up to date; runs
    // every few seconds and after every command.
    void UpdateUnsavedState();
    // The name the question gives the image: the file's name, or
    // AppText::kUntitled for an image never opened or saved.
    std::string DocumentName() const;
    // At start-up: offers each recovery copy a program that ended without
    // saving left behind; Restore takes it as the shared image (unsaved, with
    // the file it came from), Discard removes it.
    void OfferRecovery();
    // The program is ending on a signal: nothing is asked, and the recovery
    // copy, written now, stays for the next start.
    void EndBySignal();
    const CRecoveryStore& Recovery() const { return m_recovery; }
    CRecentFiles& RecentFiles() { return m_recent; }
    // File > Recent Files chose `path`: asks about unsaved edits, then opens
    // it as File Open does.
    void OnRecentFile(const std::string& path);

    // `path` unchanged if ".dmp" occurs in it anywhere (case-sensitive), else
    // `path` followed by ".dmp".
    static std::string AddDumpExtension(const std::string& path);
    // "The file PATH could not be opened: REASON." for a dump file File Open
    // could not read.
    static std::string OpenErrorText(const std::string& path, DumpFileStatus status);
    // File Open's dialog for a dump file, in the current folder; false when
    // the user cancelled.
    [[nodiscard]] bool ChooseDumpToOpen(std::string& path);

    // For the channel-plan and compare commands. The active form's pending
    // edits into the shared image, as Save takes them; false when the form
    // refused (it said why).
    [[nodiscard]] bool TakeActiveEdits();
    // A command replaced the shared image by `image`: one step named `name`
    // for Undo, shown on the active form.
    void ApplyStep(const std::string& name, const CRadioImage& image);
    CPlanCommands& PlanCommands() const { return *m_pPlans; }
    CCompareCommands& CompareCommands() const { return *m_pCompare; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CVesk4App& m_app;
    int m_nCurView = 0;
    CRadioImage m_sharedImage;
    std::string m_strFilePath;
    std::map<int, QAction*> m_commands;
    CHelpWindow* m_pHelpWindow = nullptr;
    CImageHistory m_history;
    // A store of the active view is under way: a step the view reports from
    // inside it names the step rather than making one of its own.
    bool m_bStoring = false;
    std::string m_strStepName;
    std::unique_ptr<CPlanCommands> m_pPlans;
    std::unique_ptr<CCompareCommands> m_pCompare;
    CRecoveryStore m_recovery;
    CRecentFiles m_recent;
    QTimer* m_pUnsavedTimer = nullptr;
    QMenu* m_pRecentMenu = nullptr;
    // The shared image is a restored recovery copy, not saved since.
    bool m_bRecovered = false;
    // Ending on a signal: closing asks nothing.
    bool m_bEndingBySignal = false;

    void CreateMenus();
    ImageState CurrentState() const;
    // The active view's edits into the shared image, kept as one step named
    // `name` when anything changed.
    // False when an Up Load copied in over unsaved edits was cancelled.
    bool StoreActiveView(const std::string& name);
    // File Save: the file dialog, then the image written; with `withView`
    // the active form's edits go in first (after its own check). True when
    // the file was written.
    bool SaveWithDialog(bool withView);
    void ShowTitle();
    void FillRecentMenu();
    // The step name of the active form's own stores.
    std::string FormStepName() const;
    // Puts `state` in place and shows it, on form `form` when the active one
    // does not show what the step changed.
    void RestoreState(const ImageState& state, int form);
    // Closes the active view without storing it and opens `index` on the
    // shared image, in the window size that view wants.
    void OpenViewOnShared(int index);
    void CreateStandardPrintCommands();
    QAction* AddCommand(QMenu* menu, int id, const char* text);
};
