// Printing from a form: what the pages show and where, the snapshot each print
// start takes, the preview and its Print button, the printer dialog, the mode
// of the standard print commands, and the end of every print told to the
// application.

// own (and tests/common: PdfFile.h)
#include "FormFixture.h"
#include "PdfFile.h"
#include "PrintTestSupport.h"

// ui
#include "ui/PagePainter.h"

// views
#include "views/ViewTexts.h"

// Qt
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

namespace
{
// A page of 2000 x 2800 device units at 300 dpi: c, L and the margins follow
// from the listing font on it.
constexpr int kWidth = 2000;
constexpr int kHeight = 2800;
constexpr int kDpi = 300;

QAction* PreviewPrintAction(QDialog& preview)
{
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>())
    {
        if (action->text() == text)
        {
            return action;
        }
    }
    return nullptr;
}
} // namespace

class PrintViewTest : public FormFixture
{
protected:
    // Runs `draw` while the preview of the form's print command is open.
    void WithPreview(const std::function<void(QPrintPreviewDialog&)>& draw)
    {
        m_ui.m_dialogScripts.push_back(
            [draw](QDialog& dialog)
            {
                auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog);
                EXPECT_NE(preview, nullptr);
                if (preview)
                {
                    draw(*preview);
                }
                return static_cast<int>(QDialog::Rejected);
            });
    }

    // The printer dialog's answer: PDF into `path`, accepted.
    void PrintToPdf(const QString& path, const std::function<void(QPrintDialog&)>& check = {})
    {
        m_ui.m_dialogScripts.push_back(
            [path, check](QDialog& dialog)
            {
                auto* printDialog = qobject_cast<QPrintDialog*>(&dialog);
                EXPECT_NE(printDialog, nullptr);
                if (!printDialog)
                {
                    return static_cast<int>(QDialog::Rejected);
                }
                printDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
                printDialog->printer()->setOutputFileName(path);
                if (check)
                {
                    check(*printDialog);
                }
                return static_cast<int>(QDialog::Accepted);
            });
    }

    // The Model form with a model chosen.
    CVesk4View& ModelForm()
    {
        CModelView* form = OpenForm<CModelView>(VIEW_MODEL);
        ChooseModel(form, 5);
        return *form;
    }

    // That form showing `image` (it writes only its own fields back at a
    // print command, so the channels stay).
    CVesk4View& ModelFormWith(const CRadioImage& image)
    {
        CVesk4View& form = ModelForm();
        form.LoadFromImage(image);
        return form;
    }

    // While a print runs the application holds its busy flag: no end told yet.
    bool PrintRunning(int endedBefore) const { return m_host.m_nPrintsEnded == endedBefore; }
};

TEST_F(PrintViewTest, ReportPagesPutTitleLinesAndPageNumberWhereTheGeometrySays)
{
    PrintableForm form(m_host, VIEW_MANUAL, nullptr);
    form.LoadFromImage(ImageWithChannels(30)); // 38 + 30 x 14 + 40 = 498 lines
    RecordingEngine engine(kWidth, kHeight, kDpi);
    WithPreview(
        [&](QPrintPreviewDialog&)
        {
            RecordingPrinter printer(engine);
            form.OnPrint(printer);
        });
    ASSERT_TRUE(form.PrintReport("/data/radio.dmp"));

    RecordingPrinter printer(engine);
    const CPageGeometry geometry = CPagePainter::GeometryOf(printer);
    const int ascent = QFontMetrics(CPagePainter::ListingFont(), &printer).ascent();
    const int L = geometry.GetLinesPerPage();
    const int p = geometry.GetLinePitch();
    const int x0 = kWidth / 15;
    const int y0 = kHeight / 15;
    const int pages = (498 + L - 1) / L;
    ASSERT_GT(pages, 1);
    EXPECT_EQ(engine.m_nPages, pages);
    EXPECT_EQ(form.GetPageCount(), pages);
    const std::vector<std::string>& lines = form.GetPrintJob().GetReport().GetLines();
    ASSERT_EQ(lines.size(), 498u);

    for (const int page : {1, pages})
    {
        SCOPED_TRACE(page);
        const auto texts = engine.OnPage(page);
        const int first = (page - 1) * L;
        const int count = std::min(L, 498 - first);
        ASSERT_EQ(texts.size(), static_cast<std::size_t>(count + 2));
        EXPECT_EQ(texts.front().text, "/data/radio.dmp");
        EXPECT_EQ(texts.front().x, x0);
        EXPECT_EQ(texts.front().y, y0 - 2 * p + ascent);
        for (int i = 0; i < count; ++i)
        {
            EXPECT_EQ(texts[1 + i].text.toStdString(), lines[first + i]);
            EXPECT_EQ(texts[1 + i].x, x0);
            EXPECT_EQ(texts[1 + i].y, y0 + (i + 1) * p + ascent);
        }
        // The page number line sits below a full page even on the last one.
        EXPECT_EQ(texts.back().text.toStdString(),
                  "Page " + std::to_string(page) + " / " + std::to_string(pages) + " ");
        EXPECT_EQ(texts.back().x, kWidth / 2);
        EXPECT_EQ(texts.back().y, y0 + (L + 1) * p + ascent);
    }
}

