// A hexadecimal address box with spin arrows.

// own
#include "ui/HexAddressBox.h"
#include "ui/SpinButton.h"

// model
#include "model/TextReaders.h"

// Qt
#include <QHBoxLayout>
#include <QLineEdit>

// std
#include <algorithm>

CHexAddressBox::CHexAddressBox(QWidget* parent, std::int64_t first, std::int64_t last)
    : CKitControl(parent), m_pEdit(new QLineEdit(this)), m_pSpin(new CSpinButton(this)),
      m_nFirst(first), m_nLast(last)
{
    setFocusProxy(m_pEdit);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pEdit);
    layout->addWidget(m_pSpin);
    connect(m_pSpin, &CSpinButton::Stepped, this, [this](int direction) { Step(direction); });
}

std::int64_t CHexAddressBox::LeadingValue() const
{
    std::int64_t value = 0;
    return ReadHexLeading(m_pEdit->text().toStdString(), value) ? value : 0;
}

void CHexAddressBox::SetValue(std::int64_t address)
{
    m_pEdit->setText(QString::number(address, 16));
}

void CHexAddressBox::Step(int direction)
{
    SetValue(std::clamp<std::int64_t>(LeadingValue() + direction, m_nFirst, m_nLast));
    emit Stepped();
}

void CHexAddressBox::NameAfter(const QString& label)
{
    m_pEdit->setAccessibleName(label);
    m_pSpin->NameFor(label);
}
