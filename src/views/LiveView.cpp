// The common part of the Adjust and Test forms.

// own
#include "views/LiveView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/FormRows.h"

// Qt
#include <QLabel>

CLiveView::CLiveView(IViewHost& host, int viewIndex, QWidget* parent)
    : CVesk4View(host, viewIndex, parent), m_pPortStatus(new QLabel(this)),
      // The radio sends nothing these forms read; its lines are let go.
      m_link(this, host, [](std::int32_t, std::vector<std::uint8_t>) {})
{
    m_pPortStatus->setWordWrap(true);
    m_pPortStatus->setTextFormat(Qt::PlainText);
    m_pPortStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CFormRows::Name(m_pPortStatus, QString::fromLatin1(ViewText::kPortLineName));
}

void CLiveView::OnInitialUpdate()
{
    CVesk4View::OnInitialUpdate();
    OpenLink();
}

void CLiveView::OnTimer(int id)
{
    if (id != kPortLineTimerId)
    {
        CVesk4View::OnTimer(id);
        return;
    }
    KillTimer(id);
    UpdatePortStatus();
    if (--m_nPortLineRefreshes > 0)
    {
        SetTimer(kPortLineTimerId, kPortLineRefreshMs);
    }
}

bool CLiveView::ReleasePort()
{
    ReleaseTransmitter();
    KillTimer(kPortLineTimerId);
    m_radio.Close();
    UpdatePortStatus();
    return true;
}

void CLiveView::OpenLink()
{
    KillTimer(kPortLineTimerId);
    m_radio.Close();
    (void)m_link.Open(m_radio);
    // A record the form before this one sent as it went may still be on its
    // way to a simulated radio.
    RefreshPortLineSoon();
}

void CLiveView::RefreshPortLineSoon()
{
    UpdatePortStatus();
    m_nPortLineRefreshes = kPortLineRefreshes;
    SetTimer(kPortLineTimerId, kPortLineRefreshMs);
}

void CLiveView::NoteKeying(bool keyed, const TestSettings& options, int model)
{
    m_bTransmitting = keyed;
    m_releaseOptions = options;
    m_nReleaseModel = model;
}

void CLiveView::ReleaseTransmitter()
{
    if (!m_bTransmitting)
    {
        return;
    }
    TestSettings settings = m_releaseOptions;
    settings.frequency = 0.0;
    settings.noFrequency = true;
    settings.signallingType = kSignallingNone;
    settings.signallingValue = kNoSignallingValue;
    m_radio.SetModelIndex(m_nReleaseModel);
    if (m_radio.TestReceive(settings))
    {
        m_bTransmitting = false;
    }
}

void CLiveView::UpdatePortStatus()
{
    m_pPortStatus->setText(m_link.PortLine(m_radio, true));
}