TEST_F(PrintViewTest, HexDumpPagesCarryTheCapacityLabelAboveTheHeader)
{
    CRadioImage image = ImageWithChannels(0);
    const std::uint8_t bytes[16] = {0x41, 0x07, 0x7F, 0x80, 0x7E, '0', '1', '2',
                                    '3',  '4',  '5',  '6',  '7',  '8', '9', ':'};
    ASSERT_TRUE(image.WriteBlock(bytes, 0x100, sizeof bytes));
    PrintableForm form(m_host, VIEW_MANUAL, nullptr);
    form.LoadFromImage(image);
    m_host.m_nChannelCode = 2;
    RecordingEngine engine(kWidth, kHeight, kDpi);
    WithPreview(
        [&](QPrintPreviewDialog&)
        {
            RecordingPrinter printer(engine);
            form.OnPrint(printer);
        });
    ASSERT_TRUE(form.PrintHexDump("/data/radio.dmp"));

    RecordingPrinter printer(engine);
    const CPageGeometry geometry = CPagePainter::GeometryOf(printer);
    const int ascent = QFontMetrics(CPagePainter::ListingFont(), &printer).ascent();
    const int p = geometry.GetLinePitch();
    const int x0 = kWidth / 15;
    const int y0 = kHeight / 15;
    const auto page1 = engine.OnPage(1);
    const int rows = geometry.GetLinesPerPage() - 1;
    ASSERT_EQ(page1.size(), static_cast<std::size_t>(3 + rows + 1));
    EXPECT_EQ(page1[1].text, "320Ch");
    EXPECT_EQ(page1[1].y, y0 - p + ascent);
    EXPECT_EQ(page1[2].text, "Add  :  0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F");
    EXPECT_EQ(page1[2].y, y0 + ascent);
    const int row = 0x100 / 16;
    ASSERT_LT(row, rows);
    EXPECT_EQ(page1[3 + row].text.toStdString(),
              "0100 :  41 07 7f 80 7e 30 31 32 33 34 35 36 37 38 39 3a  :  A...~0123456789:");
    EXPECT_EQ(page1[3 + row].x, x0);
    EXPECT_EQ(page1[3 + row].y, y0 + (row + 1) * p + ascent);
    EXPECT_EQ(engine.m_nPages, (512 + rows - 1) / rows);
}

TEST(PagePainterTest, TextsAreShownInTheirOwnEncodingWithControlsBlanked)
{
    const struct
    {
        PageTextRole role;
        const char* bytes;
        const char* shownUtf8;
    } cases[] = {
        // A path is in the file system's encoding; image texts are one byte each.
        {PageTextRole::Title, "/data/R\xC3\xA4te.dmp", "/data/R\xC3\xA4te.dmp"},
        {PageTextRole::Body, "CH\xC4", "CH\xC3\x84"},
        {PageTextRole::Body, "A\x07\tB\x7F", "A  B "},
        {PageTextRole::Title, "a\nb", "a b"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.bytes);
        PageText text;
        text.m_role = c.role;
        text.m_strText = c.bytes;
        EXPECT_EQ(CPagePainter::DisplayText(text), QString::fromUtf8(c.shownUtf8));
    }
}

