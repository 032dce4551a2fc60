// The editor of a table cell that takes one of a few fixed entries: a drop
// list of them, opened on the entry the cell shows.
#pragma once

// Qt
#include <QStringList>
#include <QStyledItemDelegate>

class CChoiceDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    CChoiceDelegate(QStringList choices, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    QStringList m_choices;
};
