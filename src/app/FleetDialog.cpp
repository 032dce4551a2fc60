// The Program Several Radios dialog.

// own
#include "app/FleetDialog.h"
#include "app/AppTexts.h"
#include "app/FleetDlgTexts.h"
#include "app/MainFrame.h"
#include "app/Vesk4App.h"

// views
#include "views/Vesk4View.h"

// ui
#include "ui/CommandIds.h"
#include "ui/UiServices.h"

// link
#include "link/PortMap.h"

// model
#include "model/CloneJournal.h"

// Qt
#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QVBoxLayout>

// std
#include <algorithm>
#include <csignal>
#include <sys/types.h>

using namespace FleetText;

namespace
{
constexpr char kCliName[] = "vesk4-cli";
// How long closing the dialog waits for an interrupted run to end its ports.
constexpr int kStopWaitMs = 15000;

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

// The forms that keep the port open while they are on screen.
bool HoldsPort(int view)
{
    return view == VIEW_CONNECT || view == VIEW_ADJUST || view == VIEW_TEST;
}
} // namespace

CFleetDialog::CFleetDialog(CMainFrame& frame, CVesk4App& app, QWidget* parent)
    : QDialog(parent), m_frame(frame), m_app(app), m_strCli(FindCli(app.GetProgramDir())),
      m_pPlanWindow(new QRadioButton(Text(kPlanWindow), this)),
      m_pPlanFile(new QRadioButton(Text(kPlanFile), this)), m_pPlanPath(new QLineEdit(this)),
      m_pBrowse(new QPushButton(Text(kBrowse), this)), m_pLoop(new QCheckBox(Text(kLoop), this)),
      m_pJournal(new QLineEdit(this)), m_pChooseJournal(new QPushButton(Text(kChoose), this)),
      m_pOpenJournal(new QPushButton(Text(kOpenJournal), this)),
      m_pRows(new QTableWidget(0, ColCount, this)), m_pState(new QLabel(Text(kIdle), this)),
      m_pSummary(new QLabel(this)), m_pLog(new QPlainTextEdit(this)),
      m_pStart(new QPushButton(Text(kStart), this)), m_pStop(new QPushButton(Text(kStop), this)),
      m_pClose(new QPushButton(Text(kClose), this))
{
    setWindowTitle(Text(kTitle));
    setModal(false);
    resize(860, 560);

    auto* planGroup = new QGroupBox(Text(kPlanGroup), this);
    auto* planLayout = new QGridLayout(planGroup);
    planLayout->addWidget(m_pPlanWindow, 0, 0, 1, 3);
    planLayout->addWidget(m_pPlanFile, 1, 0);
    planLayout->addWidget(m_pPlanPath, 1, 1);
    planLayout->addWidget(m_pBrowse, 1, 2);
    m_pPlanWindow->setChecked(true);
    m_pPlanPath->setAccessibleName(Text(kPlanFile));

    auto* portGroup = new QGroupBox(Text(kPortsGroup), this);
    auto* portLayout = new QGridLayout(portGroup);
    const CPortMap& map = app.GetPortMap();
    for (int i = 0; i < kPorts; ++i)
    {
        const QString name = QStringLiteral("COM%1").arg(i + 1);
        auto* box = new QCheckBox(
            Text(kPortBox).arg(name, QString::fromStdString(map.DevicePath(i + 1))), portGroup);
        m_portBoxes[static_cast<std::size_t>(i)] = box;
        portLayout->addWidget(box, i / 2, i % 2);
    }
    portLayout->addWidget(m_pLoop, 2, 0, 1, 2);

    auto* journalLayout = new QHBoxLayout;
    auto* journalLabel = new QLabel(Text(kJournalLabel), this);
    journalLabel->setBuddy(m_pJournal);
    journalLayout->addWidget(journalLabel);
    journalLayout->addWidget(m_pJournal, 1);
    journalLayout->addWidget(m_pChooseJournal);
    journalLayout->addWidget(m_pOpenJournal);
    m_pJournal->setText(
        QDir(QString::fromStdString(app.GetStartDir())).filePath(Text(kJournalName)));

    const char* headings[ColCount] = {kColumnPort,  kColumnDevice,   kColumnSerial,
                                      kColumnPhase, kColumnProgress, kColumnResult};
    QStringList labels;
    for (const char* heading : headings)
    {
        labels << Text(heading);
    }
    m_pRows->setHorizontalHeaderLabels(labels);
    m_pRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pRows->setSelectionMode(QAbstractItemView::NoSelection);
    m_pRows->verticalHeader()->setVisible(false);
    m_pRows->horizontalHeader()->setStretchLastSection(true);
    m_pRows->setColumnWidth(ColPhase, 260);
    m_pRows->setColumnWidth(ColProgress, 120);

    m_pState->setTextFormat(Qt::PlainText);
    m_pSummary->setTextFormat(Qt::PlainText);
    m_pLog->setReadOnly(true);
    m_pLog->setAccessibleName(Text(kLogName));
    m_pLog->setMaximumBlockCount(2000);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pSummary, 1);
    buttons->addWidget(m_pStart);
    buttons->addWidget(m_pStop);
    buttons->addWidget(m_pClose);
    m_pStart->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(planGroup, 1);
    top->addWidget(portGroup, 1);
    layout->addLayout(top);
    layout->addLayout(journalLayout);
    layout->addWidget(m_pRows, 2);
    layout->addWidget(m_pState);
    layout->addWidget(m_pLog, 1);
    layout->addLayout(buttons);

    connect(m_pBrowse, &QPushButton::clicked, this, [this] { OnBrowsePlan(); });
    connect(m_pChooseJournal, &QPushButton::clicked, this, [this] { OnChooseJournal(); });
    connect(m_pOpenJournal, &QPushButton::clicked, this, [this] { OnOpenJournal(); });
    connect(m_pStart, &QPushButton::clicked, this, [this] { OnStart(); });
    connect(m_pStop, &QPushButton::clicked, this, [this] { OnStop(); });
    connect(m_pClose, &QPushButton::clicked, this, [this] { reject(); });
    SetRunning(false);
}