TEST_F(PrintViewTest, ThePageRangeChosenForPrintingIsHonoured)
{
    PrintableForm form(m_host, VIEW_MANUAL, nullptr);
    form.LoadFromImage(ImageWithChannels(0));
    RecordingEngine engine(kWidth, kHeight, kDpi);
    WithPreview(
        [&](QPrintPreviewDialog&)
        {
            RecordingPrinter printer(engine);
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 3);
            form.OnPrint(printer);
        });
    ASSERT_TRUE(form.PrintHexDump("t"));
    ASSERT_EQ(engine.m_nPages, 2);
    const int pages = form.GetPageCount();
    EXPECT_EQ(engine.OnPage(1).back().text.toStdString(),
              "Page 2 / " + std::to_string(pages) + " ");
    EXPECT_EQ(engine.OnPage(2).back().text.toStdString(),
              "Page 3 / " + std::to_string(pages) + " ");
}

TEST_F(PrintViewTest, AnEditAfterThePrintStartDoesNotChangeThePages)
{
    for (const bool report : {false, true})
    {
        SCOPED_TRACE(report ? "report" : "hex dump");
        PrintableForm form(m_host, VIEW_MANUAL, nullptr);
        form.LoadFromImage(ImageWithChannels(2));
        std::vector<QString> before;
        std::vector<QString> after;
        const auto draw = [&form](std::vector<QString>& texts)
        {
            RecordingEngine engine(kWidth, kHeight, kDpi);
            {
                RecordingPrinter printer(engine);
                form.OnPreparePrinting(); // as a print started from the preview does
                form.OnPrint(printer);
            }
            for (const auto& text : engine.m_texts)
            {
                texts.push_back(text.text);
            }
        };
        const auto edit = [&form]
        {
            const std::uint8_t byte = 0x41;
            ASSERT_TRUE(form.GetImage().WriteBlock(&byte, 0, 1));
            ASSERT_TRUE(form.GetImage().SetRxUnused(5, 0));
            ASSERT_TRUE(form.GetImage().SetRxWord(5, 0x0A408));
        };
        WithPreview(
            [&](QPrintPreviewDialog&)
            {
                draw(before);
                edit();
                draw(after);
            });
        ASSERT_TRUE(report ? form.PrintReport("t") : form.PrintHexDump("t"));
        ASSERT_FALSE(before.empty());
        EXPECT_EQ(before, after);

        // The next print start takes the edit.
        std::vector<QString> next;
        WithPreview([&](QPrintPreviewDialog&) { draw(next); });
        ASSERT_TRUE(report ? form.PrintReport("t") : form.PrintHexDump("t"));
        EXPECT_NE(next, before);
    }
}

TEST_F(PrintViewTest, ThePreviewShowsTheJobsPagesAndEndsWithTheApplicationTold)
{
    m_host.m_nChannelMode = 1;
    CVesk4View& view = ModelFormWith(ImageWithChannels(200));
    int previewPages = -1;
    int jobPages = -2;
    bool running = false;
    WithPreview(
        [&](QPrintPreviewDialog& preview)
        {
            running = PrintRunning(0);
            auto* widget = preview.findChild<QPrintPreviewWidget*>();
            ASSERT_NE(widget, nullptr);
            widget->updatePreview();
            previewPages = widget->pageCount();
            jobPages =
                view.GetPrintJob().GetPageCount(CPagePainter::GeometryOf(*preview.printer()));
        });
    ASSERT_TRUE(view.PrintReport(""));

    EXPECT_EQ(view.GetPrintJob().GetReport().GetChannelsListed(), 200);
    EXPECT_GT(previewPages, 1);
    EXPECT_EQ(previewPages, jobPages);
    EXPECT_TRUE(running);
    EXPECT_EQ(m_host.m_nPrintsEnded, 1);
}

