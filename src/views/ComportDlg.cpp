// The port dialog.

// own
#include "views/ComportDlg.h"
#include "views/ViewTexts.h"

// Qt
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CComportDlg::CComportDlg(int currentPort, QWidget* parent)
    : QDialog(parent), m_nCurrentPort(currentPort != 0 ? 1 : 0),
      m_pComport1(new QRadioButton(QString::fromLatin1(ViewText::kComport1), this)),
      m_pComport2(new QRadioButton(QString::fromLatin1(ViewText::kComport2), this))
{
    setWindowTitle(QString::fromLatin1(ViewText::kComportTitle));
    auto* group = new QButtonGroup(this);
    group->addButton(m_pComport1, 0);
    group->addButton(m_pComport2, 1);
    (currentPort != 0 ? m_pComport2 : m_pComport1)->setChecked(true);

    // There is no Cancel button: closing the window cancels.
    auto* ok = new QPushButton(QString::fromLatin1(ViewText::kOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });

    auto* choices = new QVBoxLayout;
    choices->addWidget(m_pComport1);
    choices->addWidget(m_pComport2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addSpacing(24);
    layout->addWidget(ok, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CComportDlg::showEvent(QShowEvent* event)
{
    m_nPort = m_nCurrentPort;
    QDialog::showEvent(event);
}

void CComportDlg::OnOK()
{
    m_nPort = m_pComport2->isChecked() ? 1 : 0;
    accept();
}
