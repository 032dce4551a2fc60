// File > Compare with File: the window lists what vesk4-cli diff lists, by
// form and field, sorts, copies selected rows as tab-separated text, prints
// through the listing pages, and says "no differences" when there are none.

// own (and tests/common: PdfFile.h)
#include "PdfFile.h"
#include "PlanFixture.h"

// app
#include "app/CompareCommands.h"
#include "app/CompareWindow.h"
#include "app/PrintPdfCommand.h"

// Qt
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

class CompareWindowTest : public PlanFixture
{
protected:
    CCompareWindow* CompareWith(const std::string& path)
    {
        m_ui.m_files.push_back(path);
        Frame().GetCommand(ID_COMPARE_FILE)->trigger();
        return Frame().CompareCommands().LastWindow();
    }

    static std::vector<std::string> Column(CCompareWindow* window, int column)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < window->Rows()->rowCount(); ++row)
        {
            texts.push_back(window->Rows()->item(row, column)->text().toStdString());
        }
        return texts;
    }
};

TEST_F(CompareWindowTest, ListsWhatDiffListsAndSortsCopiesAndPrintsIt)
{
    StartWithNewPlan();
    ProgramRun run;
    run.program = VESK4_CLI;
    run.args = {"diff", Path("base.dmp"), Path("full.dmp")};
    run.outPath = Path("diff.txt");
    const std::vector<std::string> expected = Lines(RunProgram(run).out);

    CCompareWindow* window = CompareWith(Path("full.dmp"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(window->Rows()->rowCount(), static_cast<int>(expected.size()));
    for (int row = 0; row < window->Rows()->rowCount(); ++row)
    {
        const auto cell = [&](int column)
        { return window->Rows()->item(row, column)->text().toStdString(); };
        EXPECT_EQ(cell(CCompareWindow::kColumnField) + " " + cell(CCompareWindow::kColumnFirst) +
                      " \xE2\x86\x92 " + cell(CCompareWindow::kColumnSecond),
                  expected[static_cast<std::size_t>(row)]);
        // Bytes no field shows (a word behind an unused side) are the Manual form's.
        const bool byte = cell(CCompareWindow::kColumnField).rfind("address ", 0) == 0;
        EXPECT_EQ(cell(CCompareWindow::kColumnForm), byte ? "Manual" : "Channel");
    }
    EXPECT_EQ(window->Summary()->text().toStdString(),
              std::to_string(expected.size()) + " difference(s) between the window and full.dmp.");

    // Sorted by the second side's values and back to image order by field.
    const std::vector<std::string> fields = Column(window, CCompareWindow::kColumnField);
    window->Table()->sortByColumn(CCompareWindow::kColumnSecond, Qt::AscendingOrder);
    std::vector<std::string> values = Column(window, CCompareWindow::kColumnSecond);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end(),
                               [](const std::string& a, const std::string& b)
                               { return QString::fromStdString(a) < QString::fromStdString(b); }));
    window->Table()->sortByColumn(CCompareWindow::kColumnField, Qt::DescendingOrder);
    std::vector<std::string> reversed = Column(window, CCompareWindow::kColumnField);
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(reversed, fields);
    window->Table()->sortByColumn(CCompareWindow::kColumnField, Qt::AscendingOrder);

    // Two rows selected apart copy as two tab-separated lines, in table order.
    window->Table()->selectRow(2);
    window->Table()->selectionModel()->select(
        window->Rows()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString row0 =
        QStringLiteral("Channel\t%1\t%2\t%3\n")
            .arg(window->Rows()->item(0, 1)->text(), window->Rows()->item(0, 2)->text(),
                 window->Rows()->item(0, 3)->text());
    EXPECT_TRUE(window->SelectedText().startsWith(row0));
    EXPECT_EQ(window->SelectedText().count(QLatin1Char('\n')), 2);
    window->CopyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text(), window->SelectedText());

    // Every row on the pages: a heading line and the summary above them.
    EXPECT_EQ(window->PrintLines().size(), expected.size() + 3);
    QPrinter printer(QPrinter::HighResolution);
    CPrintPdfCommand::SetUpPrinter(printer, Path("diff.pdf"));
    ASSERT_TRUE(window->PrintTo(printer));
    const PdfFile pdf = PdfFile::Read(QString::fromStdString(Path("diff.pdf")));
    EXPECT_TRUE(pdf.m_bComplete);
    EXPECT_GE(pdf.m_nPageObjects, 1);
}

TEST_F(CompareWindowTest, AFileLikeTheWindowHasNoDifferences)
{
    StartWithNewPlan();
    CCompareWindow* window = CompareWith(Path("base.dmp"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Rows()->rowCount(), 0);
    EXPECT_EQ(window->Summary()->text().toStdString(), "no differences");

    // A file that cannot be read opens no window and says why, as Open does.
    window->close();
    QApplication::processEvents();
    EXPECT_EQ(CompareWith(Path("missing.dmp")), nullptr);
    EXPECT_EQ(m_ui.Texts().back(),
              "The file " + Path("missing.dmp") + " could not be opened: it does not exist.");
}
