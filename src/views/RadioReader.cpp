// A read of the radio for a command of the main window.

// own
#include "views/RadioReader.h"
#include "views/ViewHost.h"
#include "views/ViewTexts.h"

// ui
#include "ui/UiServices.h"

// link
#include "link/LinkTexts.h"

// std
#include <array>

CRadioReader::CRadioReader(IViewHost& host, QWidget* parent)
    : QObject(parent), m_host(host), m_pParent(parent), m_timers(*this),
      m_link(this, host,
             [this](std::int32_t wParam, std::vector<std::uint8_t> bytes)
             { m_conversation.OnLinkMessage(wParam, bytes); }),
      m_conversation(m_readState, *this,
                     [this](ConversationEvent event, int value)
                     { OnConversationEvent(event, value); })
{
    m_conversation.SetSink(&m_link.Sink());
}

CRadioReader::~CRadioReader()
{
    CloseProgress();
    m_conversation.Link().Close();
}

bool CRadioReader::Start(const CRadioImage& pc)
{
    m_pcImage = pc;
    m_radioImage = pc;
    std::array<std::uint8_t, kImageSize> bytes{};
    (void)pc.ReadBlock(bytes.data(), 0, kImageSize); // the whole image always fits
    m_conversation.SetUploadBuffer(bytes.data());
    m_link.Prepare(m_conversation.Link());
    m_conversation.SetPort(m_link.PortNumber());
    if (!m_conversation.OnPortChanged())
    {
        // The port line says which device it is and what to do about it.
        m_host.Ui().ShowMessage(m_link.PortLine(m_conversation.Link(), false).toStdString(),
                                MessageIcon::Warning);
        return false;
    }
    m_pProgress = new CProgressDlg(m_pParent);
    connect(m_pProgress, &CProgressDlg::Cancelled, this,
            [this]
            {
                // The window deletes itself; it is only forgotten here.
                m_pProgress = nullptr;
                m_conversation.OnCancel();
            });
    m_bRunning = true;
    if (!m_conversation.OnUpload())
    {
        CloseProgress();
        m_bRunning = false;
        m_conversation.Link().Close();
        m_host.Ui().ShowMessage(kUploadErrorText, MessageIcon::Warning);
        return false;
    }
    return true;
}

bool CRadioReader::StoreRead(CRadioImage& imageOut) const
{
    return m_conversation.StoreUploadTo(imageOut);
}

void CRadioReader::OnTimer(int id)
{
    m_conversation.OnTimer(id);
}

void CRadioReader::OnConversationEvent(ConversationEvent event, int value)
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
        (void)m_radioImage.WriteBlock(m_conversation.UploadBuffer(), 0, kImageSize);
        End(true);
        break;
    case ConversationEvent::UploadError:
        m_host.Ui().ShowMessage(kUploadErrorText, MessageIcon::Warning);
        End(false);
        break;
    case ConversationEvent::UploadCancelled:
        m_host.Ui().ShowMessage(kUploadCancelledText, MessageIcon::Warning);
        End(false);
        break;
    case ConversationEvent::LockTimeout:
        m_host.Ui().ShowMessage(kLockTimeoutText, MessageIcon::Warning);
        break;
    default:
        // A lost port ends the upload with its error; the watchdog's reset
        // leaves the progress window open until Cancel, as on the form.
        break;
    }
}

void CRadioReader::End(bool ok)
{
    if (!m_bRunning)
    {
        return;
    }
    m_bRunning = false;
    CloseProgress();
    // Once the conversation is done with the event (a cancel reopens the
    // port after telling it): then no timer of it may open the port again,
    // which the forms that hold it take back when told.
    QMetaObject::invokeMethod(
        this,
        [this, ok]
        {
            for (int id = CRadioConversation::kTimerUploadDone;
                 id <= CRadioConversation::kTimerWatchdog; ++id)
            {
                m_timers.KillTimer(id);
            }
            m_conversation.Link().Close();
            emit Finished(ok);
        },
        Qt::QueuedConnection);
}

void CRadioReader::CloseProgress()
{
    if (m_pProgress)
    {
        delete m_pProgress.data();
        m_pProgress = nullptr;
    }
}
