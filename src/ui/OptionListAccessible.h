// How an option list presents itself to screen readers and desktop automation:
// named after its label, with the chosen item as its value and as its text.
// (A drop list that cannot be typed into otherwise announces its chosen item as
// its name, so the label would never be heard; and the desktop bus carries no
// value for a drop list, so without a text the chosen item would not be heard.)
#pragma once

// Qt
#include <QAccessibleWidget>

class COptionList;

class COptionListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit COptionListAccessible(COptionList* list);

    // Makes every option list use this; installed once, on the first list.
    static void Install();

    QString text(QAccessible::Text t) const override;
    // The popup list, as the built-in drop list presents it.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The chosen item as read-only text: no selection, no cursor to move.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    COptionList* List() const;
};
