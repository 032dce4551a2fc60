// The Channel List form.

// own
#include "views/ChannelListView.h"
#include "views/ChannelListTexts.h"
#include "views/ChannelTableModel.h"

// ui
#include "ui/ChoiceDelegate.h"
#include "ui/CommandIds.h"
#include "ui/FormRows.h"
#include "ui/UiServices.h"

// model
#include "model/ChannelClipboard.h"
#include "model/ChannelNames.h"
#include "model/ChannelTexts.h"
#include "model/TextReaders.h"

// Qt
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

// std
#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

namespace
{
QString Latin1(const char* text)
{
    return QString::fromLatin1(text);
}

std::string Step(const char* format, int count)
{
    QString text = Latin1(format).arg(count);
    if (count == 1)
    {
        text.replace(QStringLiteral(" channels"), QStringLiteral(" channel"));
    }
    return text.toStdString();
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The grid's table: Enter takes a typed entry and goes one row down, and on a
// cell not being edited only goes down, as a spreadsheet does.
class CGridTable : public QTableView
{
public:
    using QTableView::QTableView;

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        QTableView::closeEditor(editor, hint);
        // A refused entry keeps the cell, so that it can be put right.
        const auto* table = dynamic_cast<const CChannelTableModel*>(model());
        if (hint == QAbstractItemDelegate::SubmitModelCache &&
            (table == nullptr || table->MarkedCell() != currentIndex()))
        {
            MoveDown();
        }
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && state() != EditingState && event->modifiers() == Qt::NoModifier)
        {
            MoveDown();
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    void MoveDown()
    {
        const QModelIndex current = currentIndex();
        const QModelIndex below = current.sibling(current.row() + 1, current.column());
        if (below.isValid())
        {
            setCurrentIndex(below);
        }
    }
};

// A name and the number it ends in ("GATE 12": "GATE ", 12); -1 without one.
void SplitNumbered(const std::string& name, std::string& prefixOut, long& numberOut)
{
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])) != 0)
    {
        --digits;
    }
    prefixOut = name.substr(0, digits);
    numberOut =
        digits < name.size() && name.size() - digits < 9 ? std::stol(name.substr(digits)) : -1;
}

// Writes each cell of `cells` (channel, field, text) in order; at the first
// the checks refuse, stops and gives the refusal as the user is told it.
QString SetCells(CRadioImage& image, const CChannelRules& rules,
                 const std::vector<std::tuple<int, GridColumn, std::string>>& cells)
{
    for (const auto& [n, field, text] : cells)
    {
        std::string reason;
        if (!ChannelGrid::SetCell(image, rules, n, field, text, reason))
        {
            return Latin1(ChannelListText::kFillRefused)
                .arg(n)
                .arg(Latin1(ChannelGrid::Title(field)), QString::fromStdString(reason));
        }
    }
    return {};
}
} // namespace

