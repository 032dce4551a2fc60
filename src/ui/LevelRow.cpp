// A level row.

// own
#include "ui/LevelRow.h"
#include "ui/SpinButton.h"

// Qt
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

// std
#include <algorithm>

CLevelRow::CLevelRow(QWidget* parent, const char* label, int minimum, int maximum, int maxLength)
    : CKitControl(parent), m_pLabel(new QLabel(QString::fromLatin1(label), this)),
      m_pBox(new QLineEdit(this)), m_pSpin(new CSpinButton(this)), m_nMinimum(minimum),
      m_nMaximum(maximum)
{
    m_pBox->setReadOnly(true);
    m_pBox->setMaxLength(maxLength);
    m_pBox->setAlignment(Qt::AlignRight);
    m_pBox->setFixedWidth(48);
    m_pLabel->setBuddy(m_pBox);
    setFocusProxy(m_pBox);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pLabel, 1);
    layout->addWidget(m_pBox);
    layout->addWidget(m_pSpin);
    NameAfter(m_pLabel->text().simplified());
    SetValue(minimum);
    connect(m_pSpin, &CSpinButton::Stepped, this,
            [this](int direction)
            {
                // From a value outside the range the first step lands on its
                // nearest end, as the arrows can never leave the range.
                SetValue(std::clamp(m_nValue + direction, m_nMinimum, m_nMaximum));
                emit Stepped(m_nValue);
            });
}

void CLevelRow::SetValue(int value)
{
    m_nValue = value;
    m_pBox->setText(QString::number(value));
}

void CLevelRow::NameAfter(const QString& label)
{
    m_pBox->setAccessibleName(label);
    m_pSpin->NameFor(label);
}
