// Printing from a form: what the pages show and where, the snapshot each print
// start takes, the preview and its Print button, the printer dialog and the
// standard print commands, and the busy flag across all of them.

// own (shared fixtures of the shell and print tests)
#include "AppFixture.h"
#include "PdfFile.h"
#include "PrintTestSupport.h"

// views
#include "ui/PagePainter.h"
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

class PrintViewTest : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        Start();
    }

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

    // The active form shows `image` (the Model form writes only its own fields
    // back at a print command, so the channels stay).
    CVesk4View& ActiveFormWith(const CRadioImage& image)
    {
        Frame().m_sharedImage = image;
        CVesk4View* view = Frame().ActiveView();
        EXPECT_NE(view, nullptr);
        view->LoadFromImage(image);
        return *view;
    }

    std::vector<std::pair<int, bool>> Enabling()
    {
        std::vector<std::pair<int, bool>> states;
        for (const int id : {ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_CLEAR, ID_FILE_DIRECTORY,
                             ID_PRINT_TEXT, ID_PRINT_HEXDUMP, ID_FILE_PRINT, ID_FILE_PRINT_DIRECT,
                             ID_FILE_PRINT_PREVIEW, ID_VIEW_MODEL, ID_VIEW_CONNECT, ID_VIEW_CHANNEL,
                             ID_COMPORT_SET, ID_HELP_TOPICS, ID_APP_ABOUT, ID_APP_EXIT})
        {
            states.emplace_back(id, Enabled(id));
        }
        return states;
    }
};

