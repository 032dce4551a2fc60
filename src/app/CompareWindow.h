// The differences between the configuration in the window and a dump file or
// the radio, by form and field as vesk4-cli diff lists them: a table the user
// sorts by any column, copies rows of (tab-separated, for a spreadsheet) and
// prints through the listing pages of the print layer.
#pragma once

// model
#include "model/ImageDiff.h"

// Qt
#include <QString>
#include <QWidget>

// std
#include <string>
#include <vector>

class IUiServices;
class QLabel;
class QPrinter;
class QPushButton;
class QStandardItemModel;
class QTableView;

class CCompareWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kColumnForm = 0;
    static constexpr int kColumnField = 1;
    static constexpr int kColumnFirst = 2;
    static constexpr int kColumnSecond = 3;

    // A window of its own, deleted when closed.
    CCompareWindow(IUiServices& ui, QWidget* parent);

    // Fills the table from `diff`: what `first` holds against what `second`
    // holds (as the summary names them; the headings of their columns), in
    // image order until the user sorts.
    struct Side
    {
        QString name;
        QString heading;
    };
    void ShowDiff(const CImageDiff& diff, const Side& first, const Side& second);

    // The form that edits a field of `form`, as the Edit menu names it.
    static QString FormName(DiffForm form);

    // The selected rows in the order shown, one line each, the columns
    // separated by tabs.
    QString SelectedText() const;
    // Puts SelectedText on the clipboard (Copy, Ctrl+C).
    void CopySelection();
    // Every row in the order shown, in columns, as the pages print them.
    std::vector<std::string> PrintLines() const;
    // The printer dialog, then the pages.
    void OnPrint();
    // Draws the pages on `printer`; false when the printer failed.
    [[nodiscard]] bool PrintTo(QPrinter& printer) const;

    QTableView* Table() const { return m_pTable; }
    QStandardItemModel* Rows() const { return m_pRows; }
    QLabel* Summary() const { return m_pSummary; }
    QPushButton* CopyButton() const { return m_pCopy; }
    QPushButton* PrintButton() const { return m_pPrint; }

private:
    QString RowText(int row, const QString& separator) const;

    IUiServices& m_ui;
    QLabel* m_pSummary;
    QTableView* m_pTable;
    QStandardItemModel* m_pRows;
    QPushButton* m_pCopy;
    QPushButton* m_pPrint;
    QPushButton* m_pClose;
};