CChannelListView::CChannelListView(IViewHost& host, QWidget* parent)
    : CVesk4View(host, VIEW_CHANNEL_LIST, parent), m_pModel(new CChannelTableModel(m_image, this)),
      m_pTable(new CGridTable(this)), m_pGroups(new QTableWidget(this)),
      m_pStatus(new QLabel(Latin1(ChannelListText::kReady), this)),
      m_readClipboard([] { return QGuiApplication::clipboard()->text().toStdString(); }),
      m_writeClipboard([](const std::string& text)
                       { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); })
{
    m_pTable->setModel(m_pModel);
    m_pTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_pTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    m_pTable->setTabKeyNavigation(true);
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    // Every cell of a column is about as wide as the next; measuring the
    // first rows is enough and keeps opening a full radio quick.
    m_pTable->horizontalHeader()->setResizeContentsPrecision(32);
    m_pTable->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (int column = CChannelTableModel::kFirstFieldColumn; column < m_pModel->columnCount();
         ++column)
    {
        const std::vector<std::string> choices =
            ChannelGrid::Choices(CChannelTableModel::FieldOf(column));
        if (choices.empty())
        {
            continue;
        }
        QStringList texts;
        for (const std::string& choice : choices)
        {
            texts << QString::fromStdString(choice);
        }
        m_pTable->setItemDelegateForColumn(column, new CChoiceDelegate(texts, m_pTable));
    }
    CFormRows::Name(m_pTable, Latin1(ChannelListText::kChannelTable));

    m_pGroups->setColumnCount(1);
    m_pGroups->setHorizontalHeaderLabels({Latin1(ChannelListText::kGroupNames)});
    m_pGroups->horizontalHeader()->setStretchLastSection(true);
    m_pGroups->setFixedWidth(120);
    CFormRows::Name(m_pGroups, Latin1(ChannelListText::kGroupNames));
    m_pStatus->setWordWrap(true);

    using namespace ChannelListText;
    AddAction(kCopy, QKeySequence::Copy, [this] { OnCopy(); });
    AddAction(kCut, QKeySequence::Cut, [this] { OnCut(); });
    AddAction(kPaste, QKeySequence::Paste, [this] { OnPaste(); });
    AddAction(kEmpty, QKeySequence::Delete, [this] { OnEmpty(); });
    AddAction(kFillDown, QKeySequence(Qt::CTRL | Qt::Key_D), [this] { OnFillDown(); });
    AddAction(kFillSeries, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
              [this] { OnFillSeries(); });
    AddAction(kInsert, QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { OnInsert(); });
    AddAction(kRemove, QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { OnRemove(); });
    AddAction(kMoveUp, QKeySequence(Qt::ALT | Qt::Key_Up), [this] { OnMove(-1); });
    AddAction(kMoveDown, QKeySequence(Qt::ALT | Qt::Key_Down), [this] { OnMove(1); });
    AddAction(kSortFrequency, {}, [this] { OnSort(ChannelEdits::SortKey::RxFrequency); });
    AddAction(kSortName, {}, [this] { OnSort(ChannelEdits::SortKey::Name); });
    AddAction(kSortScanGroup, {}, [this] { OnSort(ChannelEdits::SortKey::ScanGroup); });
    AddAction(kFind, QKeySequence::Find, [this] { OnFind(); });
    AddAction(kFindNext, QKeySequence::FindNext, [this] { OnFindNext(); });

    connect(m_pModel, &CChannelTableModel::CellEdited, this,
            [this](int n, int column)
            {
                m_pStatus->setText(Latin1(ChannelListText::kReady));
                Host().OnFormEdited(
                    GetViewIndex(),
                    Latin1(ChannelListText::kEditCell)
                        .arg(n)
                        .arg(Latin1(ChannelGrid::Title(CChannelTableModel::FieldOf(column))))
                        .toStdString());
            });
    connect(m_pModel, &CChannelTableModel::CellRefused, this,
            [this](int n, int column, const QString& reason) { ShowRefusal(n, column, reason); });
    connect(m_pGroups, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { OnGroupNameEdited(item); });
    BuildLayout();
}

QAction* CChannelListView::AddAction(const char* text, const QKeySequence& key,
                                     std::function<void()> run)
{
    auto* action = new QAction(Latin1(text), m_pTable);
    action->setShortcut(key);
    // The keys belong to the grid: in the group names and in a cell being
    // edited they keep their usual meaning.
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    m_pTable->addAction(action);
    return action;
}

