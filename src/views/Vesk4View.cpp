// The common base of the editor forms.

// own
#include "views/Vesk4View.h"
#include "views/ViewTexts.h"

// ui
#include "ui/FrequencyBox.h"
#include "ui/PagePainter.h"
#include "ui/UiServices.h"

// model
#include "model/BandTable.h"
#include "model/Synthesizer.h"
#include "model/TextReaders.h"

// Qt
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

// std
#include <algorithm>
#include <cstring>

namespace
{
// "%.5f" read back: a step carries exactly five decimals of a MHz.
double RoundTo5Decimals(double value)
{
    return QString::number(value, 'f', 5).toDouble();
}
} // namespace

CVesk4View::CVesk4View(IViewHost& host, int viewIndex, QWidget* parent)
    : QWidget(parent), m_binder(host.Ui()), m_host(host), m_nViewIndex(viewIndex), m_timers(*this)
{
    setFocusPolicy(Qt::StrongFocus);
}

CVesk4View::~CVesk4View() = default;

IUiServices& CVesk4View::Ui() const
{
    return m_host.Ui();
}

bool CVesk4View::IsModelUnset()
{
    return true;
}

bool CVesk4View::ValidateForm()
{
    return true;
}

void CVesk4View::StoreToImage(CRadioImage& image)
{
    image = m_image;
}

bool CVesk4View::PreviewStore(CRadioImage& image, int& /*channelMode*/)
{
    image = m_image;
    return true;
}

bool CVesk4View::HasUnstoredEdits(const CRadioImage& image, int channelMode)
{
    CRadioImage stored = image;
    int mode = channelMode;
    if (!PreviewStore(stored, mode))
    {
        return true;
    }
    return mode != channelMode ||
           std::memcmp(&stored.WorkBlock(), &image.WorkBlock(), sizeof(ImageBlock)) != 0;
}

bool CVesk4View::StoreOnCopy(CRadioImage& image, const char* refused,
                             const std::function<bool(CRadioImage&)>& more)
{
    CRadioImage stored = image;
    if (!m_binder.StoreImage(stored) || (more && !more(stored)))
    {
        Ui().ShowMessage(refused, MessageIcon::Warning);
        return false;
    }
    image = stored;
    return true;
}

void CVesk4View::LoadFromImage(const CRadioImage& image)
{
    m_image = image;
    RefreshForm();
}

void CVesk4View::OnPortChanged() {}

void CVesk4View::RefreshForm() {}

void CVesk4View::OnInitialUpdate()
{
    RefreshForm();
}

bool CVesk4View::ReadForm()
{
    return m_binder.ReadAll();
}

void CVesk4View::OnTimer(int /*id*/) {}

void CVesk4View::OnImageOpened(const std::string& path, const CRadioImage& image)
{
    m_strReportTitle = path;
    m_image = image;
    RefreshForm();
    emit CommandStateChanged();
}

void CVesk4View::OnCancelEdit()
{
    RefreshForm();
    emit CommandStateChanged();
}

bool CVesk4View::PrintReport(const std::string& title)
{
    return StartPrint(PrintMode::Report, title, true);
}

bool CVesk4View::PrintHexDump(const std::string& title)
{
    return StartPrint(PrintMode::HexDump, title, true);
}

bool CVesk4View::OnFilePrint(const std::string& title)
{
    return StartPrint(m_printJob.GetMode(), title, false);
}

bool CVesk4View::OnFilePrintPreview(const std::string& title)
{
    return StartPrint(m_printJob.GetMode(), title, true);
}

bool CVesk4View::StartPrint(PrintMode mode, const std::string& title, bool preview)
{
    if (!ReadForm())
    {
        return false;
    }
    StoreToImage(m_image);
    m_strReportTitle = title;
    // Every print start takes its own snapshot, so the framework's commands
    // print what the form shows now, as the Print menu does.
    m_printSnapshot = m_image;
    m_printJob.Start(mode, title, m_printSnapshot);
    m_nPageCount = 0;
    m_bPrintFailed = false;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(CPagePainter::DocumentName(title));
    if (preview)
    {
        RunPreview(printer);
    }
    else
    {
        (void)RunPrinterDialog(printer, this);
    }
    OnEndPrinting();
    if (m_bPrintFailed)
    {
        Ui().ShowMessage(ViewText::kPrintFailed, MessageIcon::Warning);
    }
    return true;
}

