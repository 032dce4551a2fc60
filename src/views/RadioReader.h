// One read of the radio's EEPROM outside the Radio Comm form, for a command
// that needs what the radio holds now (Compare with Radio): the port the
// Radio Comm form would use, its progress window and its Cancel, and the
// capacity the radio reports, without touching the application's own.
#pragma once

// own
#include "views/ProgressDlg.h"
#include "views/ViewLink.h"

// ui
#include "ui/TimerHost.h"

// link
#include "link/LinkTimerHost.h"
#include "link/RadioConversation.h"

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// Qt
#include <QObject>
#include <QPointer>

// std
#include <cstdint>
#include <vector>

class CRadioReader : public QObject, public ITimerTarget, public ILinkTimerHost
{
    Q_OBJECT
public:
    // `parent` owns the progress window.
    CRadioReader(IViewHost& host, QWidget* parent);
    // A read still running is cancelled; the port is closed.
    ~CRadioReader() override;

    // Opens the chosen port and asks the radio for its EEPROM. `pc` fills
    // whatever a 120-channel radio does not send, so those bytes compare
    // equal. False, after telling the user why, when the port could not be
    // opened or the request not sent; Finished does not follow then.
    [[nodiscard]] bool Start(const CRadioImage& pc);

    // The image Start was given.
    const CRadioImage& PcImage() const { return m_pcImage; }
    // After Finished(true): `pc` with every byte the radio sent.
    const CRadioImage& RadioImage() const { return m_radioImage; }
    // What the Radio Comm form would copy in: the radio's bytes with channels
    // 120-319 reset for a 120-channel radio; the image a backup keeps.
    [[nodiscard]] bool StoreRead(CRadioImage& imageOut) const;
    // The capacity the radio reported: channel code and mode of the read.
    const IAppState& ReadState() const { return m_readState; }

    CProgressDlg* Progress() const { return m_pProgress.data(); }
    bool IsRunning() const { return m_bRunning; }

    void OnTimer(int id) override;
    // ILinkTimerHost: the conversation's timers run on this object's host.
    void SetTimer(int id, int milliseconds) override { m_timers.SetTimer(id, milliseconds); }
    void KillTimer(int id) override { m_timers.KillTimer(id); }

signals:
    // The read ended: true with the radio's image, false when it failed or
    // was cancelled (the user has been told which).
    void Finished(bool ok);

private:
    void OnConversationEvent(ConversationEvent event, int value);
    void End(bool ok);
    void CloseProgress();

    IViewHost& m_host;
    QWidget* m_pParent;
    CPlainAppState m_readState;
    CRadioImage m_pcImage;
    CRadioImage m_radioImage;
    QPointer<CProgressDlg> m_pProgress;
    bool m_bRunning = false;
    CTimerHost m_timers;
    CViewLink m_link;
    // Declared last so that its reader ends before the sink it posts to.
    CRadioConversation m_conversation;
};