void CChannelListView::BuildLayout()
{
    auto* side = new QVBoxLayout;
    side->addWidget(m_pGroups, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(m_pTable, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top, 1);
    layout->addWidget(m_pStatus);
}

void CChannelListView::SetClipboardForTest(std::function<std::string()> read,
                                           std::function<void(const std::string&)> write)
{
    m_readClipboard = std::move(read);
    m_writeClipboard = std::move(write);
}

void CChannelListView::RefreshForm()
{
    m_pModel->Reload(Host().GetChannelMode());
    m_pTable->resizeColumnsToContents();
    // Room for the longest name, so that a name being typed never scrolls.
    m_pTable->setColumnWidth(
        CChannelTableModel::ColumnOf(GridColumn::Name),
        m_pTable->fontMetrics().horizontalAdvance(QString(kNameLength, QLatin1Char('N'))) + 12);
    FillGroupNames();
    m_pStatus->setText(Latin1(m_pModel->Rules().HasModel() ? ChannelListText::kReady
                                                           : ChannelTexts::kModelNotChosen));
}

void CChannelListView::FillGroupNames()
{
    m_bFillingGroups = true;
    const int count = m_pModel->Groups().GetGroupCount();
    m_pGroups->setRowCount(count);
    for (int g = 1; g <= count; ++g)
    {
        std::string name;
        (void)m_image.GetGroupName(g - 1, name);
        auto* item = new QTableWidgetItem(QString::fromStdString(NameForDisplay(name)));
        m_pGroups->setItem(g - 1, 0, item);
    }
    m_bFillingGroups = false;
}

void CChannelListView::OnGroupNameEdited(QTableWidgetItem* item)
{
    if (m_bFillingGroups)
    {
        return;
    }
    const int g = item->row() + 1;
    std::string name;
    if (!NormaliseName(item->text().toStdString(), name) ||
        !Apply(Latin1(ChannelListText::kEditGroupName).arg(g).toStdString(),
               [&](CRadioImage& image) { return image.SetGroupName(g - 1, NameForImage(name)); }))
    {
        m_pStatus->setText(Latin1(ChannelTexts::kGroupNameError));
        Ui().ShowMessage(ChannelTexts::kGroupNameError, MessageIcon::Warning);
    }
    FillGroupNames();
}

bool CChannelListView::Apply(const std::string& name, const std::function<bool(CRadioImage&)>& edit)
{
    CRadioImage edited = m_image;
    if (!edit(edited))
    {
        return false;
    }
    m_image = edited;
    m_pModel->ReloadChannels(1, m_pModel->Capacity());
    m_pStatus->setText(Latin1(ChannelListText::kReady));
    Host().OnFormEdited(GetViewIndex(), name);
    return true;
}

void CChannelListView::SelectedChannels(int& firstOut, int& countOut) const
{
    const QModelIndexList selected = m_pTable->selectionModel()->selectedIndexes();
    int first = m_pModel->Capacity() + 1;
    int last = 0;
    for (const QModelIndex& index : selected)
    {
        first = std::min(first, index.row() + 1);
        last = std::max(last, index.row() + 1);
    }
    if (last == 0 && m_pTable->currentIndex().isValid())
    {
        first = last = m_pTable->currentIndex().row() + 1;
    }
    firstOut = first;
    countOut = last >= first ? last - first + 1 : 0;
}

void CChannelListView::SelectChannels(int first, int count)
{
    const QItemSelection selection(m_pModel->index(first - 1, 0),
                                   m_pModel->index(first + count - 2, m_pModel->columnCount() - 1));
    m_pTable->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_pTable->selectionModel()->setCurrentIndex(
        m_pModel->index(first - 1, std::max(m_pTable->currentIndex().column(), 0)),
        QItemSelectionModel::NoUpdate);
}

void CChannelListView::ShowRefusal(int n, int column, const QString& reason)
{
    const QString title = Latin1(ChannelGrid::Title(CChannelTableModel::FieldOf(column)));
    m_pStatus->setText(Latin1(ChannelListText::kRefused).arg(n).arg(title, reason));
}

void CChannelListView::OnCopy()
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    if (count > 0)
    {
        m_writeClipboard(ChannelClipboard::Copy(m_image, m_pModel->Capacity(), first, count));
    }
}

void CChannelListView::OnCut()
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    if (count == 0)
    {
        return;
    }
    OnCopy();
    (void)Apply(Step(ChannelListText::kCutStep, count), [&](CRadioImage& image)
                { return ChannelEdits::Clear(image, m_pModel->Capacity(), first, count); });
}

void CChannelListView::OnPaste()
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    if (count == 0)
    {
        first = 1;
    }
    ChannelClipboard::PasteCheck check;
    if (!ChannelClipboard::Check(m_image, m_pModel->Capacity(), first, m_readClipboard(), check))
    {
        std::string why = ChannelListText::kNothingToPaste;
        for (const PlanProblem& problem : check.refused)
        {
            why += "\n" + problem.Text();
        }
        Ui().ShowMessage(why, MessageIcon::Warning);
        return;
    }
    if (!check.overwritten.empty())
    {
        QStringList channels;
        for (const int n : check.overwritten)
        {
            channels << QString::number(n);
        }
        if (!Ui().AskYesNo(Latin1(ChannelListText::kOverwrite)
                               .arg(check.overwritten.size())
                               .arg(channels.join(QStringLiteral(", ")))
                               .toStdString(),
                           MessageIcon::Question))
        {
            return;
        }
    }
    if (!check.refused.empty())
    {
        QStringList reasons;
        for (const PlanProblem& problem : check.refused)
        {
            reasons << QString::fromStdString(problem.Text());
        }
        if (!Ui().AskYesNo(Latin1(ChannelListText::kRefusedRows)
                               .arg(check.refused.size())
                               .arg(reasons.join(QLatin1Char('\n')))
                               .arg(check.pasted.size())
                               .toStdString(),
                           MessageIcon::Question))
        {
            return;
        }
    }
    const auto pasted = static_cast<int>(check.pasted.size());
    if (Apply(Step(ChannelListText::kPasteStep, pasted),
              [&](CRadioImage& image)
              {
                  image = check.result;
                  return true;
              }))
    {
        SelectChannels(check.pasted.front(), check.pasted.back() - check.pasted.front() + 1);
    }
}

