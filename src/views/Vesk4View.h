// The common base of the eight editor forms: the form's own radio image, the
// operations through which the main frame moves data between forms, File Open,
// Save and Cancel, frequency stepping, one-shot timers and the print hooks.
#pragma once

// app
#include "app/TimerHost.h"

// model
#include "model/RadioImage.h"

// Qt
#include <QWidget>

// std
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CVesk4App;
class IUiServices;
class QLineEdit;
class QPrinter;

class CVesk4View : public QWidget, public ITimerTarget
{
    Q_OBJECT
public:
    static constexpr int kReportLineSlots = 2551;
    static constexpr int kReportLineLength = 100;
    enum PrintMode : int
    {
        PRINT_HEXDUMP = 0,
        PRINT_REPORT = 1
    };

    CVesk4View(CVesk4App& app, int viewIndex, QWidget* parent);
    ~CVesk4View() override;

    int GetViewIndex() const { return m_nViewIndex; }
    CVesk4App& GetApp() const { return m_app; }
    IUiServices& Ui() const;
    CRadioImage& GetImage() { return m_image; }
    const CRadioImage& GetImage() const { return m_image; }

    // ---- the contract with the main frame, in this order -------------------
    // Asked of the Model form only: true while no radio model is chosen.
    virtual bool IsModelUnset();
    // Reads and checks the entries; shows its own message and returns false
    // when something is wrong (the form then stays on screen).
    virtual bool ValidateForm();
    // Puts the form's data into `image`. The base copies its own image whole.
    virtual void StoreToImage(CRadioImage& image);
    // Copies `image` into the form's own image and refills the controls.
    virtual void LoadFromImage(const CRadioImage& image);
    // The port choice changed (Comport set while this form is active).
    virtual void OnPortChanged();
    // Fills the controls from the form's own image.
    virtual void RefreshForm();

    // Runs once the form is built and placed: fills it from its own image.
    virtual void OnInitialUpdate();
    // Reads the controls into the form's members; on an unreadable entry
    // tells the user, puts the focus on it and returns false.
    virtual bool ReadForm();

    // ---- commands every form handles ---------------------------------------
    void OnFileOpen();
    void OnFileSave();
    // Cancel: throws away every change since the form was last filled.
    void OnCancelEdit();

    // ---- printing (main frame's Print commands) ------------------------------
    // False when nothing was started because an entry could not be read.
    bool PrintReport(const std::string& title);
    bool PrintHexDump(const std::string& title);

    // ---- frequency stepping for the spin arrows beside frequency boxes ------
    // Channel step and band limits of the own image for the wide or narrow
    // reference code.
    void ComputeChannelStep(bool narrow);
    // Replaces the frequency in `box` by the next one up (direction > 0) or down.
    // `transmitBox` marks the transmit frequency box of the Channel and Test
    // forms, which the 800 MHz model bounds by its transmit band.
    void StepFrequencyBox(bool narrow, int direction, QLineEdit* box, bool transmitBox);
    double GetChannelStep() const { return m_dChannelStep; }

    // ---- one-shot timers ---------------------------------------------------
    void SetTimer(int id, int ms) { m_timers.SetTimer(id, ms); }
    void KillTimer(int id) { m_timers.KillTimer(id); }
    bool IsTimerSet(int id) const { return m_timers.IsTimerSet(id); }
    void OnTimer(int id) override;

    // The path offered by Save: the last file opened here, or the main frame's
    // path at this form's last print command.
    const std::string& GetReportTitle() const { return m_strReportTitle; }

signals:
    // Something changed that the main frame's command enabling depends on.
    void CommandStateChanged();

protected:
    // Print preparation (capacity label, report lines) before the preview opens.
    virtual void OnPreparePrinting();
    // Draws every page of the current print mode.
    virtual void OnPrint(QPrinter& printer);
    // The preview (and any printing from it) ended.
    void OnEndPrinting();

    double m_dChannelStep = 0.0; // MHz
    CRadioImage m_image;
    std::array<std::uint8_t, kImageSize> m_printSnapshot{};
    std::string m_strReportTitle;
    std::string m_strCapacityLabel; // "120Ch", "320Ch" or empty
    double m_dRxUpper = 0.0;
    double m_dRxLower = 0.0;
    double m_dTxUpper = 0.0;
    double m_dTxLower = 0.0;
    int m_nReportLines = 0;
    int m_nLinesPerPage = 0;
    int m_nPageLines = 0;
    int m_nPrintMode = PRINT_HEXDUMP; // before any print command: the hex dump
    int m_nPageCount = 0;
    double m_dWideStepKhz = 0.0;
    double m_dNarrowStepKhz = 0.0;
    // Allocated once per form, not per print job.
    std::vector<std::array<char, kReportLineLength>> m_reportLines;

private:
    CVesk4App& m_app;
    int m_nViewIndex;
    CTimerHost m_timers;

    bool StartPrint(int mode, const std::string& title);
};
