// The Radio Comm form: moves the whole EEPROM between the PC and the radio
// ("Up Load", "Down Load"), compares the two ("Verify"), reads and writes a few
// bytes of the radio's RAM, and says which device the chosen port is and
// whether it is open. The conversation with the radio is the link's; this form
// adds what the user sees.
#pragma once

// own
#include "views/ProgressDlg.h"
#include "views/Vesk4View.h"

// own
#include "views/ViewLink.h"

// link
#include "link/LinkTimerHost.h"
#include "link/RadioConversation.h"
#include "link/SerialBackend.h"

// Qt
#include <QPointer>

// std
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

class CConnectView : public CVesk4View
{
    Q_OBJECT
public:
    CConnectView(IViewHost& host, QWidget* parent);
    // Cancels a download still running and waits for it before the link and
    // its buffers go.
    ~CConnectView() override;

    // After an upload, leaving asks " COPY OK ? "; Cancel stays.
    bool ValidateForm() override;
    // Copies an accepted upload into `image`; otherwise leaves it alone.
    void StoreToImage(CRadioImage& image) override;
    // An upload is not an edit: it reaches the shared image only once it is
    // copied in. Nothing to store quietly.
    bool PreviewStore(CRadioImage& image, int& channelMode) override;
    // Reopens the port the application's choice names, with a fresh reader. A
    // download still running is cancelled and reported as failed.
    void OnPortChanged() override;
    bool ReleasePort() override;
    // The form shows no image fields.
    void RefreshForm() override;
    // Opens the port once the form is shown.
    void OnInitialUpdate() override;
    void OnTimer(int id) override;

    // The buttons.
    void OnUpload();
    void OnDownload();
    void OnRamRead();
    void OnRamWrite();
    void OnVerify();

    // Link traffic (message 1025), delivered on this form's thread.
    void OnLinkMessage(std::int32_t wParam, const std::vector<std::uint8_t>& bytes);
    // The progress window's "Cancel" (message 1026).
    void OnProgressCancel();

    // ---- state, for the main frame and for tests -----------------------------
    ConversationMode Mode() const { return m_conversation.Mode(); }
    bool IsUploaded() const { return m_conversation.IsUploaded(); }
    bool IsCopyAccepted() const { return m_bCopyAccepted; }
    bool IsWatchdogRunning() const { return IsTimerSet(CRadioConversation::kTimerWatchdog); }
    int ProgressCount() const { return m_conversation.ProgressCount(); }
    CProgressDlg* Progress() const { return m_pProgress.data(); }
    const CRadioConversation& Conversation() const { return m_conversation; }
    CRadioConversation& Conversation() { return m_conversation; }
    // The port the form opens: 2 when the application's choice is COM2, else 1.
    int PortNumber() const;

    QListWidget* ListBox() const { return m_pList; }
    QPushButton* UploadButton() const { return m_pUpload; }
    QPushButton* DownloadButton() const { return m_pDownload; }
    QPushButton* RamReadButton() const { return m_pRamRead; }
    QPushButton* RamWriteButton() const { return m_pRamWrite; }
    QPushButton* VerifyButton() const { return m_pVerify; }
    QLabel* PortStatus() const { return m_pPortStatus; }

private:
    // Hands the conversation's timers to this form's timer host.
    class CTimerBridge : public ILinkTimerHost
    {
    public:
        explicit CTimerBridge(CConnectView& view) : m_view(view) {}
        void SetTimer(int id, int milliseconds) override { m_view.SetTimer(id, milliseconds); }
        void KillTimer(int id) override { m_view.KillTimer(id); }

    private:
        CConnectView& m_view;
    };

    void BuildLayout();
    // The check of the form's image before Down Load: true to write it (no
    // findings, or warnings only and the user said Yes); false after errors
    // or No.
    bool ConfirmDownload();
    void OnConversationEvent(ConversationEvent event, int value);
    void OpenProgress();
    void CloseProgress();
    void UpdatePortStatus();

    QListWidget* m_pList;
    QPushButton* m_pUpload;
    QPushButton* m_pDownload;
    QPushButton* m_pRamRead;
    QPushButton* m_pRamWrite;
    QPushButton* m_pVerify;
    QLabel* m_pPortStatus;

    bool m_bCopyAccepted = false; // " COPY OK ? " answered OK; never cleared
    QPointer<CProgressDlg> m_pProgress;
    CTimerBridge m_timerBridge;
    CViewLink m_link;
    // Declared last so that it goes first: its reader and download worker end
    // before the sink they post to and the rest of this form.
    CRadioConversation m_conversation;
};