void CChannelListView::OnEmpty()
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    if (count > 0)
    {
        (void)Apply(Step(ChannelListText::kEmptyStep, count), [&](CRadioImage& image)
                    { return ChannelEdits::Clear(image, m_pModel->Capacity(), first, count); });
    }
}

void CChannelListView::OnFillDown()
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    std::set<int> columns;
    for (const QModelIndex& index : m_pTable->selectionModel()->selectedIndexes())
    {
        if (index.column() >= CChannelTableModel::kFirstFieldColumn)
        {
            columns.insert(index.column());
        }
    }
    if (count < 2 || columns.empty())
    {
        return;
    }
    std::vector<std::tuple<int, GridColumn, std::string>> cells;
    for (int n = first + 1; n < first + count; ++n)
    {
        for (const int column : columns)
        {
            const GridColumn field = CChannelTableModel::FieldOf(column);
            cells.emplace_back(
                n, field,
                ChannelGrid::CellText(m_pModel->Record(first), m_pModel->InUse(first), field));
        }
    }
    FillCells(Step(ChannelListText::kFillDownStep, count - 1), cells);
}

void CChannelListView::OnFillSeries()
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    std::set<GridColumn> fields;
    for (const QModelIndex& index : m_pTable->selectionModel()->selectedIndexes())
    {
        if (index.column() >= CChannelTableModel::kFirstFieldColumn)
        {
            fields.insert(CChannelTableModel::FieldOf(index.column()));
        }
    }
    const StoredChannel& top = m_pModel->Record(first);
    const bool frequencies =
        fields.count(GridColumn::RxFrequency) + fields.count(GridColumn::TxFrequency) > 0;
    if (count < 2 || !m_pModel->InUse(first) ||
        (!frequencies && fields.count(GridColumn::Name) == 0))
    {
        return;
    }
    double stepKhz = m_pModel->Rules().GetStepKhz(top.switches.narrow);
    if (frequencies)
    {
        std::string typed = QString::number(stepKhz).toStdString();
        if (!Ui().AskText(ChannelListText::kSeriesStepPrompt, typed))
        {
            return;
        }
        if (!ReadDecimal(typed, stepKhz))
        {
            Ui().ShowMessage(ChannelTexts::kNotANumber, MessageIcon::Warning);
            return;
        }
    }
    std::string prefix;
    long number = -1;
    SplitNumbered(top.name, prefix, number);
    if (number < 0)
    {
        prefix = top.name.empty() ? std::string() : top.name + " ";
    }
    const auto frequency = [stepKhz](double mhz, int k) {
        return CChannelRules::FormatFrequency(std::round((mhz + k * stepKhz / 1000.0) * 1e5) / 1e5);
    };
    std::vector<std::tuple<int, GridColumn, std::string>> cells;
    for (int k = 0; k < count; ++k)
    {
        const int n = first + k;
        if (k > 0 && fields.count(GridColumn::RxFrequency) > 0)
        {
            cells.emplace_back(n, GridColumn::RxFrequency, frequency(top.rx.mhz, k));
        }
        if (k > 0 && fields.count(GridColumn::TxFrequency) > 0 && !top.tx.unused)
        {
            cells.emplace_back(n, GridColumn::TxFrequency, frequency(top.tx.mhz, k));
        }
        if (fields.count(GridColumn::Name) > 0 && (k > 0 || number < 0))
        {
            cells.emplace_back(n, GridColumn::Name,
                               prefix + std::to_string((number < 0 ? 1 : number) + k));
        }
    }
    FillCells(Step(ChannelListText::kFillSeriesStep, count), cells);
}

