// The Test form: the technician enters a receive or a transmit frequency with
// its signalling and options and puts the connected radio into that state at
// once; four more buttons switch the radio's lamp and beeper. Nothing entered
// here goes into the radio image: the form reads only the model, steps and
// injection side of its own image.
#pragma once

// own
#include "views/LiveView.h"
#include "views/SwitchPanel.h"

// ui
#include "ui/SignallingBox.h"

// link
#include "link/RadioLink.h"

// std
#include <array>
#include <cstdint>
#include <string>

class CBitRow;
class CFrequencyBox;
class COptionList;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

class CTestView : public CLiveView
{
    Q_OBJECT
public:
    CTestView(IViewHost& host, QWidget* parent);
    // A radio the form last told to transmit is told to receive, on no
    // frequency and with no signalling, before the link closes.
    ~CTestView() override;

    void RefreshForm() override;
    // The port choice changed: the link moves to the new port (a radio keyed
    // on the old one is first told to receive).
    void OnPortChanged() override;

    void OnReceive();
    void OnTransmit();
    void OnLightOn();
    void OnLightOff();
    void OnBeepOn();
    void OnBeepOff();
    void OnWide();
    void OnNarrow();

    // Steps of the own image: model, wide and narrow step in kHz, and the
    // channel step of the chosen bandwidth in MHz.
    void ComputeTestSteps();
    // Channel steps of the current bandwidth across the model's band, with
    // both edges taken to whole MHz; 0 without a model.
    int BandStepCount() const;

    // The settings "Receive" (transmit false) or "Transmit" would send for
    // the entries as they stand; false when the entries give no valid setup
    // (nothing is shown; `entryOut`, when given, receives the entry at
    // fault, and `reasonOut` a line that names the band when the frequency
    // lies outside it). The entries must have been read (ReadForm).
    [[nodiscard]] bool BuildSettings(bool transmit, TestSettings& settingsOut,
                                     QWidget** entryOut = nullptr,
                                     std::string* reasonOut = nullptr);

    // ---- for tests -----------------------------------------------------------
    CFrequencyBox* RxFrequency() const { return m_pRxFrequency; }
    CFrequencyBox* TxFrequency() const { return m_pTxFrequency; }
    CSignallingBox* RxSignalling() const { return m_pRxSignalling; }
    CSignallingBox* TxSignalling() const { return m_pTxSignalling; }
    COptionList* PowerList() const { return m_switches.PowerList(); }
    COptionList* CompanderList() const { return m_switches.CompanderList(); }
    COptionList* DToneList() const { return m_switches.DToneList(); }
    COptionList* AniList() const { return m_switches.AniList(); }
    QCheckBox* ScanGroupACheck() const { return m_switches.ScanGroupACheck(); }
    QCheckBox* ScanGroupBCheck() const { return m_switches.ScanGroupBCheck(); }
    CBitRow* AuxRow() const { return m_switches.AuxRow(); }
    QRadioButton* WideButton() const { return m_pWide; }
    QRadioButton* NarrowButton() const { return m_pNarrow; }
    QPushButton* ReceiveButton() const { return m_pReceive; }
    QPushButton* TransmitButton() const { return m_pTransmit; }
    QPushButton* LightOnButton() const { return m_pLightOn; }
    QPushButton* LightOffButton() const { return m_pLightOff; }
    QPushButton* BeepOnButton() const { return m_pBeepOn; }
    QPushButton* BeepOffButton() const { return m_pBeepOff; }
    QPushButton* CancelButton() const { return m_pCancel; }
    double GetWideStep() const { return m_dWideStep; }
    double GetNarrowStep() const { return m_dNarrowStep; }

private:
    void BuildLayout();
    // "Receive" or "Transmit": read, check, send.
    void SendTest(bool transmit);
    void OnDcsSpin(int side, int direction);

    CFrequencyBox* m_pRxFrequency;
    CSignallingBox* m_pRxSignalling;
    CFrequencyBox* m_pTxFrequency;
    CSignallingBox* m_pTxSignalling;
    CSwitchPanel m_switches;
    QRadioButton* m_pWide;
    QRadioButton* m_pNarrow;
    QPushButton* m_pReceive;
    QPushButton* m_pTransmit;
    QPushButton* m_pLightOn;
    QPushButton* m_pLightOff;
    QPushButton* m_pBeepOn;
    QPushButton* m_pBeepOff;
    QPushButton* m_pCancel;

    // The entries, as read by ReadForm.
    double m_dRxFreq = 0.0;
    double m_dTxFreq = 0.0;
    CSwitchPanel::Values m_switchValues;
    int m_nBandwidth = 0; // 0 wide, 1 narrow

    // Derived from the own image by ComputeTestSteps.
    int m_nModel = -1;
    double m_dWideStep = 0.0;   // kHz
    double m_dNarrowStep = 0.0; // kHz

    // Where each DCS spin goes on from when its box holds no code of the list.
    std::array<int, 2> m_nDcsPosition{};
};
