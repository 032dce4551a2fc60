// What the forms that drive the connected radio live (Adjust, Test) share:
// their own link, opened on the chosen port when the form is shown and moved
// when the choice changes, and the port line under the form that says whether
// the radio can be reached and, in a demonstration, what the simulated radio
// made of the last record.
#pragma once

// own
#include "views/Vesk4View.h"
#include "views/ViewLink.h"

// link
#include "link/RadioLink.h"

// std
#include <cstdint>

class QLabel;

class CLiveView : public CVesk4View
{
    Q_OBJECT
public:
    // After the port opens and after each send the port line is read again
    // this often, since a radio takes a record on its own thread a moment
    // after the write returns.
    static constexpr int kPortLineTimerId = 1290;
    static constexpr int kPortLineRefreshMs = 100;
    static constexpr int kPortLineRefreshes = 10;

    // Opens the chosen port once the form is shown.
    void OnInitialUpdate() override;
    void OnTimer(int id) override;
    // Puts a radio this form keyed back to receive, then closes the port.
    bool ReleasePort() override;

    // ---- for tests -----------------------------------------------------------
    QLabel* PortStatus() const { return m_pPortStatus; }
    const CRadioLink& Link() const { return m_radio; }
    // The last keying command this form sent left the radio transmitting.
    bool IsTransmitting() const { return m_bTransmitting; }

protected:
    CLiveView(IViewHost& host, int viewIndex, QWidget* parent);

    // Closes the link and opens it again on the chosen port. A failure is no
    // message box: the port line says why and what to do.
    void OpenLink();
    // Shows the port line now and reads it again a few times.
    void RefreshPortLineSoon();

    // A command that keys the radio (keyed true) or puts it back to receive
    // went out with `options`; the release keeps them, with no frequency and
    // no signalling. `model` is the prescaler's model.
    void NoteKeying(bool keyed, const TestSettings& options, int model);
    // Tells a radio this form keyed to receive instead: before the form goes,
    // before the link moves to another port. Nothing when it is not keyed.
    void ReleaseTransmitter();

    QLabel* m_pPortStatus;

private:
    void UpdatePortStatus();

    int m_nPortLineRefreshes = 0;
    bool m_bTransmitting = false;
    TestSettings m_releaseOptions;
    int m_nReleaseModel = -1;
    CViewLink m_link;

protected:
    // Declared after the sink it posts to, so that its reader ends first. A
    // form closes it in its own destructor, before its controls go.
    CRadioLink m_radio;
};
