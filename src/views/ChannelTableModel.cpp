// The Channel List form's table.

// own
#include "views/ChannelTableModel.h"
#include "views/ChannelListTexts.h"

// model
#include "model/ChannelEdits.h"
#include "model/GridTexts.h"

// Qt
#include <QApplication>
#include <QColor>
#include <QPalette>

CChannelTableModel::CChannelTableModel(CRadioImage& image, QObject* parent)
    : QAbstractTableModel(parent), m_image(image)
{
}

void CChannelTableModel::Reload(int channelMode)
{
    beginResetModel();
    (void)m_rules.LoadFromImage(m_image);
    int big = 0;
    int count = 0;
    // The count is used whatever the getter says of it, as the Channel form
    // does.
    (void)m_image.GetGroupCount(big, count);
    m_groups = CChannelGroups(channelMode, count);
    m_records.assign(static_cast<std::size_t>(m_groups.GetCapacity()), StoredChannel{});
    m_inUse.assign(m_records.size(), false);
    for (int n = 1; n <= m_groups.GetCapacity(); ++n)
    {
        (void)ReadChannel(m_image, m_rules, n, m_records[static_cast<std::size_t>(n - 1)]);
        m_inUse[static_cast<std::size_t>(n - 1)] = ChannelEdits::InUse(m_image, n);
    }
    m_marked = {};
    m_markReason.clear();
    endResetModel();
}

void CChannelTableModel::ReloadChannels(int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, Capacity());
    if (first > last)
    {
        return;
    }
    for (int n = first; n <= last; ++n)
    {
        (void)ReadChannel(m_image, m_rules, n, m_records[static_cast<std::size_t>(n - 1)]);
        m_inUse[static_cast<std::size_t>(n - 1)] = ChannelEdits::InUse(m_image, n);
    }
    emit dataChanged(index(first - 1, 0), index(last - 1, columnCount() - 1));
}

bool CChannelTableModel::InUse(int n) const
{
    return n >= 1 && n <= Capacity() && m_inUse[static_cast<std::size_t>(n - 1)];
}

const StoredChannel& CChannelTableModel::Record(int n) const
{
    return m_records[static_cast<std::size_t>(n - 1)];
}

GridColumn CChannelTableModel::FieldOf(int column)
{
    return static_cast<GridColumn>(column - kFirstFieldColumn);
}

int CChannelTableModel::ColumnOf(GridColumn field)
{
    return static_cast<int>(field) + kFirstFieldColumn;
}

int CChannelTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Capacity();
}

int CChannelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kFirstFieldColumn + kGridColumnCount;
}

QVariant CChannelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Capacity())
    {
        return {};
    }
    const int n = index.row() + 1;
    switch (role)
    {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        if (index.column() == kGroupColumn)
        {
            return m_groups.GroupOfChannel(n);
        }
        return QString::fromStdString(
            ChannelGrid::CellText(Record(n), InUse(n), FieldOf(index.column())));
    case Qt::ForegroundRole:
        // Empty channels stand back, as disabled text does.
        if (!InUse(n))
        {
            return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
        }
        return {};
    case Qt::BackgroundRole:
        if (index == m_marked)
        {
            return QColor(255, 210, 210);
        }
        return {};
    case Qt::ToolTipRole:
        if (index == m_marked)
        {
            return m_markReason;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == kGroupColumn)
        {
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        }
        return {};
    default:
        return {};
    }
}

QVariant CChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
    {
        return {};
    }
    if (orientation == Qt::Vertical)
    {
        return QString::fromLatin1(ChannelListText::kRowHeader).arg(section + 1);
    }
    if (section == kGroupColumn)
    {
        return QString::fromLatin1(GridTexts::kGroup);
    }
    return QString::fromLatin1(ChannelGrid::Title(FieldOf(section)));
}

Qt::ItemFlags CChannelTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != kGroupColumn && m_rules.HasModel())
    {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool CChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() == kGroupColumn)
    {
        return false;
    }
    const int n = index.row() + 1;
    // An entry that leaves the cell as it is changes nothing and is no step.
    const std::string typed = value.toString().toStdString();
    if (typed == ChannelGrid::CellText(Record(n), InUse(n), FieldOf(index.column())))
    {
        return false;
    }
    std::string reason;
    const QModelIndex wasMarked = m_marked;
    if (!ChannelGrid::SetCell(m_image, m_rules, n, FieldOf(index.column()), typed, reason))
    {
        m_marked = index;
        m_markReason = QString::fromStdString(reason);
        emit dataChanged(index, index);
        if (wasMarked.isValid() && wasMarked != index)
        {
            emit dataChanged(wasMarked, wasMarked);
        }
        emit CellRefused(n, index.column(), m_markReason);
        return false;
    }
    m_marked = {};
    m_markReason.clear();
    if (wasMarked.isValid())
    {
        emit dataChanged(wasMarked, wasMarked);
    }
    ReloadChannels(n, n);
    emit CellEdited(n, index.column());
    return true;
}
