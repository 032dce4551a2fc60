// The transfer progress window.

// own
#include "views/ProgressDlg.h"
#include "views/ViewTexts.h"

// Qt
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

CProgressDlg::CProgressDlg(QWidget* view)
    : QDialog(view), m_pBar(new QProgressBar(this)),
      m_pCancel(new QPushButton(QString::fromLatin1(ViewText::kCancel), this))
{
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* text = new QLabel(QString::fromLatin1(ViewText::kPleaseWait), this);
    text->setAlignment(Qt::AlignCenter);
    m_pBar->setRange(0, kRange);
    m_pBar->setValue(0);
    m_pBar->setTextVisible(false);
    m_pBar->setMinimumWidth(260);
    // Enter must not reach Cancel through the default-button rule.
    m_pCancel->setAutoDefault(false);
    m_pCancel->setDefault(false);
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancel(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_pBar);
    layout->addWidget(m_pCancel, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    show();
}

void CProgressDlg::SetPos(int position)
{
    m_pBar->setValue(position);
}

void CProgressDlg::OnCancel()
{
    hide();
    // The form may show a message box first; by the time it returns the form
    // (and this window with it) may be gone.
    const QPointer<CProgressDlg> self(this);
    emit Cancelled();
    if (self)
    {
        self->deleteLater();
    }
}

void CProgressDlg::reject() {}

void CProgressDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key())
    {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
