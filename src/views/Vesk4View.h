// The common base of the eight editor forms: the form's own radio image, the
// operations through which the main frame moves data between forms, File Open,
// Save and Cancel, frequency stepping, one-shot timers and the print hooks.
#pragma once

// ui
#include "ui/FormBinder.h"
#include "ui/TimerHost.h"

// views
#include "views/ViewHost.h"

// model
#include "model/RadioImage.h"

// print
#include "print/PrintJob.h"

// Qt
#include <QWidget>

// std
#include <functional>
#include <string>

class CFrequencyBox;
class IUiServices;
class QLineEdit;
class QPrinter;

class CVesk4View : public QWidget, public ITimerTarget
{
    Q_OBJECT
public:
    CVesk4View(IViewHost& host, int viewIndex, QWidget* parent);
    ~CVesk4View() override;

    int GetViewIndex() const { return m_nViewIndex; }
    IViewHost& Host() const { return m_host; }
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
    // What StoreToImage would make of `image` and `channelMode`, worked out
    // quietly: no message, no question, no focus move, no step, and the form
    // left exactly as it stood. False when the form holds an edit it cannot
    // read or check, which it could not store yet; `image` and `channelMode`
    // are then unchanged. The base gives the form's own image.
    virtual bool PreviewStore(CRadioImage& image, int& channelMode);
    // Whether the form holds edits that storing would put into `image` (or
    // that it could not store yet): the unsaved-edits check of the frame.
    bool HasUnstoredEdits(const CRadioImage& image, int channelMode);
    // The port choice changed (Comport set while this form is active). Also
    // how a form gets back the port it let go in ReleasePort.
    virtual void OnPortChanged();
    // A read of the radio outside the form needs the port this form holds:
    // the form closes it until OnPortChanged. False while a transfer of its
    // own is under way; the port then stays with it. The base holds none.
    virtual bool ReleasePort() { return true; }
    // Fills the controls from the form's own image.
    virtual void RefreshForm();

    // Runs once the form is built and placed: fills it from its own image.
    virtual void OnInitialUpdate();
    // Reads the controls into the form's members; on an unreadable entry
    // tells the user, puts the focus on it and returns false. The base reads
    // what the form bound to its binder.
    virtual bool ReadForm();

    // ---- commands every form handles ---------------------------------------
    // File Open read `image` from `path`: the form takes it, remembers the
    // path for Save and refills its controls, dropping unsaved edits.
    void OnImageOpened(const std::string& path, const CRadioImage& image);
    // Cancel: throws away every change since the form was last filled.
    void OnCancelEdit();

    // ---- printing (main frame's Print commands) ------------------------------
    // Each one reads the form into the own image, snapshots it and runs the
    // preview or the printer dialog to its end. False when nothing was started
    // because an entry could not be read.
    bool PrintReport(const std::string& title);
    bool PrintHexDump(const std::string& title);
    // Print (Ctrl+P) and Print Direct: the printer dialog, then the pages, in
    // the mode of this form's last print command (the hex dump before any).
    bool OnFilePrint(const std::string& title);
    // Print Preview, in that mode.
    bool OnFilePrintPreview(const std::string& title);
    const CPrintJob& GetPrintJob() const { return m_printJob; }
    // Pages of the current job on the printer it was last drawn for.
    int GetPageCount() const { return m_nPageCount; }

    // ---- frequency stepping for the spin arrows beside frequency boxes ------
    // Channel step and band limits of the own image for the wide or narrow
    // reference code.
    void ComputeChannelStep(bool narrow);
    // Replaces the frequency in `box` by the next one up (direction > 0) or down.
    // `transmitBox` marks the transmit frequency box of the Channel and Test
    // forms, which the 800 MHz model bounds by its transmit band. With
    // `withinBand` a step that would leave the band (down from an off-grid
    // value near the lower edge) stops at the edge; 0 stays reachable.
    void StepFrequencyBox(bool narrow, int direction, QLineEdit* box, bool transmitBox,
                          bool withinBand = false);
    double GetChannelStep() const { return m_dChannelStep; }
    // Makes `box`'s arrows, Up and Down keys and wheel step it as above, with
    // the bandwidth `narrow` tells at the moment of each step.
    void AttachStepping(CFrequencyBox* box, std::function<bool()> narrow, bool transmitBox,
                        bool withinBand = false);

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
    // Every start of a preview or a print job: the capacity label and the
    // report lines, from the snapshot.
    virtual void OnPreparePrinting();
    // Before page `page` is drawn: false ends the job (the page passed the
    // page count).
    virtual bool OnPrepareDC(QPrinter& printer, int page);
    // Draws the pages of the current job on `printer` (preview or printer).
    virtual void OnPrint(QPrinter& printer);
    // The preview (and any printing from it) ended: the busy flag is cleared.
    void OnEndPrinting();

    // The one way a form stores what it read: every field bound in the binder,
    // then `more` (the writes that take several entries at once), all into a
    // copy of `image` that replaces it only when every setter accepted. When
    // one refused, `image` stays whole and `refused` is shown.
    bool StoreOnCopy(CRadioImage& image, const char* refused,
                     const std::function<bool(CRadioImage&)>& more = {});

    double m_dChannelStep = 0.0; // MHz
    CRadioImage m_image;
    // Each control of the form bound to its member: ReadForm reads them all,
    // and a form's RefreshForm shows them with WriteAll.
    CFormBinder m_binder;
    // The own image as it was at the last print start; every page of the job
    // is drawn from it, whatever happens to the own image meanwhile.
    CRadioImage m_printSnapshot;
    std::string m_strReportTitle;
    double m_dRxUpper = 0.0;
    double m_dRxLower = 0.0;
    double m_dTxUpper = 0.0;
    double m_dTxLower = 0.0;
    // Mode, title, capacity label, report lines and hex snapshot of the job.
    CPrintJob m_printJob;
    int m_nPageCount = 0;
    // Drawing for the printer rather than for the preview.
    bool m_bPrinting = false;
    // The printer could not take the pages of the last print.
    bool m_bPrintFailed = false;

private:
    IViewHost& m_host;
    int m_nViewIndex;
    CTimerHost m_timers;

    bool StartPrint(PrintMode mode, const std::string& title, bool preview);
    // The preview, whose Print button goes through RunPrinterDialog.
    void RunPreview(QPrinter& printer);
    // A new print job: preparation, the printer dialog and the pages. True
    // when the user printed.
    bool RunPrinterDialog(QPrinter& printer, QWidget* parent);
};
