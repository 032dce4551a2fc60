// How an option list presents itself to screen readers.

// own
#include "ui/OptionListAccessible.h"
#include "ui/OptionList.h"

// Qt
#include <QAbstractItemView>

namespace
{
QAccessibleInterface* Create(const QString& /*key*/, QObject* object)
{
    if (auto* list = qobject_cast<COptionList*>(object))
    {
        return new COptionListAccessible(list);
    }
    return nullptr;
}
} // namespace

COptionListAccessible::COptionListAccessible(COptionList* list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{
}

void COptionListAccessible::Install()
{
    static const bool installed = []
    {
        QAccessible::installFactory(&Create);
        return true;
    }();
    (void)installed;
}

COptionList* COptionListAccessible::List() const
{
    return static_cast<COptionList*>(widget());
}

QString COptionListAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
    {
        return List()->currentText();
    }
    return QAccessibleWidget::text(t);
}

int COptionListAccessible::childCount() const
{
    return List()->view() != nullptr ? 1 : 0;
}

QAccessibleInterface* COptionListAccessible::child(int index) const
{
    return index == 0 && List()->view() != nullptr
               ? QAccessible::queryAccessibleInterface(List()->view())
               : nullptr;
}

int COptionListAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child != nullptr && child->object() == List()->view() ? 0 : -1;
}

QStringList COptionListAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void COptionListAccessible::doAction(const QString& actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
    {
        List()->showPopup();
    }
}

void* COptionListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
    {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void COptionListAccessible::selection(int /*selectionIndex*/, int* startOffset,
                                      int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString COptionListAccessible::text(int startOffset, int endOffset) const
{
    // -1 as the end means "to the end", as the desktop bus asks for the whole text.
    const QString shown = List()->currentText();
    const int end = endOffset < 0 ? static_cast<int>(shown.size()) : endOffset;
    return shown.mid(startOffset, end - startOffset);
}

int COptionListAccessible::characterCount() const
{
    return static_cast<int>(List()->currentText().size());
}

QRect COptionListAccessible::characterRect(int /*offset*/) const
{
    return QRect();
}

int COptionListAccessible::offsetAtPoint(const QPoint& /*point*/) const
{
    return -1;
}

QString COptionListAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return QString();
}
