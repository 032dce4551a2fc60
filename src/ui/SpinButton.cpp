// Spin arrows.

// own
#include "ui/SpinButton.h"
#include "ui/UiTexts.h"

// Qt
#include <QEvent>
#include <QToolButton>
#include <QVBoxLayout>

CSpinButton::CSpinButton(QWidget* parent)
    : QWidget(parent), m_pUp(new QToolButton(this)), m_pDown(new QToolButton(this))
{
    m_pUp->setArrowType(Qt::UpArrow);
    m_pDown->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* arrow : {m_pUp, m_pDown})
    {
        arrow->setFixedSize(18, 12);
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(arrow);
    }
    connect(m_pUp, &QToolButton::clicked, this, [this] { emit Stepped(+1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { emit Stepped(-1); });
}

void CSpinButton::NameFor(const QString& boxName)
{
    m_pUp->setAccessibleName(QString::fromLatin1(UiText::kUpArrowName).arg(boxName));
    m_pDown->setAccessibleName(QString::fromLatin1(UiText::kDownArrowName).arg(boxName));
}

bool CSpinButton::event(QEvent* event)
{
    // A check that fails on a step shows its message while the arrow is still
    // down: without this the arrow would go on repeating under the message,
    // and after it, stepping on and on by itself.
    if (event->type() == QEvent::WindowBlocked)
    {
        m_pUp->setDown(false);
        m_pDown->setDown(false);
    }
    return QWidget::event(event);
}
