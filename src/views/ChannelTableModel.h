// The Channel List form's table over its own image: one row a channel of the
// capacity, the group it belongs to first, then one column a field. A cell
// takes an entry only through the Channel form's checks; a refused one keeps
// its old value, is marked and says why.
#pragma once

// model
#include "model/ChannelGrid.h"
#include "model/ChannelGroups.h"
#include "model/ChannelRules.h"
#include "model/RadioImage.h"

// Qt
#include <QAbstractTableModel>
#include <QModelIndex>
#include <QString>

// std
#include <vector>

class CChannelTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int kGroupColumn = 0;
    static constexpr int kFirstFieldColumn = 1;

    CChannelTableModel(CRadioImage& image, QObject* parent);

    // Rereads every row of the image with its rules and groups; the channel
    // mode gives the capacity.
    void Reload(int channelMode);
    // Rereads channels first .. last after an edit of the image.
    void ReloadChannels(int first, int last);

    int Capacity() const { return m_groups.GetCapacity(); }
    const CChannelGroups& Groups() const { return m_groups; }
    const CChannelRules& Rules() const { return m_rules; }
    bool InUse(int n) const;
    const StoredChannel& Record(int n) const;
    // The field of a table column; only for columns from kFirstFieldColumn.
    static GridColumn FieldOf(int column);
    static int ColumnOf(GridColumn field);
    // The cell last refused, and why; invalid when the last entry was taken.
    QModelIndex MarkedCell() const { return m_marked; }
    const QString& MarkReason() const { return m_markReason; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Through ChannelGrid::SetCell; the edit is announced by CellEdited.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A typed entry was taken into channel n.
    void CellEdited(int n, int column);
    // A typed entry was refused; `reason` is the form's message.
    void CellRefused(int n, int column, const QString& reason);

private:
    CRadioImage& m_image;
    CChannelRules m_rules;
    CChannelGroups m_groups;
    std::vector<StoredChannel> m_records;
    std::vector<bool> m_inUse;
    QModelIndex m_marked;
    QString m_markReason;
};