void CChannelListView::FillCells(const std::string& name,
                                 const std::vector<std::tuple<int, GridColumn, std::string>>& cells)
{
    // What was filled before a refusal stays, as one step.
    QString refusal;
    (void)Apply(name,
                [&](CRadioImage& image)
                {
                    refusal = SetCells(image, m_pModel->Rules(), cells);
                    return true;
                });
    if (!refusal.isEmpty())
    {
        m_pStatus->setText(refusal);
        Ui().ShowMessage(refusal.toStdString(), MessageIcon::Warning);
    }
}

void CChannelListView::OnInsert()
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    if (count == 0)
    {
        return;
    }
    if (!Apply(Step(ChannelListText::kInsertStep, count), [&](CRadioImage& image)
               { return ChannelEdits::Insert(image, m_pModel->Capacity(), first, count); }))
    {
        Ui().ShowMessage(
            Latin1(ChannelListText::kRowsFallOff).arg(m_pModel->Capacity()).toStdString(),
            MessageIcon::Warning);
    }
}

void CChannelListView::OnRemove()
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    if (count > 0)
    {
        (void)Apply(Step(ChannelListText::kRemoveStep, count), [&](CRadioImage& image)
                    { return ChannelEdits::Remove(image, m_pModel->Capacity(), first, count); });
    }
}

void CChannelListView::OnMove(int delta)
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    if (count == 0)
    {
        return;
    }
    if (!Apply(
            Step(delta < 0 ? ChannelListText::kMoveUpStep : ChannelListText::kMoveDownStep, count),
            [&](CRadioImage& image)
            { return ChannelEdits::Move(image, m_pModel->Capacity(), first, count, delta); }))
    {
        Ui().ShowMessage(ChannelListText::kAtTheEdge, MessageIcon::Warning);
        return;
    }
    SelectChannels(first + delta, count);
}

void CChannelListView::OnSort(ChannelEdits::SortKey key)
{
    int first = 0;
    int count = 0;
    SelectedChannels(first, count);
    // One channel chosen: the whole list is sorted.
    if (count < 2)
    {
        first = 1;
        count = m_pModel->Capacity();
    }
    (void)Apply(Step(ChannelListText::kSortStep, count),
                [&](CRadioImage& image) {
                    return ChannelEdits::Sort(image, m_pModel->Rules(), m_pModel->Capacity(), first,
                                              count, key);
                });
}

void CChannelListView::OnFind()
{
    std::string typed = m_strFind;
    if (!Ui().AskText(ChannelListText::kFindPrompt, typed) || typed.empty())
    {
        return;
    }
    m_strFind = typed;
    OnFindNext();
}

void CChannelListView::OnFindNext()
{
    if (m_strFind.empty())
    {
        OnFind();
        return;
    }
    const int start = m_pTable->currentIndex().isValid() ? m_pTable->currentIndex().row() + 2 : 1;
    if (!FindFrom(start))
    {
        Ui().ShowMessage(
            Latin1(ChannelListText::kNotFound).arg(QString::fromStdString(m_strFind)).toStdString(),
            MessageIcon::Information);
    }
}

bool CChannelListView::FindFrom(int start)
{
    const std::string wanted = Lower(m_strFind);
    const int capacity = m_pModel->Capacity();
    for (int k = 0; k < capacity; ++k)
    {
        const int n = (start - 1 + k) % capacity + 1;
        if (!m_pModel->InUse(n))
        {
            continue;
        }
        const StoredChannel& record = m_pModel->Record(n);
        const std::string frequency = CChannelRules::FormatFrequency(record.rx.mhz);
        const bool found = Lower(record.name).find(wanted) != std::string::npos ||
                           frequency.rfind(m_strFind, 0) == 0;
        if (found)
        {
            const GridColumn field = Lower(record.name).find(wanted) != std::string::npos
                                         ? GridColumn::Name
                                         : GridColumn::RxFrequency;
            const QModelIndex cell = m_pModel->index(n - 1, CChannelTableModel::ColumnOf(field));
            m_pTable->setCurrentIndex(cell);
            m_pTable->scrollTo(cell);
            return true;
        }
    }
    return false;
}
