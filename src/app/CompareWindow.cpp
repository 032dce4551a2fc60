// The compare window.

// own
#include "app/CompareWindow.h"
#include "app/AppTexts.h"
#include "app/PlanCompareTexts.h"

// ui
#include "ui/CommandIds.h"
#include "ui/PagePainter.h"
#include "ui/UiServices.h"

// print
#include "print/PrintJob.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

// std
#include <algorithm>

using namespace PlanCompareText;

CCompareWindow::CCompareWindow(IUiServices& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ui(ui), m_pSummary(new QLabel(this)),
      m_pTable(new QTableView(this)), m_pRows(new QStandardItemModel(0, 4, this)),
      m_pCopy(new QPushButton(QString::fromLatin1(kCopy), this)),
      m_pPrint(new QPushButton(QString::fromLatin1(kPrint), this)),
      m_pClose(new QPushButton(QString::fromLatin1(kClose), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(kCompareTitle));
    resize(820, 520);
    // Each cell sorts by a key that keeps the image order within equal
    // texts, so that "ch 10" follows "ch 9" and a sort by form keeps the
    // fields of one form in the order of the form.
    m_pRows->setSortRole(Qt::UserRole);
    m_pTable->setModel(m_pRows);
    m_pTable->setSortingEnabled(true);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->setVisible(false);
    m_pTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->setAccessibleName(QString::fromLatin1(kTableName));
    m_pSummary->setTextFormat(Qt::PlainText);
    m_pSummary->setAccessibleName(m_pSummary->text());

    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copy);
    connect(copy, &QAction::triggered, this, [this] { CopySelection(); });
    connect(m_pCopy, &QPushButton::clicked, this, [this] { CopySelection(); });
    connect(m_pPrint, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(m_pClose, &QPushButton::clicked, this, [this] { close(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_pCopy, m_pPrint, m_pClose})
    {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pSummary);
    layout->addWidget(m_pTable, 1);
    layout->addLayout(buttons);
}

QString CCompareWindow::FormName(DiffForm form)
{
    int view = VIEW_MANUAL;
    switch (form)
    {
    case DiffForm::Model:
        view = VIEW_MODEL;
        break;
    case DiffForm::Channel:
        view = VIEW_CHANNEL;
        break;
    case DiffForm::TwoTone:
        view = VIEW_2TONE;
        break;
    case DiffForm::Option:
        view = VIEW_OPTION;
        break;
    case DiffForm::Adjust:
        view = VIEW_ADJUST;
        break;
    case DiffForm::Manual:
        break;
    }
    return QString::fromLatin1(AppText::kFormNames[view]);
}

void CCompareWindow::ShowDiff(const CImageDiff& diff, const Side& first, const Side& second)
{
    const QString& firstName = first.name;
    const QString& secondName = second.name;
    m_pTable->setSortingEnabled(false);
    m_pRows->removeRows(0, m_pRows->rowCount());
    m_pRows->setHorizontalHeaderLabels({QString::fromLatin1(kFormHeading),
                                        QString::fromLatin1(kFieldHeading), first.heading,
                                        second.heading});
    const std::vector<DiffEntry>& entries = diff.GetEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        const DiffEntry& entry = entries[i];
        const QString order = QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0'));
        const auto cell = [&order](const QString& text, const QString& key)
        {
            auto* item = new QStandardItem(text);
            item->setData(key + QLatin1Char('\x1F') + order, Qt::UserRole);
            return item;
        };
        const QString form = FormName(entry.form);
        const QString a = QString::fromStdString(entry.first);
        const QString b = QString::fromStdString(entry.second);
        m_pRows->appendRow({cell(form, form), cell(QString::fromStdString(entry.field), QString()),
                            cell(a, a), cell(b, b)});
    }
    // Image order (the field column's key) until the user picks a column.
    m_pTable->horizontalHeader()->setSortIndicator(kColumnField, Qt::AscendingOrder);
    m_pTable->setSortingEnabled(true);
    m_pTable->resizeColumnsToContents();
    m_pSummary->setText(
        entries.empty()
            ? QString::fromLatin1(kNoDifferences)
            : QString::fromLatin1(kSummary).arg(entries.size()).arg(firstName, secondName));
    m_pSummary->setAccessibleName(m_pSummary->text());
    m_pCopy->setEnabled(!entries.empty());
    // Either side's name on a printed page says what was compared.
    setWindowTitle(QString::fromLatin1(kCompareTitle) + QStringLiteral(": ") + firstName +
                   QStringLiteral(" / ") + secondName);
}

QString CCompareWindow::RowText(int row, const QString& separator) const
{
    QStringList cells;
    for (int column = 0; column < m_pRows->columnCount(); ++column)
    {
        cells << m_pRows->item(row, column)->text();
    }
    return cells.join(separator);
}

QString CCompareWindow::SelectedText() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_pTable->selectionModel()->selectedRows())
    {
        rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    QString text;
    for (const int row : rows)
    {
        text += RowText(row, QStringLiteral("\t")) + QLatin1Char('\n');
    }
    return text;
}

void CCompareWindow::CopySelection()
{
    const QString text = SelectedText();
    if (!text.isEmpty())
    {
        QApplication::clipboard()->setText(text);
    }
}

std::vector<std::string> CCompareWindow::PrintLines() const
{
    // The pages are drawn in a fixed-pitch font: columns of blanks line up.
    std::size_t formWidth = std::string(kFormHeading).size();
    std::size_t fieldWidth = std::string(kFieldHeading).size();
    for (int row = 0; row < m_pRows->rowCount(); ++row)
    {
        formWidth =
            std::max<std::size_t>(formWidth, m_pRows->item(row, kColumnForm)->text().size());
        fieldWidth =
            std::max<std::size_t>(fieldWidth, m_pRows->item(row, kColumnField)->text().size());
    }
    const auto line =
        [&](const QString& form, const QString& field, const QString& first, const QString& second)
    {
        return (form.leftJustified(static_cast<int>(formWidth + 2)) +
                field.leftJustified(static_cast<int>(fieldWidth + 2)) + first +
                QString::fromLatin1(kPrintArrow) + second)
            .toLatin1()
            .toStdString();
    };
    std::vector<std::string> lines;
    lines.push_back(m_pSummary->text().toLatin1().toStdString());
    lines.emplace_back();
    if (m_pRows->rowCount() > 0)
    {
        lines.push_back(line(QString::fromLatin1(kFormHeading), QString::fromLatin1(kFieldHeading),
                             m_pRows->horizontalHeaderItem(kColumnFirst)->text(),
                             m_pRows->horizontalHeaderItem(kColumnSecond)->text()));
    }
    for (int row = 0; row < m_pRows->rowCount(); ++row)
    {
        lines.push_back(line(
            m_pRows->item(row, kColumnForm)->text(), m_pRows->item(row, kColumnField)->text(),
            m_pRows->item(row, kColumnFirst)->text(), m_pRows->item(row, kColumnSecond)->text()));
    }
    return lines;
}

void CCompareWindow::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (m_ui.RunDialog(dialog) != QDialog::Accepted)
    {
        return;
    }
    if (!PrintTo(printer))
    {
        m_ui.ShowMessage(kPrintFailed, MessageIcon::Warning);
    }
}

bool CCompareWindow::PrintTo(QPrinter& printer) const
{
    CPrintJob job;
    job.StartListing(windowTitle().toLatin1().toStdString(), PrintLines());
    int pages = 0;
    return CPagePainter::PaintJob(printer, job, {}, pages);
}
