// The About box.

// own
#include "app/AboutDlg.h"
#include "app/AppTexts.h"

// ui
#include "ui/UiTexts.h"

// Qt
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(AppText::kAboutTitle));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/vesk4/vesk4.png")).pixmap(32, 32));
    auto* text = new QLabel(QString::fromLatin1(AppText::kAboutVersion), this);
    auto* ok = new QPushButton(QString::fromLatin1(UiText::kOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    row->addWidget(ok, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
