// A signalling box.

// own
#include "ui/SignallingBox.h"
#include "ui/OptionList.h"
#include "ui/SpinButton.h"
#include "ui/UiTexts.h"

// model
#include "model/SignallingTables.h"
#include "model/TextReaders.h"

// Qt
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

// std
#include <algorithm>
#include <cstdlib>

namespace
{
QString DcsText(int value)
{
    const QString digits = QString::number(std::abs(value), 8);
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

// Position k of the spin shows code k of the list; a negative position shows
// the inverted code -k. Position 0 is the list's "no code" entry.
QString DcsPositionText(int position)
{
    const int digits = kDcsCodes[std::abs(position)];
    const QString text = QStringLiteral("%1").arg(digits, 3, 10, QLatin1Char('0'));
    return position < 0 ? QLatin1Char('-') + text : text;
}
} // namespace

CSignallingBox::CSignallingBox(QWidget* parent)
    : CKitControl(parent), m_pType(new COptionList(this, UiText::kSignallingTypes)),
      m_pTone(new COptionList(this, {})), m_pDcs(new QLineEdit(this)),
      m_pDcsSpin(new CSpinButton(this))
{
    for (int i = 0; i < kCtcssCount; ++i)
    {
        m_pTone->addItem(QString::number(kCtcssTones[i], 'f', 1));
    }
    m_pDcs->setMaxLength(kDcsMaxLength);
    m_pDcs->setFixedWidth(56);
    setFocusProxy(m_pType);

    auto* dcs = new QHBoxLayout;
    dcs->setSpacing(0);
    dcs->addWidget(m_pDcs);
    dcs->addWidget(m_pDcsSpin);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pType);
    layout->addWidget(m_pTone);
    layout->addWidget(new QLabel(QString::fromLatin1(UiText::kHz), this));
    layout->addSpacing(8);
    layout->addLayout(dcs);
    layout->addWidget(new QLabel(QString::fromLatin1(UiText::kOct), this));
    layout->addStretch(1);

    connect(m_pType, &COptionList::Chosen, this,
            [this](int type)
            {
                ApplyType(type);
                emit TypeChosen(type);
            });
    connect(m_pDcsSpin, &CSpinButton::Stepped, this,
            [this](int direction) { StepDcsCode(direction); });
    SetValue(SignallingChoice{});
}

void CSignallingBox::SetValue(const SignallingChoice& choice)
{
    m_pType->SetValue(choice.type);
    m_pTone->SetValue(choice.type == SignallingChoice::kCtcss ? choice.value : -1);
    m_pDcs->setText(choice.type == SignallingChoice::kDcs ? DcsText(choice.value)
                                                          : QStringLiteral("0"));
    m_nSpinPosition = 0;
    ApplyType(choice.type);
}

bool CSignallingBox::ReadValue(SignallingChoice& choiceOut) const
{
    SignallingChoice choice;
    choice.type = m_pType->Value();
    switch (choice.type)
    {
    case SignallingChoice::kCtcss:
        choice.value = m_pTone->Value();
        if (choice.value < 0)
        {
            return false;
        }
        break;
    case SignallingChoice::kDcs:
        if (!ReadDcsCode(m_pDcs->text().toStdString(), choice.value))
        {
            return false;
        }
        break;
    case SignallingChoice::kNone:
        break;
    default:
        return false;
    }
    choiceOut = choice;
    return true;
}

QWidget* CSignallingBox::EntryOfType() const
{
    switch (m_pType->Value())
    {
    case SignallingChoice::kCtcss:
        return m_pTone;
    case SignallingChoice::kDcs:
        return m_pDcs;
    default:
        return m_pType;
    }
}

void CSignallingBox::ApplyType(int type)
{
    const bool ctcss = type == SignallingChoice::kCtcss;
    const bool dcs = type == SignallingChoice::kDcs;
    m_pTone->setEnabled(ctcss);
    m_pDcs->setEnabled(dcs);
    m_pDcsSpin->setEnabled(dcs);
    if (!dcs)
    {
        m_pDcs->setText(QStringLiteral("0"));
    }
    if (!ctcss)
    {
        m_pTone->SetValue(-1);
    }
}

void CSignallingBox::StepDcsCode(int direction)
{
    // The box is looked up with its digits read as a decimal number, as the
    // list holds them; an inverted or unknown code is not found, and stepping
    // then goes on from the spin's own count.
    int position = m_nSpinPosition + direction;
    int digits = 0;
    if (ReadInteger(m_pDcs->text().toStdString(), digits))
    {
        const int* end = kDcsCodes + kDcsCount + 1;
        const int* found = std::find(kDcsCodes, end, digits);
        if (found != end)
        {
            position = static_cast<int>(found - kDcsCodes) + direction;
        }
    }
    position = std::clamp(position, -kDcsCount, kDcsCount);
    m_nSpinPosition = std::clamp(m_nSpinPosition + direction, -kDcsCount, kDcsCount);
    m_pDcs->setText(DcsPositionText(position));
}

void CSignallingBox::NameAfter(const QString& label)
{
    m_pType->setAccessibleName(label);
    m_pTone->setAccessibleName(QString::fromLatin1(UiText::kToneListName).arg(label));
    const QString dcs = QString::fromLatin1(UiText::kDcsCodeName).arg(label);
    m_pDcs->setAccessibleName(dcs);
    m_pDcsSpin->NameFor(dcs);
}
