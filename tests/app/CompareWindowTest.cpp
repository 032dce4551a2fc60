// File > Compare with File: the window lists what vesk4-cli diff lists, by
// form and field, sorts, copies selected rows as tab-separated text, prints
// through the listing pages, and says "no differences" when there are none.

// own (and tests/common: PdfFile.h)
#include "CompareRows.h"
#include "PdfFile.h"
#include "PlanFixture.h"

// app
#include "app/CompareCommands.h"
#include "app/PrintPdfCommand.h"

// Qt
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
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
    const std::vector<std::vector<std::string>> rows = CompareRows(*window);
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
    {
        const std::vector<std::string>& cell = rows[row];
        EXPECT_EQ(cell[CCompareWindow::kColumnField] + " " + cell[CCompareWindow::kColumnFirst] +
                      " \xE2\x86\x92 " + cell[CCompareWindow::kColumnSecond],
                  expected[row]);
        // Bytes no field shows (a word behind an unused side) are the Manual form's.
        const bool byte = cell[CCompareWindow::kColumnField].rfind("address ", 0) == 0;
        EXPECT_EQ(cell[CCompareWindow::kColumnForm], byte ? "Manual" : "Channel");
    }
    EXPECT_EQ(window->Summary()->text().toStdString(),
              std::to_string(expected.size()) + " difference(s) between the window and full.dmp.");

    // Sorted by the second side's values and back to image order by field.
    window->Table()->sortByColumn(CCompareWindow::kColumnSecond, Qt::AscendingOrder);
    const auto bySecond = [](const std::vector<std::string>& a, const std::vector<std::string>& b)
    {
        return QString::fromStdString(a[CCompareWindow::kColumnSecond]) <
               QString::fromStdString(b[CCompareWindow::kColumnSecond]);
    };
    const std::vector<std::vector<std::string>> sorted = CompareRows(*window);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), bySecond));
    window->Table()->sortByColumn(CCompareWindow::kColumnField, Qt::DescendingOrder);
    EXPECT_EQ(CompareRows(*window), std::vector(rows.rbegin(), rows.rend()));
    window->Table()->sortByColumn(CCompareWindow::kColumnField, Qt::AscendingOrder);

    // Two rows selected apart copy as two tab-separated lines, in table order.
    window->Table()->selectRow(2);
    window->Table()->selectionModel()->select(
        window->Rows()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const std::string row0 = rows[0][0] + "\t" + rows[0][1] + "\t" + rows[0][2] + "\t" + rows[0][3];
    EXPECT_TRUE(window->SelectedText().startsWith(QString::fromStdString(row0 + "\n")));
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