TEST_F(PrintViewTest, ReportPagesPutTitleLinesAndPageNumberWhereTheGeometrySays)
{
    PrintableForm form(*m_app, VIEW_MANUAL, nullptr);
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
    PrintableForm form(*m_app, VIEW_MANUAL, nullptr);
    form.LoadFromImage(image);
    m_app->m_nChannelCode = 2;
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
    PrintableForm form(*m_app, VIEW_MANUAL, nullptr);
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
        PrintableForm form(*m_app, VIEW_MANUAL, nullptr);
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

TEST_F(PrintViewTest, ThePreviewShowsTheJobsPagesAndHoldsTheBusyFlag)
{
    m_app->m_nChannelMode = 1;
    ChooseModel(5);
    CVesk4View& view = ActiveFormWith(ImageWithChannels(200));
    const auto idle = Enabling();
    int previewPages = -1;
    int jobPages = -2;
    bool busy = false;
    std::vector<std::pair<int, bool>> during;
    WithPreview(
        [&](QPrintPreviewDialog& preview)
        {
            busy = m_app->m_bPrintBusy == 1;
            during = Enabling();
            auto* widget = preview.findChild<QPrintPreviewWidget*>();
            ASSERT_NE(widget, nullptr);
            widget->updatePreview();
            previewPages = widget->pageCount();
            jobPages =
                view.GetPrintJob().GetPageCount(CPagePainter::GeometryOf(*preview.printer()));
        });
    Frame().GetCommand(ID_PRINT_TEXT)->trigger();

    EXPECT_EQ(view.GetPrintJob().GetReport().GetChannelsListed(), 200);
    EXPECT_GT(previewPages, 1);
    EXPECT_EQ(previewPages, jobPages);
    EXPECT_TRUE(busy);
    for (const auto& [id, enabled] : during)
    {
        const bool always =
            id == ID_COMPORT_SET || id == ID_HELP_TOPICS || id == ID_APP_ABOUT || id == ID_APP_EXIT;
        EXPECT_EQ(enabled, always) << id;
    }
    EXPECT_EQ(m_app->m_bPrintBusy, 0);
    EXPECT_EQ(Enabling(), idle);
}

TEST_F(PrintViewTest, ThePreviewsPrintButtonPrintsThroughThePrinterDialog)
{
    ChooseModel(5);
    CVesk4View& view = ActiveFormWith(ImageWithChannels(40));
    Frame().m_strFilePath = Path("radio.dmp");
    const QString pdf = QString::fromStdString(Path("report.pdf"));
    int expectedPages = 0;
    bool busyInPrinterDialog = false;
    int previewResult = -1;
    m_ui.m_dialogScripts.push_back(
        [&](QDialog& preview)
        {
            QAction* print = PreviewPrintAction(preview);
            EXPECT_NE(print, nullptr);
            // The capacity may change while the preview is open; the print
            // job that starts now labels its pages anew.
            m_app->m_nChannelCode = 2;
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
                   busyInPrinterDialog = m_app->m_bPrintBusy == 1;
                   // The dialog proposes a PDF named after the file, not its path.
                   EXPECT_EQ(dialog.printer()->docName(), "radio.dmp");
                   expectedPages =
                       view.GetPrintJob().GetPageCount(CPagePainter::GeometryOf(*dialog.printer()));
                   EXPECT_EQ(dialog.maxPage(), expectedPages);
               });
    Frame().GetCommand(ID_PRINT_TEXT)->trigger();

    EXPECT_TRUE(busyInPrinterDialog);
    EXPECT_EQ(previewResult, QDialog::Accepted) << "printing closes the preview";
    const PdfFile file = PdfFile::Read(pdf);
    EXPECT_TRUE(file.m_bComplete);
    EXPECT_GT(expectedPages, 1);
    EXPECT_EQ(file.m_nPageObjects, expectedPages);
    EXPECT_EQ(file.m_nPageTreeCount, expectedPages);
    EXPECT_EQ(view.GetPrintJob().GetTitle(), Path("radio.dmp"));
    EXPECT_EQ(view.GetPrintJob().GetCapacityLabel(), "320Ch");
    EXPECT_EQ(m_app->m_bPrintBusy, 0);
    EXPECT_TRUE(m_ui.Texts().empty());
}

TEST_F(PrintViewTest, StandardPrintCommandsUseTheModeOfTheLastPrintCommand)
{
    ChooseModel(5);
    CVesk4View& view = ActiveFormWith(ImageWithChannels(10));
    EXPECT_EQ(Frame().GetCommand(ID_FILE_PRINT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    // Before any print command: the hex dump, then the report once chosen.
    const struct
    {
        int printCommand; // 0: none before
        int id;
        PrintMode mode;
    } cases[] = {
        {0, ID_FILE_PRINT, PrintMode::HexDump},
        {ID_PRINT_TEXT, ID_FILE_PRINT_DIRECT, PrintMode::Report},
        {ID_PRINT_HEXDUMP, ID_FILE_PRINT, PrintMode::HexDump},
        {ID_PRINT_TEXT, ID_FILE_PRINT_PREVIEW, PrintMode::Report},
    };
    int n = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.id);
        if (c.printCommand != 0)
        {
            Frame().GetCommand(c.printCommand)->trigger(); // its preview is closed
        }
        bool busy = false;
        int expectedPages = 0;
        const QString pdf =
            QString::fromStdString(Path(("out" + std::to_string(++n) + ".pdf").c_str()));
        if (c.id == ID_FILE_PRINT_PREVIEW)
        {
            WithPreview([&](QPrintPreviewDialog&) { busy = m_app->m_bPrintBusy == 1; });
        }
        else
        {
            PrintToPdf(pdf,
                       [&](QPrintDialog& dialog)
                       {
                           busy = m_app->m_bPrintBusy == 1;
                           expectedPages = view.GetPrintJob().GetPageCount(
                               CPagePainter::GeometryOf(*dialog.printer()));
                       });
        }
        m_ui.m_records.clear();
        Frame().GetCommand(c.id)->trigger();
        ASSERT_EQ(m_ui.m_records.size(), 1u);
        EXPECT_EQ(view.GetPrintJob().GetMode(), c.mode);
        EXPECT_TRUE(busy);
        EXPECT_EQ(m_app->m_bPrintBusy, 0);
        if (c.id != ID_FILE_PRINT_PREVIEW)
        {
            EXPECT_EQ(PdfFile::Read(pdf).m_nPageObjects, expectedPages);
        }
    }
}

TEST_F(PrintViewTest, APrinterThatCannotTakeThePagesIsReported)
{
    ChooseModel(5);
    PrintToPdf(QString::fromStdString(Path("no/such/folder/out.pdf")));
    Frame().GetCommand(ID_FILE_PRINT)->trigger();
    EXPECT_EQ(m_ui.CountOf(ViewText::kPrintFailed), 1);
    EXPECT_EQ(m_app->m_bPrintBusy, 0);
}

TEST_F(PrintViewTest, CancellingThePrinterDialogPrintsNothing)
{
    ChooseModel(5);
    Frame().GetCommand(ID_FILE_PRINT)->trigger(); // no script: the dialog is cancelled
    ASSERT_EQ(m_ui.m_records.size(), 1u);
    EXPECT_TRUE(m_ui.Texts().empty());
    EXPECT_EQ(m_app->m_bPrintBusy, 0);
    EXPECT_EQ(Frame().ActiveView()->GetPageCount(), 0) << "no page was drawn";
}
