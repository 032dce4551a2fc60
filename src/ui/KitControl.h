// What every composite control of the kit shares: it can be named after the
// label placed beside it, and it hands its focus to the input inside it.
#pragma once

// Qt
#include <QWidget>

class CKitControl : public QWidget
{
public:
    explicit CKitControl(QWidget* parent) : QWidget(parent) {}

    // Gives the inputs inside the control accessible names derived from
    // `label` (the text of the label that stands beside it).
    virtual void NameAfter(const QString& label) = 0;
};