CFleetDialog::~CFleetDialog()
{
    if (IsRunning())
    {
        // The window is going: the radios still get their end records.
        ::kill(static_cast<pid_t>(m_pProcess->processId()), SIGINT);
        if (!m_pProcess->waitForFinished(kStopWaitMs))
        {
            m_pProcess->kill();
            m_pProcess->waitForFinished(kStopWaitMs);
        }
    }
}

QString CFleetDialog::FindCli(const std::string& programDir)
{
    QStringList folders;
    if (!programDir.empty())
    {
        folders << QString::fromStdString(programDir);
    }
    folders << QCoreApplication::applicationDirPath();
    for (const QString& folder : folders)
    {
        const QFileInfo beside(QDir(folder).filePath(Text(kCliName)));
        if (beside.isFile() && beside.isExecutable())
        {
            return beside.absoluteFilePath();
        }
    }
    return QStandardPaths::findExecutable(Text(kCliName));
}

bool CFleetDialog::IsRunning() const
{
    return m_pProcess != nullptr && m_pProcess->state() != QProcess::NotRunning;
}

QProgressBar* CFleetDialog::Bar(int row) const
{
    return qobject_cast<QProgressBar*>(m_pRows->cellWidget(row, ColProgress));
}

void CFleetDialog::SetRunning(bool running)
{
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_pPlanWindow, m_pPlanFile, m_pPlanPath, m_pBrowse,
                                         m_pLoop, m_pJournal, m_pChooseJournal, m_pStart})
    {
        widget->setEnabled(!running);
    }
    for (QCheckBox* box : m_portBoxes)
    {
        box->setEnabled(!running);
    }
    m_pStop->setEnabled(running);
}

void CFleetDialog::OnBrowsePlan()
{
    FileDialogRequest request;
    request.initialName = AppText::kDumpPattern;
    request.filter = AppText::kDumpFilter;
    request.directory = m_app.GetStartDir();
    std::string path;
    if (m_app.Ui().ChooseOpenFile(request, path))
    {
        m_pPlanPath->setText(QString::fromStdString(path));
        m_pPlanFile->setChecked(true);
    }
}

void CFleetDialog::OnChooseJournal()
{
    FileDialogRequest request;
    request.initialName = kJournalName;
    request.filter = kJournalFilter;
    request.directory = QFileInfo(m_pJournal->text()).absolutePath().toStdString();
    std::string path;
    if (m_app.Ui().ChooseSaveFile(request, path))
    {
        m_pJournal->setText(QString::fromStdString(path));
        ShowJournalSummary();
    }
}

void CFleetDialog::OnOpenJournal()
{
    const QString path = m_pJournal->text();
    if (!QFileInfo(path).isFile())
    {
        m_app.Ui().ShowMessage(Text(kNoJournalFile).arg(path).toStdString(),
                               MessageIcon::Information);
        return;
    }
    ShowJournalSummary();
    // Where no program opens a CSV file, its summary is shown instead.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())))
    {
        m_app.Ui().ShowMessage(m_pSummary->text().toStdString(), MessageIcon::Information);
    }
}

