// Comparisons in the window.

// own
#include "app/CompareCommands.h"
#include "app/AppTexts.h"
#include "app/CompareWindow.h"
#include "app/MainFrame.h"
#include "app/PlanCompareTexts.h"
#include "app/Vesk4App.h"

// views
#include "views/RadioReader.h"
#include "views/Vesk4View.h"

// ui
#include "ui/CommandIds.h"
#include "ui/UiServices.h"

// model
#include "model/BackupStore.h"
#include "model/ChannelGroups.h"
#include "model/DumpFile.h"
#include "model/ImageDiff.h"

// Qt
#include <QFileInfo>

// std
#include <ctime>

using namespace PlanCompareText;

namespace
{
bool HoldsPort(int view)
{
    return view == VIEW_CONNECT || view == VIEW_ADJUST || view == VIEW_TEST;
}
} // namespace

CCompareCommands::CCompareCommands(CMainFrame& frame, CVesk4App& app) : m_frame(frame), m_app(app)
{
}

CCompareCommands::~CCompareCommands()
{
    delete m_pReader.data();
}

CCompareWindow* CCompareCommands::LastWindow() const
{
    return m_pWindow.data();
}

CRadioReader* CCompareCommands::Reader() const
{
    return m_pReader.data();
}

bool CCompareCommands::IsReading() const
{
    return m_pReader && m_pReader->IsRunning();
}

CCompareWindow* CCompareCommands::NewWindow()
{
    auto* window = new CCompareWindow(m_app.Ui(), &m_frame);
    m_pWindow = window;
    return window;
}

void CCompareCommands::OnCompareWithFile()
{
    if (!m_frame.TakeActiveEdits())
    {
        return;
    }
    std::string path;
    if (!m_frame.ChooseDumpToOpen(path))
    {
        return;
    }
    CRadioImage other;
    CPlainAppState otherState;
    DumpFileStatus status = DumpFileStatus::Loaded;
    if (!other.LoadFromFile(path, otherState, &status))
    {
        m_app.Ui().ShowMessage(status == DumpFileStatus::TooShort
                                   ? std::string(AppText::kReadError)
                                   : CMainFrame::OpenErrorText(path, status),
                               MessageIcon::Warning);
        return;
    }
    CImageDiff diff;
    diff.Compare(m_frame.GetSharedImage(),
                 CChannelGroups::CapacityOfChannelMode(m_app.GetChannelMode()), other,
                 CChannelGroups::CapacityOfChannelMode(otherState.GetChannelMode()));
    CCompareWindow* window = NewWindow();
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    window->ShowDiff(diff, {QString::fromLatin1(kTheWindow), QString::fromLatin1(kWindowHeading)},
                     {name, name});
    window->show();
}

void CCompareCommands::OnCompareWithRadio()
{
    if (IsReading() || !m_frame.TakeActiveEdits())
    {
        return;
    }
    // The form on screen may hold the port; it lets it go for the read.
    m_bPortReleased = false;
    if (HoldsPort(m_frame.GetCurrentView()))
    {
        CVesk4View* view = m_frame.ActiveView();
        if (view != nullptr && !view->ReleasePort())
        {
            m_app.Ui().ShowMessage(kBusyPort, MessageIcon::Warning);
            return;
        }
        m_bPortReleased = true;
    }
    delete m_pReader.data();
    m_pReader = new CRadioReader(m_app, &m_frame);
    QObject::connect(m_pReader.data(), &CRadioReader::Finished, &m_frame,
                     [this](bool ok) { OnRadioRead(ok); });
    if (!m_pReader->Start(m_frame.GetSharedImage()))
    {
        m_pReader->deleteLater();
        ReturnPort();
    }
    m_frame.UpdateCommandUI();
}

void CCompareCommands::ReturnPort()
{
    // Whichever form is on screen now: the user may have moved on while the
    // radio talked.
    CVesk4View* view = m_frame.ActiveView();
    if ((m_bPortReleased || HoldsPort(m_frame.GetCurrentView())) && view != nullptr)
    {
        view->OnPortChanged();
    }
    m_bPortReleased = false;
}

void CCompareCommands::OnRadioRead(bool ok)
{
    CRadioReader* reader = m_pReader.data();
    if (reader == nullptr)
    {
        return;
    }
    ReturnPort();
    m_frame.UpdateCommandUI();
    if (!ok)
    {
        reader->deleteLater();
        return;
    }
    // Kept as every upload is, whatever the comparison shows.
    CRadioImage read;
    std::string path;
    BackupError error = BackupError::None;
    if (!CBackupStore::TurnedOffByEnvironment() && reader->StoreRead(read) &&
        !CBackupStore(CBackupStore::DefaultFolder())
             .Save(read, reader->ReadState(), std::time(nullptr), path, error))
    {
        m_app.Ui().ShowMessage(kBackupFailed, MessageIcon::Warning);
    }
    // The window's side as it was when the read began: the bytes a
    // 120-channel radio does not send were taken from it.
    CImageDiff diff;
    diff.Compare(reader->PcImage(), CChannelGroups::CapacityOfChannelMode(m_app.GetChannelMode()),
                 reader->RadioImage(),
                 CChannelGroups::CapacityOfChannelMode(reader->ReadState().GetChannelMode()));
    reader->deleteLater();
    CCompareWindow* window = NewWindow();
    window->ShowDiff(diff, {QString::fromLatin1(kTheWindow), QString::fromLatin1(kWindowHeading)},
                     {QString::fromLatin1(kTheRadio), QString::fromLatin1(kRadioHeading)});
    window->show();
}
