// Rows of label + control.

// own
#include "ui/FormRows.h"
#include "ui/KitControl.h"

// Qt
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

CFormRows::CFormRows(QWidget* parent, const char* title)
    : m_pWidget(title != nullptr
                    ? static_cast<QWidget*>(new QGroupBox(QString::fromLatin1(title), parent))
                    : new QWidget(parent)),
      m_pGrid(new QGridLayout(m_pWidget))
{
    if (title == nullptr)
    {
        m_pGrid->setContentsMargins(0, 0, 0, 0);
    }
    m_pGrid->setColumnStretch(1, 1);
}

void CFormRows::AddRow(const char* label, QWidget* control, const char* name)
{
    m_pRow = new QHBoxLayout;
    m_pRow->setSpacing(8);
    m_pRow->addStretch(1);
    auto* text = new QLabel(QString::fromLatin1(label), m_pWidget);
    m_pGrid->addWidget(text, m_nRows, 0);
    m_pGrid->addLayout(m_pRow, m_nRows, 1);
    ++m_nRows;
    if (control != nullptr)
    {
        Place(nullptr, control, name != nullptr ? name : label);
        text->setBuddy(control);
    }
}

void CFormRows::AddToRow(const char* label, QWidget* control, const char* name)
{
    if (m_pRow == nullptr)
    {
        AddRow(label, control, name);
        return;
    }
    // Apart from what the row holds already; the first control of a row whose
    // label stands alone starts at the column.
    if (m_pRow->count() > 1)
    {
        m_pRow->insertSpacing(m_pRow->count() - 1, 12);
    }
    Place(label, control, name != nullptr ? name : label);
}

void CFormRows::Place(const char* label, QWidget* control, const char* name)
{
    if (label != nullptr)
    {
        auto* text = new QLabel(QString::fromLatin1(label), m_pWidget);
        text->setBuddy(control);
        m_pRow->insertWidget(m_pRow->count() - 1, text);
    }
    m_pRow->insertWidget(m_pRow->count() - 1, control);
    Name(control, QString::fromLatin1(name));
}

QLineEdit* CFormRows::TextBox(QWidget* parent, int maxLength, int width)
{
    auto* box = new QLineEdit(parent);
    box->setMaxLength(maxLength);
    box->setFixedWidth(width);
    return box;
}

void CFormRows::Name(QWidget* control, const QString& name)
{
    // Labels pad their texts with runs of blanks for the layout; a screen
    // reader gains nothing from them.
    const QString spoken = name.simplified();
    if (auto* kit = dynamic_cast<CKitControl*>(control))
    {
        kit->NameAfter(spoken);
    }
    else
    {
        control->setAccessibleName(spoken);
    }
}
