// The controls of a window that the accessibility layer leaves unnamed, for
// the tests that every input, button and list can be found by screen readers
// and desktop automation.
#pragma once

// Qt
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

inline bool IsNamedKind(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget);
}

// A widget that Qt builds inside another control (a list's scroll bars, a drop
// list's popup) is named through the control it belongs to.
inline bool IsInsideControl(const QWidget* widget, const QWidget* top)
{
    for (const QWidget* parent = widget->parentWidget(); parent != nullptr && parent != top;
         parent = parent->parentWidget())
    {
        if (qobject_cast<const QComboBox*>(parent) ||
            qobject_cast<const QAbstractItemView*>(parent))
        {
            return true;
        }
    }
    return false;
}

// The controls of `top` that the accessibility layer gives no name, each
// described by its class.
inline QStringList Unnamed(QWidget* top)
{
    QStringList unnamed;
    for (QWidget* widget : top->findChildren<QWidget*>())
    {
        if (!IsNamedKind(widget) || IsInsideControl(widget, top))
        {
            continue;
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty())
        {
            unnamed << QString::fromLatin1(widget->metaObject()->className());
        }
    }
    return unnamed;
}