bool CFleetDialog::PlanForRun(QString& path)
{
    if (m_pPlanFile->isChecked())
    {
        path = m_pPlanPath->text().trimmed();
        if (path.isEmpty())
        {
            m_app.Ui().ShowMessage(kNoPlanFile, MessageIcon::Warning);
            return false;
        }
        return true;
    }
    if (!m_frame.TakeActiveEdits())
    {
        return false;
    }
    m_pPlanDir = std::make_unique<QTemporaryDir>();
    // Named after the window's dump file, so that the journal's plan column
    // still says which configuration it was.
    QString name = QFileInfo(QString::fromStdString(m_frame.GetFilePath())).completeBaseName();
    if (name.isEmpty())
    {
        name = QStringLiteral("window");
    }
    path = m_pPlanDir->filePath(name + QStringLiteral(".dmp"));
    if (!m_pPlanDir->isValid() || !m_frame.GetSharedImage().SaveToFile(path.toStdString(), m_app))
    {
        const QString reason = m_pPlanDir->isValid() ? path : m_pPlanDir->errorString();
        m_app.Ui().ShowMessage(Text(kSaveFailed).arg(reason).toStdString(), MessageIcon::Warning);
        return false;
    }
    return true;
}

void CFleetDialog::AddRow(int portNumber, const QString& device)
{
    const int row = m_pRows->rowCount();
    m_pRows->insertRow(row);
    const QString cells[ColCount] = {QStringLiteral("COM%1").arg(portNumber),
                                     device,
                                     QString(),
                                     Text(kWaiting),
                                     QString(),
                                     QString()};
    for (int column = 0; column < ColCount; ++column)
    {
        if (column != ColProgress)
        {
            m_pRows->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    auto* bar = new QProgressBar(m_pRows);
    bar->setRange(0, 100);
    bar->setValue(0);
    m_pRows->setCellWidget(row, ColProgress, bar);
    m_rowDevices << device;
}

void CFleetDialog::OnStart()
{
    if (IsRunning())
    {
        return;
    }
    if (m_strCli.isEmpty())
    {
        m_app.Ui().ShowMessage(kNoCli, MessageIcon::Error);
        return;
    }
    std::vector<int> ports;
    for (int i = 0; i < kPorts; ++i)
    {
        if (m_portBoxes[static_cast<std::size_t>(i)]->isChecked())
        {
            ports.push_back(i + 1);
        }
    }
    if (ports.empty())
    {
        m_app.Ui().ShowMessage(kNoPorts, MessageIcon::Warning);
        return;
    }
    const QString journal = m_pJournal->text().trimmed();
    if (journal.isEmpty())
    {
        m_app.Ui().ShowMessage(kNoJournal, MessageIcon::Warning);
        return;
    }
    QString plan;
    if (!PlanForRun(plan))
    {
        return;
    }
    // The form on screen lets its port go while the fleet has it.
    m_bPortReleased = false;
    const int formPort = m_app.GetComPort() + 1;
    if (HoldsPort(m_frame.GetCurrentView()) &&
        std::find(ports.begin(), ports.end(), formPort) != ports.end())
    {
        CVesk4View* view = m_frame.ActiveView();
        if (view != nullptr && !view->ReleasePort())
        {
            m_app.Ui().ShowMessage(kBusyPort, MessageIcon::Warning);
            return;
        }
        m_bPortReleased = true;
    }

    // The devices themselves, as this window's Comport.ini names them, so
    // that vesk4-cli needs no Comport.ini of its own.
    m_pRows->setRowCount(0);
    m_rowDevices.clear();
    m_pLog->clear();
    QStringList args{QStringLiteral("fleet"), plan, QStringLiteral("--status"),
                     QStringLiteral("--journal"), journal};
    for (const int port : ports)
    {
        const QString device = QString::fromStdString(m_app.GetPortMap().DevicePath(port));
        AddRow(port, device);
        args << QStringLiteral("--port") << device;
    }
    if (m_pLoop->isChecked())
    {
        args << QStringLiteral("--loop");
    }

    delete m_pProcess;
    m_pProcess = new QProcess(this);
    m_pProcess->setWorkingDirectory(QString::fromStdString(m_app.GetStartDir()));
    m_errPending.clear();
    m_outPending.clear();
    connect(m_pProcess, &QProcess::readyReadStandardError, this, [this] { OnErrorOutput(); });
    connect(m_pProcess, &QProcess::readyReadStandardOutput, this, [this] { OnOutput(); });
    connect(m_pProcess, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { OnFinished(code, status); });
    m_pProcess->start(m_strCli, args);
    if (!m_pProcess->waitForStarted())
    {
        m_app.Ui().ShowMessage(Text(kStartFailed).arg(m_pProcess->errorString()).toStdString(),
                               MessageIcon::Error);
        ReturnPort();
        return;
    }
    m_pState->setText(Text(kRunning));
    m_pSummary->clear();
    SetRunning(true);
}

void CFleetDialog::OnStop()
{
    if (!IsRunning())
    {
        return;
    }
    // As Ctrl+C: every port ends what it sends with its end record.
    ::kill(static_cast<pid_t>(m_pProcess->processId()), SIGINT);
    m_pState->setText(Text(kStopping));
    m_pStop->setEnabled(false);
}

void CFleetDialog::reject()
{
    if (IsRunning())
    {
        m_bCloseWhenDone = true;
        OnStop();
        return;
    }
    QDialog::reject();
}

void CFleetDialog::OnErrorOutput()
{
    m_errPending += m_pProcess->readAllStandardError();
    for (int end = m_errPending.indexOf('\n'); end >= 0; end = m_errPending.indexOf('\n'))
    {
        const std::string line = m_errPending.left(end).toStdString();
        m_errPending.remove(0, end + 1);
        FleetStatus status;
        if (CFleetStatusLine::Parse(line, status))
        {
            ShowStatus(status);
        }
        else if (!line.empty())
        {
            m_pLog->appendPlainText(QString::fromStdString(line));
        }
    }
}

void CFleetDialog::OnOutput()
{
    m_outPending += m_pProcess->readAllStandardOutput();
    const int end = m_outPending.lastIndexOf('\n');
    if (end >= 0)
    {
        m_pLog->appendPlainText(QString::fromUtf8(m_outPending.left(end)));
        m_outPending.remove(0, end + 1);
    }
}

void CFleetDialog::ShowStatus(const FleetStatus& status)
{
    const int row = static_cast<int>(m_rowDevices.indexOf(QString::fromStdString(status.strPort)));
    if (row < 0)
    {
        return;
    }
    m_pRows->item(row, ColSerial)->setText(QString::fromStdString(status.strSerial));
    m_pRows->item(row, ColPhase)->setText(QString::fromStdString(status.strPhase));
    // A reason is longer than its cell: the whole of it on the cell's tip.
    QTableWidgetItem* result = m_pRows->item(row, ColResult);
    result->setText(QString::fromStdString(status.strResult));
    result->setToolTip(result->text());
    if (QProgressBar* bar = Bar(row))
    {
        bar->setValue(status.nPercent);
    }
}

void CFleetDialog::OnFinished(int exitCode, QProcess::ExitStatus status)
{
    OnErrorOutput();
    OnOutput();
    if (!m_errPending.isEmpty())
    {
        m_pLog->appendPlainText(QString::fromUtf8(m_errPending));
        m_errPending.clear();
    }
    if (!m_outPending.isEmpty())
    {
        m_pLog->appendPlainText(QString::fromUtf8(m_outPending));
        m_outPending.clear();
    }
    const int result = status == QProcess::NormalExit ? exitCode : -1;
    m_pState->setText(result == 0    ? Text(kEndedOk)
                      : result == -1 ? Text(kCrashed)
                                     : Text(kEnded).arg(result));
    SetRunning(false);
    ShowJournalSummary();
    ReturnPort();
    emit RunEnded(result);
    if (m_bCloseWhenDone)
    {
        m_bCloseWhenDone = false;
        QDialog::reject();
    }
}

void CFleetDialog::ShowJournalSummary()
{
    QFile file(m_pJournal->text());
    std::vector<JournalRow> rows;
    if (!file.open(QIODevice::ReadOnly) ||
        !CCloneJournal::Parse(file.readAll().toStdString(), rows) || rows.empty())
    {
        m_pSummary->setText(Text(kJournalNone));
        return;
    }
    const JournalSummary summary = CCloneJournal::Summarise(rows);
    m_pSummary->setText(
        Text(kJournalSummary).arg(summary.nRadios).arg(summary.nVerified).arg(summary.nFailed));
}

void CFleetDialog::ReturnPort()
{
    CVesk4View* view = m_frame.ActiveView();
    if ((m_bPortReleased || HoldsPort(m_frame.GetCurrentView())) && view != nullptr)
    {
        view->OnPortChanged();
    }
    m_bPortReleased = false;
}
