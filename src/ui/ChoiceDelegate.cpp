// A drop list as a cell editor.

// own
#include "ui/ChoiceDelegate.h"

// Qt
#include <QComboBox>

CChoiceDelegate::CChoiceDelegate(QStringList choices, QObject* parent)
    : QStyledItemDelegate(parent), m_choices(std::move(choices))
{
}

QWidget* CChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                       const QModelIndex& /*index*/) const
{
    auto* list = new QComboBox(parent);
    list->addItems(m_choices);
    // A choice made with the mouse or the arrows is taken at once, as a typed
    // entry is taken on Enter.
    connect(list, &QComboBox::activated, this,
            [this, list]
            {
                emit const_cast<CChoiceDelegate*>(this)->commitData(list);
                emit const_cast<CChoiceDelegate*>(this)->closeEditor(list);
            });
    return list;
}

void CChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* list = static_cast<QComboBox*>(editor);
    list->setCurrentIndex(list->findText(index.data(Qt::EditRole).toString()));
}

void CChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const
{
    const auto* list = static_cast<QComboBox*>(editor);
    if (list->currentIndex() >= 0)
    {
        model->setData(index, list->currentText(), Qt::EditRole);
    }
}