TEST_F(PrintViewTest, ThePreviewsPrintButtonPrintsThroughThePrinterDialog)
{
    CVesk4View& view = ModelFormWith(ImageWithChannels(40));
    const QString pdf = QString::fromStdString(Path("report.pdf"));
    int expectedPages = 0;
    bool runningInPrinterDialog = false;
    int previewResult = -1;
    m_ui.m_dialogScripts.push_back(
        [&](QDialog& preview)
        {
            QAction* print = PreviewPrintAction(preview);
            EXPECT_NE(print, nullptr);
            // The capacity may change while the preview is open; the print
            // job that starts now labels its pages anew.
            m_host.m_nChannelCode = 2;
            if (print)
            {
                print->trigger();
            }
            previewResult = preview.result();
            return previewResult;
        });
    PrintToPdf(pdf,
               [&](QPrintDialog& dialog)
               {
                   runningInPrinterDialog = PrintRunning(0);
                   // The dialog proposes a PDF named after the file, not its path.
                   EXPECT_EQ(dialog.printer()->docName(), "radio.dmp");
                   expectedPages =
                       view.GetPrintJob().GetPageCount(CPagePainter::GeometryOf(*dialog.printer()));
                   EXPECT_EQ(dialog.maxPage(), expectedPages);
               });
    ASSERT_TRUE(view.PrintReport(Path("radio.dmp")));

    EXPECT_TRUE(runningInPrinterDialog);
    EXPECT_EQ(previewResult, QDialog::Accepted) << "printing closes the preview";
    const PdfFile file = PdfFile::Read(pdf);
    EXPECT_TRUE(file.m_bComplete);
    EXPECT_GT(expectedPages, 1);
    EXPECT_EQ(file.m_nPageObjects, expectedPages);
    EXPECT_EQ(file.m_nPageTreeCount, expectedPages);
    EXPECT_EQ(view.GetPrintJob().GetTitle(), Path("radio.dmp"));
    EXPECT_EQ(view.GetPrintJob().GetCapacityLabel(), "320Ch");
    EXPECT_EQ(m_host.m_nPrintsEnded, 1);
    EXPECT_TRUE(m_ui.Texts().empty());
}

TEST_F(PrintViewTest, StandardPrintCommandsUseTheModeOfTheLastPrintCommand)
{
    CVesk4View& view = ModelFormWith(ImageWithChannels(10));
    enum Command
    {
        None,
        Report,
        HexDump,
        Print,
        Preview
    };
    const auto run = [&view](Command command)
    {
        return command == Report    ? view.PrintReport("t")
               : command == HexDump ? view.PrintHexDump("t")
               : command == Print   ? view.OnFilePrint("t")
                                    : view.OnFilePrintPreview("t");
    };
    // Before any print command: the hex dump, then the report once chosen.
    const struct
    {
        Command printCommand;
        Command command;
        PrintMode mode;
    } cases[] = {
        {None, Print, PrintMode::HexDump},
        {Report, Print, PrintMode::Report},
        {HexDump, Print, PrintMode::HexDump},
        {Report, Preview, PrintMode::Report},
    };
    int n = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.command * 10 + c.printCommand);
        if (c.printCommand != None)
        {
            ASSERT_TRUE(run(c.printCommand)); // its preview is closed
        }
        const int ended = m_host.m_nPrintsEnded;
        bool running = false;
        int expectedPages = 0;
        const QString pdf =
            QString::fromStdString(Path(("out" + std::to_string(++n) + ".pdf").c_str()));
        if (c.command == Preview)
        {
            WithPreview([&](QPrintPreviewDialog&) { running = PrintRunning(ended); });
        }
        else
        {
            PrintToPdf(pdf,
                       [&](QPrintDialog& dialog)
                       {
                           running = PrintRunning(ended);
                           expectedPages = view.GetPrintJob().GetPageCount(
                               CPagePainter::GeometryOf(*dialog.printer()));
                       });
        }
        m_ui.m_records.clear();
        ASSERT_TRUE(run(c.command));
        ASSERT_EQ(m_ui.m_records.size(), 1u);
        EXPECT_EQ(view.GetPrintJob().GetMode(), c.mode);
        EXPECT_TRUE(running);
        EXPECT_EQ(m_host.m_nPrintsEnded, ended + 1);
        if (c.command != Preview)
        {
            EXPECT_EQ(PdfFile::Read(pdf).m_nPageObjects, expectedPages);
        }
    }
}

TEST_F(PrintViewTest, APrinterThatCannotTakeThePagesIsReported)
{
    CVesk4View& view = ModelForm();
    PrintToPdf(QString::fromStdString(Path("no/such/folder/out.pdf")));
    ASSERT_TRUE(view.OnFilePrint("t"));
    EXPECT_EQ(m_ui.CountOf(ViewText::kPrintFailed), 1);
    EXPECT_EQ(m_host.m_nPrintsEnded, 1);
}

TEST_F(PrintViewTest, CancellingThePrinterDialogPrintsNothing)
{
    CVesk4View& view = ModelForm();
    ASSERT_TRUE(view.OnFilePrint("t")); // no script: the dialog is cancelled
    ASSERT_EQ(m_ui.m_records.size(), 1u);
    EXPECT_TRUE(m_ui.Texts().empty());
    EXPECT_EQ(m_host.m_nPrintsEnded, 1);
    EXPECT_EQ(view.GetPageCount(), 0) << "no page was drawn";
}
