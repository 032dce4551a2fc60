// The Radio Comm form.

// own
#include "views/ConnectView.h"
#include "views/ProgressDlg.h"
#include "views/RamReadDlg.h"
#include "views/RamWriteDlg.h"
#include "views/ViewTexts.h"

// ui
#include "ui/CommandIds.h"
#include "ui/FormRows.h"
#include "ui/UiServices.h"

// link
#include "link/LinkTexts.h"

// model
#include "model/BackupStore.h"
#include "model/ChannelGroups.h"
#include "model/ImageCheck.h"

// Qt
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

// std
#include <array>
#include <ctime>
#include <string>
#include <vector>

CConnectView::CConnectView(IViewHost& host, QWidget* parent)
    : CVesk4View(host, VIEW_CONNECT, parent), m_pList(new QListWidget(this)),
      m_pUpload(new QPushButton(QString::fromLatin1(ViewText::kUpLoad), this)),
      m_pDownload(new QPushButton(QString::fromLatin1(ViewText::kDownLoad), this)),
      m_pRamRead(new QPushButton(QString::fromLatin1(ViewText::kRamRead), this)),
      m_pRamWrite(new QPushButton(QString::fromLatin1(ViewText::kRamWrite), this)),
      m_pVerify(new QPushButton(QString::fromLatin1(ViewText::kVerify), this)),
      m_pPortStatus(new QLabel(this)), m_timerBridge(*this),
      m_link(this, host,
             [this](std::int32_t wParam, std::vector<std::uint8_t> bytes)
             { OnLinkMessage(wParam, bytes); }),
      m_conversation(host, m_timerBridge,
                     [this](ConversationEvent event, int value)
                     { OnConversationEvent(event, value); })
{
    m_conversation.SetSink(&m_link.Sink());
    // Until the first upload the buffer holds the form's image as constructed,
    // which is what a Verify without an upload compares against.
    std::array<std::uint8_t, kImageSize> bytes{};
    (void)m_image.ReadBlock(bytes.data(), 0, kImageSize);
    m_conversation.SetUploadBuffer(bytes.data());
    BuildLayout();
}

CConnectView::~CConnectView()
{
    // A download still running is cancelled and joined here, while everything
    // it reports to still exists.
    m_conversation.Link().Close();
}

