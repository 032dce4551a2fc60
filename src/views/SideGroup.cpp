// The receive or transmit group of the Channel and Test forms.

// own
#include "views/SideGroup.h"
#include "views/ViewTexts.h"

// ui
#include "ui/FormRows.h"
#include "ui/FrequencyBox.h"
#include "ui/SignallingBox.h"

// Qt
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

QGroupBox* MakeSideGroup(QWidget* parent, const char* title, const char* freqLabel,
                         CFrequencyBox* frequency, const char* typeLabel,
                         CSignallingBox* signalling)
{
    auto* box = new QGroupBox(QString::fromLatin1(title), parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 2, 8, 2);
    grid->setVerticalSpacing(2);
    frequency->setFixedWidth(130);
    auto* freqRow = new QHBoxLayout;
    freqRow->addWidget(frequency);
    freqRow->addSpacing(4);
    freqRow->addWidget(new QLabel(QString::fromLatin1(ViewText::kMhz), box));
    freqRow->addStretch(1);
    auto* freqName = new QLabel(QString::fromLatin1(freqLabel), box);
    freqName->setBuddy(frequency);
    auto* typeName = new QLabel(QString::fromLatin1(typeLabel), box);
    typeName->setBuddy(signalling);
    grid->addWidget(freqName, 0, 0);
    grid->addLayout(freqRow, 0, 1);
    grid->addWidget(typeName, 1, 0);
    grid->addWidget(signalling, 1, 1);
    grid->setColumnStretch(1, 1);
    CFormRows::Name(frequency, QString::fromLatin1(freqLabel));
    CFormRows::Name(signalling, QString::fromLatin1(typeLabel));
    return box;
}
