// How an option list presents itself to screen readers and desktop automation:
// named after its label, with the chosen item as its value. (A drop list that
// cannot be typed into otherwise announces its chosen item as its name, so the
// label would never be heard.)
#pragma once

// Qt
#include <QAccessibleWidget>

class COptionList;

class COptionListAccessible : public QAccessibleWidget
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

private:
    COptionList* List() const;
};
