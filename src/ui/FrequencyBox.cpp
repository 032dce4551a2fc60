// A frequency box with spin arrows, key and wheel stepping.

// own
#include "ui/FrequencyBox.h"
#include "ui/SpinButton.h"

// model
#include "model/TextReaders.h"

// Qt
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace
{
// One notch of an ordinary mouse wheel, in Qt's eighths of a degree.
constexpr int kWheelNotch = 120;
} // namespace

CFrequencyBox::CFrequencyBox(QWidget* parent)
    : CKitControl(parent), m_pEdit(new QLineEdit(this)), m_pSpin(new CSpinButton(this))
{
    m_pEdit->setMaxLength(kMaxLength);
    m_pEdit->setAlignment(Qt::AlignRight);
    m_pEdit->installEventFilter(this);
    setFocusProxy(m_pEdit);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pEdit);
    layout->addWidget(m_pSpin);
    connect(m_pSpin, &CSpinButton::Stepped, this, &CFrequencyBox::StepRequested);
}

void CFrequencyBox::SetValue(double mhz)
{
    m_pEdit->setText(QString::number(mhz, 'f', 5));
}

bool CFrequencyBox::ReadValue(double& mhzOut) const
{
    return ReadFrequency(m_pEdit->text().toStdString(), mhzOut);
}

void CFrequencyBox::NameAfter(const QString& label)
{
    m_pEdit->setAccessibleName(label);
    m_pSpin->NameFor(label);
}

bool CFrequencyBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_pEdit)
    {
        return CKitControl::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress)
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down)
        {
            emit StepRequested(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    else if (event->type() == QEvent::Wheel)
    {
        m_nWheelRest += static_cast<QWheelEvent*>(event)->angleDelta().y();
        while (m_nWheelRest >= kWheelNotch || m_nWheelRest <= -kWheelNotch)
        {
            const int direction = m_nWheelRest > 0 ? +1 : -1;
            m_nWheelRest -= direction * kWheelNotch;
            emit StepRequested(direction);
        }
        return true;
    }
    return CKitControl::eventFilter(watched, event);
}