void CVesk4View::RunPreview(QPrinter& printer)
{
    OnPreparePrinting();
    QPrintPreviewDialog preview(&printer, this);
    preview.resize(760, 560);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { OnPrint(*target); });
    // The preview's own Print button would run its printer dialog past the
    // user-interface services and without the page range of this job.
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>())
    {
        if (action->text() == printText)
        {
            action->disconnect(&preview);
            connect(action, &QAction::triggered, &preview,
                    [this, &preview, &printer]
                    {
                        if (RunPrinterDialog(printer, &preview))
                        {
                            preview.accept();
                        }
                    });
        }
    }
    Ui().RunDialog(preview);
}

bool CVesk4View::RunPrinterDialog(QPrinter& printer, QWidget* parent)
{
    OnPreparePrinting();
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, std::max(1, m_printJob.GetPageCount(CPagePainter::GeometryOf(printer))));
    if (Ui().RunDialog(dialog) != QDialog::Accepted)
    {
        return false;
    }
    m_bPrinting = true;
    OnPrint(printer);
    m_bPrinting = false;
    return true;
}

void CVesk4View::OnPreparePrinting()
{
    m_printJob.Prepare(m_printSnapshot, m_host);
}

bool CVesk4View::OnPrepareDC(QPrinter& /*printer*/, int page)
{
    return page <= m_nPageCount;
}

void CVesk4View::OnPrint(QPrinter& printer)
{
    int pages = 0;
    const bool ok = CPagePainter::PaintJob(
        printer, m_printJob,
        [this, &printer](int page, int pageCount)
        {
            m_nPageCount = pageCount;
            return OnPrepareDC(printer, page);
        },
        pages);
    if (!ok && m_bPrinting)
    {
        m_bPrintFailed = true;
    }
}

void CVesk4View::OnEndPrinting()
{
    m_host.OnPrintEnded();
    emit CommandStateChanged();
}

void CVesk4View::ComputeChannelStep(bool narrow)
{
    int model = -1;
    int wideCode = 0;
    int narrowCode = 0;
    (void)m_image.GetModel(model);
    (void)m_image.GetWideReferenceCode(model, wideCode);
    (void)m_image.GetNarrowReferenceCode(model, narrowCode);
    const int code = narrow ? narrowCode : wideCode;

    // Without a model the VHF steps apply, as in the reference lists.
    double khz = StepKhz(model, code);
    if (khz <= 0.0)
    {
        khz = StepKhz(0, code);
    }
    m_dChannelStep = RoundTo5Decimals(khz * 0.001);

    m_dRxUpper = m_dRxLower = m_dTxUpper = m_dTxLower = 0.0;
    if (const BandInfo* band = FindBand(model))
    {
        m_dRxUpper = band->rxHigh;
        m_dRxLower = band->rxLow;
        m_dTxUpper = band->txHigh;
        m_dTxLower = band->txLow;
    }
}

void CVesk4View::StepFrequencyBox(bool narrow, int direction, QLineEdit* box, bool transmitBox,
                                  bool withinBand)
{
    if (box == nullptr)
    {
        return;
    }
    ComputeChannelStep(narrow);
    int model = -1;
    (void)m_image.GetModel(model);
    // Read as far as it is a number; text that is none steps from 0.
    double f = 0.0;
    if (!ReadDecimal(box->text().toStdString(), f))
    {
        f = 0.0;
    }
    double next = StepFrequency(f, direction, model, m_dChannelStep * 1000.0, transmitBox);
    const double low = transmitBox && model == kModel800 ? m_dTxLower : m_dRxLower;
    if (withinBand && next != 0.0 && next < low)
    {
        next = low;
    }
    box->setText(QString::number(next, 'f', 5));
}

void CVesk4View::AttachStepping(CFrequencyBox* box, std::function<bool()> narrow, bool transmitBox,
                                bool withinBand)
{
    connect(box, &CFrequencyBox::StepRequested, this,
            [this, box, narrow = std::move(narrow), transmitBox, withinBand](int direction)
            { StepFrequencyBox(narrow(), direction, box->Edit(), transmitBox, withinBand); });
}