void CConnectView::BuildLayout()
{
    m_pList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pPortStatus->setWordWrap(true);
    m_pPortStatus->setTextFormat(Qt::PlainText);
    m_pPortStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CFormRows::Name(m_pList, QString::fromLatin1(ViewText::kTransferListName));
    CFormRows::Name(m_pPortStatus, QString::fromLatin1(ViewText::kPortLineName));

    connect(m_pUpload, &QPushButton::clicked, this, [this] { OnUpload(); });
    connect(m_pDownload, &QPushButton::clicked, this, [this] { OnDownload(); });
    connect(m_pRamRead, &QPushButton::clicked, this, [this] { OnRamRead(); });
    connect(m_pRamWrite, &QPushButton::clicked, this, [this] { OnRamWrite(); });
    connect(m_pVerify, &QPushButton::clicked, this, [this] { OnVerify(); });

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(10);
    for (QPushButton* button : {m_pUpload, m_pDownload, m_pRamRead, m_pRamWrite, m_pVerify})
    {
        button->setMinimumSize(110, 30);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(24);
    grid->addWidget(m_pList, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(m_pPortStatus, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
}

int CConnectView::PortNumber() const
{
    return m_link.PortNumber();
}

void CConnectView::OnInitialUpdate()
{
    CVesk4View::OnInitialUpdate();
    OnPortChanged();
}

void CConnectView::OnPortChanged()
{
    m_link.Prepare(m_conversation.Link());
    m_conversation.SetPort(PortNumber());
    if (m_conversation.Mode() == ConversationMode::Download &&
        m_conversation.Link().IsDownloadRunning())
    {
        // Reopening stops the download part-way, and a stopped download ends
        // like a finished one; so it is cancelled here and reported as the
        // failure it is.
        CloseProgress();
        m_conversation.OnCancel();
        UpdatePortStatus();
        Ui().ShowMessage(kDownloadErrorText, MessageIcon::Warning);
        return;
    }
    (void)m_conversation.OnPortChanged();
    UpdatePortStatus();
}

bool CConnectView::ReleasePort()
{
    const ConversationMode mode = m_conversation.Mode();
    if (mode == ConversationMode::Upload || mode == ConversationMode::Download ||
        mode == ConversationMode::RamRead)
    {
        return false;
    }
    m_conversation.Link().Close();
    UpdatePortStatus();
    return true;
}

void CConnectView::RefreshForm() {}

bool CConnectView::ValidateForm()
{
    if (!m_conversation.IsUploaded())
    {
        return true;
    }
    if (!Ui().AskOkCancel(ViewText::kCopyOk, MessageIcon::Question))
    {
        return false;
    }
    m_bCopyAccepted = true;
    return true;
}

void CConnectView::StoreToImage(CRadioImage& image)
{
    // An acceptance covers the upload it was given for: once a later upload
    // has begun overwriting the buffer there is no whole copy left to store.
    if (m_bCopyAccepted && m_conversation.IsUploaded())
    {
        (void)m_conversation.StoreUploadTo(image);
    }
}

bool CConnectView::PreviewStore(CRadioImage& /*image*/, int& /*channelMode*/)
{
    return true;
}

void CConnectView::OnUpload()
{
    CloseProgress();
    OpenProgress();
    (void)m_conversation.OnUpload();
}

bool CConnectView::ConfirmDownload()
{
    CImageCheck check;
    check.Check(m_image, CChannelGroups::CapacityOfChannelMode(Host().GetChannelMode()));
    const std::vector<std::string> lines = check.Lines();
    if (lines.empty())
    {
        return true;
    }
    // A message box taller than the screen hides its buttons.
    constexpr std::size_t kShown = 20;
    QStringList shown;
    for (std::size_t i = 0; i < lines.size() && i < kShown; ++i)
    {
        shown << QString::fromStdString(lines[i]);
    }
    if (lines.size() > kShown)
    {
        shown << QString::fromLatin1(ViewText::kMoreFindings).arg(lines.size() - kShown);
    }
    const QString list = shown.join(QLatin1Char('\n'));
    if (check.HasErrors())
    {
        Ui().ShowMessage(QString::fromLatin1(ViewText::kDownLoadRefused).arg(list).toStdString(),
                         MessageIcon::Error);
        return false;
    }
    return Ui().AskYesNo(QString::fromLatin1(ViewText::kDownLoadWarnings).arg(list).toStdString(),
                         MessageIcon::Warning);
}

void CConnectView::OnDownload()
{
    if (!ConfirmDownload())
    {
        return;
    }
    CloseProgress();
    OpenProgress();
    std::array<std::uint8_t, kImageSize> bytes{};
    (void)m_image.ReadBlock(bytes.data(), 0, kImageSize);
    (void)m_conversation.OnDownload(bytes.data());
}

void CConnectView::OnRamRead()
{
    m_pList->clear();
    m_pList->addItem(QString::fromLatin1(kRamHeading));
    CRamReadDlg dialog(Ui(), this);
    if (Ui().RunDialog(dialog) != QDialog::Accepted)
    {
        return;
    }
    (void)m_conversation.OnRamRead(static_cast<std::uint32_t>(dialog.m_nAddress),
                                   static_cast<std::uint32_t>(dialog.m_nCount));
}

void CConnectView::OnRamWrite()
{
    CRamWriteDlg dialog(Ui(), this);
    if (Ui().RunDialog(dialog) != QDialog::Accepted)
    {
        return;
    }
    // Nothing answers a RAM write, and nothing is shown afterwards.
    (void)m_conversation.OnRamWrite(dialog.m_nAddress, dialog.m_data.data(), dialog.m_nCount);
}

void CConnectView::OnVerify()
{
    if (!m_conversation.IsUploaded() &&
        !Ui().AskYesNo(ViewText::kNotUploadedVerify, MessageIcon::Question))
    {
        return;
    }
    m_pList->clear();
    m_pList->addItem(QString::fromLatin1(kVerifyHeading));
    std::array<std::uint8_t, kImageSize> pc{};
    (void)m_image.ReadBlock(pc.data(), 0, kImageSize);
    const std::uint8_t* radio = m_conversation.UploadBuffer();
    int found = 0;
    for (const std::uint32_t address : m_conversation.FindDifferences(pc.data()))
    {
        m_pList->addItem(QString::fromStdString(
            CRadioConversation::VerifyLine(address, pc[address], radio[address])));
        m_pList->scrollToItem(m_pList->item(found), QAbstractItemView::PositionAtTop);
        if (!Ui().AskYesNo(ViewText::kFindContinue, MessageIcon::Question))
        {
            break;
        }
        ++found;
    }
    Ui().ShowMessage(ViewText::kVerifyComplete, MessageIcon::Information);
}

void CConnectView::OnLinkMessage(std::int32_t wParam, const std::vector<std::uint8_t>& bytes)
{
    m_conversation.OnLinkMessage(wParam, bytes);
}

void CConnectView::OnProgressCancel()
{
    // The window deletes itself; it is only forgotten here.
    m_pProgress = nullptr;
    m_conversation.OnCancel();
    UpdatePortStatus();
}

void CConnectView::OnTimer(int id)
{
    m_conversation.OnTimer(id);
    // The error timers and the watchdog reopen the port.
    UpdatePortStatus();
}

void CConnectView::OnConversationEvent(ConversationEvent event, int value)
{
    switch (event)
    {
    case ConversationEvent::Progress:
        if (m_pProgress)
        {
            m_pProgress->SetPos(value);
        }
        break;
    case ConversationEvent::ProgressClosed:
        CloseProgress();
        break;
    case ConversationEvent::UploadComplete:
    {
        Ui().ShowMessage(kUploadCompleteText, MessageIcon::Information);
        // Every radio read is also kept in the backup folder, as vesk4-cli
        // keeps it; a backup that fails never undoes the upload.
        CRadioImage read;
        std::string path;
        BackupError error = BackupError::None;
        if (!CBackupStore::TurnedOffByEnvironment() && m_conversation.StoreUploadTo(read) &&
            !CBackupStore(CBackupStore::DefaultFolder())
                 .Save(read, Host(), std::time(nullptr), path, error))
        {
            Ui().ShowMessage(ViewText::kBackupFailed, MessageIcon::Warning);
        }
        break;
    }
    case ConversationEvent::RamReadComplete:
        for (const std::string& line : m_conversation.RamListing())
        {
            m_pList->addItem(QString::fromStdString(line));
        }
        Ui().ShowMessage(kRamCompleteText, MessageIcon::Information);
        break;
    case ConversationEvent::UploadError:
        Ui().ShowMessage(kUploadErrorText, MessageIcon::Warning);
        break;
    case ConversationEvent::RamReadError:
        Ui().ShowMessage(kRamErrorText, MessageIcon::Warning);
        break;
    case ConversationEvent::DownloadComplete:
        Ui().ShowMessage(kDownloadCompleteText, MessageIcon::Information);
        break;
    case ConversationEvent::DownloadError:
        Ui().ShowMessage(kDownloadErrorText, MessageIcon::Warning);
        break;
    case ConversationEvent::UploadCancelled:
        Ui().ShowMessage(kUploadCancelledText, MessageIcon::Warning);
        break;
    case ConversationEvent::LockTimeout:
        Ui().ShowMessage(kLockTimeoutText, MessageIcon::Warning);
        UpdatePortStatus();
        break;
    case ConversationEvent::PortLost:
        UpdatePortStatus();
        break;
    case ConversationEvent::WatchdogReset:
        break;
    }
}

void CConnectView::OpenProgress()
{
    m_pProgress = new CProgressDlg(this);
    connect(m_pProgress, &CProgressDlg::Cancelled, this, [this] { OnProgressCancel(); });
}

void CConnectView::CloseProgress()
{
    if (m_pProgress)
    {
        delete m_pProgress.data();
        m_pProgress = nullptr;
    }
}

void CConnectView::UpdatePortStatus()
{
    m_pPortStatus->setText(m_link.PortLine(m_conversation.Link(), false));
}
