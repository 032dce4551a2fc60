// Utility > Program Several Radios: one plan written into a radio on each of
// several ports at once. The run itself is vesk4-cli fleet, started as a
// child process so that the window and the command line program radios
// alike; its status lines fill a row a port, Stop interrupts it as Ctrl+C
// does (every port ends cleanly, a running write still sends its end
// record), and its journal is named here and can be opened.
#pragma once

// model
#include "model/FleetStatusLine.h"

// Qt
#include <QDialog>
#include <QProcess>
#include <QString>
#include <QStringList>

// std
#include <array>
#include <memory>
#include <string>

class CMainFrame;
class CVesk4App;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTemporaryDir;

class CFleetDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kPorts = 4;
    enum Column
    {
        ColPort,
        ColDevice,
        ColSerial,
        ColPhase,
        ColProgress,
        ColResult,
        ColCount
    };

    CFleetDialog(CMainFrame& frame, CVesk4App& app, QWidget* parent);
    ~CFleetDialog() override;

    // vesk4-cli beside the program (programDir, then this process's own
    // folder), else on the PATH; empty when there is none.
    static QString FindCli(const std::string& programDir);
    // The vesk4-cli to run instead of the one found.
    void SetCliPath(const QString& path) { m_strCli = path; }

    void OnStart();
    void OnStop();
    void OnBrowsePlan();
    void OnChooseJournal();
    void OnOpenJournal();
    bool IsRunning() const;

    QRadioButton* PlanWindow() const { return m_pPlanWindow; }
    QRadioButton* PlanFile() const { return m_pPlanFile; }
    QLineEdit* PlanPath() const { return m_pPlanPath; }
    QCheckBox* PortBox(int index) const { return m_portBoxes[static_cast<std::size_t>(index)]; }
    QCheckBox* LoopBox() const { return m_pLoop; }
    QLineEdit* JournalPath() const { return m_pJournal; }
    QTableWidget* Rows() const { return m_pRows; }
    QProgressBar* Bar(int row) const;
    QLabel* State() const { return m_pState; }
    QLabel* SummaryLabel() const { return m_pSummary; }
    QPushButton* StartButton() const { return m_pStart; }
    QPushButton* StopButton() const { return m_pStop; }

signals:
    // The run ended; vesk4-cli's exit status, -1 when it did not end itself.
    void RunEnded(int exitStatus);

protected:
    void reject() override;

private:
    void OnErrorOutput();
    void OnOutput();
    void OnFinished(int exitCode, QProcess::ExitStatus status);
    void ShowStatus(const FleetStatus& status);
    void AddRow(int portNumber, const QString& device);
    // The plan file the run writes; false when there is none (it said why).
    bool PlanForRun(QString& path);
    void ShowJournalSummary();
    void SetRunning(bool running);
    void ReturnPort();

    CMainFrame& m_frame;
    CVesk4App& m_app;
    QString m_strCli;
    QRadioButton* m_pPlanWindow;
    QRadioButton* m_pPlanFile;
    QLineEdit* m_pPlanPath;
    QPushButton* m_pBrowse;
    std::array<QCheckBox*, kPorts> m_portBoxes{};
    QCheckBox* m_pLoop;
    QLineEdit* m_pJournal;
    QPushButton* m_pChooseJournal;
    QPushButton* m_pOpenJournal;
    QTableWidget* m_pRows;
    QLabel* m_pState;
    QLabel* m_pSummary;
    QPlainTextEdit* m_pLog;
    QPushButton* m_pStart;
    QPushButton* m_pStop;
    QPushButton* m_pClose;
    QProcess* m_pProcess = nullptr;
    // The window's configuration as the run's plan, for as long as the
    // dialog lives.
    std::unique_ptr<QTemporaryDir> m_pPlanDir;
    QByteArray m_errPending;
    QByteArray m_outPending;
    // The device of each row, as the status lines name the port.
    QStringList m_rowDevices;
    bool m_bPortReleased = false;
    bool m_bCloseWhenDone = false;
};
