// The channel switches of the Channel and Test forms.

// own
#include "views/SwitchPanel.h"

// ui
#include "ui/BitRow.h"
#include "ui/FormRows.h"
#include "ui/OptionList.h"

// Qt
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{
QString Latin1(const char* text)
{
    return QString::fromLatin1(text);
}

// The record bit of a switch: 0 means enabled (or a member) in every one.
int Bit(bool enabled)
{
    return enabled ? 0 : 1;
}

bool IsBit(int value)
{
    return value == 0 || value == 1;
}
} // namespace

CSwitchPanel::CSwitchPanel(QWidget* parent, const SwitchPanelTexts& texts)
    : m_pPower(new COptionList(parent, {texts.powerChoices[0], texts.powerChoices[1]})),
      m_pCompander(new COptionList(parent, {texts.enableChoices[0], texts.enableChoices[1]})),
      m_pDTone(new COptionList(parent, {texts.enableChoices[0], texts.enableChoices[1]})),
      m_pAni(new COptionList(parent, {texts.enableChoices[0], texts.enableChoices[1]})),
      m_pScanA(new QCheckBox(Latin1(texts.scanGroupA), parent)),
      m_pScanB(new QCheckBox(Latin1(texts.scanGroupB), parent)),
      m_pAux(new CBitRow(parent, texts.auxCaption)),
      m_pOptionBox(new QGroupBox(Latin1(texts.optionBox), parent)),
      m_pOptionGrid(new QGridLayout(m_pOptionBox)),
      m_pRegistryBox(new QGroupBox(Latin1(texts.registryBox), parent)),
      m_pAuxBox(new QGroupBox(Latin1(texts.auxBox), parent))
{
    m_pOptionGrid->setContentsMargins(8, 2, 8, 2);
    m_pOptionGrid->setVerticalSpacing(2);
    const struct
    {
        const char* label;
        COptionList* list;
        int row;
        int column;
    } lists[] = {
        {texts.power, m_pPower, 0, 0},
        {texts.compander, m_pCompander, 0, 2},
        {texts.dtone, m_pDTone, 1, 0},
        {texts.ani, m_pAni, 1, 2},
    };
    for (const auto& item : lists)
    {
        item.list->setMinimumWidth(90);
        auto* label = new QLabel(Latin1(item.label), m_pOptionBox);
        label->setBuddy(item.list);
        m_pOptionGrid->addWidget(label, item.row, item.column);
        m_pOptionGrid->addWidget(item.list, item.row, item.column + 1);
        CFormRows::Name(item.list, Latin1(item.label));
    }

    auto* registryColumn = new QVBoxLayout(m_pRegistryBox);
    registryColumn->setContentsMargins(4, 2, 8, 2);
    registryColumn->addWidget(m_pScanA);
    registryColumn->addWidget(m_pScanB);
    CFormRows::Name(m_pScanA, Latin1(texts.scanGroupA));
    CFormRows::Name(m_pScanB, Latin1(texts.scanGroupB));

    auto* auxRow = new QHBoxLayout(m_pAuxBox);
    auxRow->setContentsMargins(8, 2, 8, 4);
    auxRow->addWidget(m_pAux);
    auxRow->addStretch(1);
    CFormRows::Name(m_pAux, Latin1(texts.auxBox));
}

CSwitchPanel::Values CSwitchPanel::Read() const
{
    return {m_pPower->Value(),     m_pCompander->Value(), m_pDTone->Value(), m_pAni->Value(),
            m_pScanA->isChecked(), m_pScanB->isChecked(), m_pAux->Value()};
}

void CSwitchPanel::Show(const Values& values)
{
    m_pPower->SetValue(values.power);
    m_pCompander->SetValue(values.compander);
    m_pDTone->SetValue(values.dtone);
    m_pAni->SetValue(values.ani);
    m_pScanA->setChecked(values.scanGroupA);
    m_pScanB->setChecked(values.scanGroupB);
    m_pAux->SetValue(values.aux);
}

CSwitchPanel::Values CSwitchPanel::FromSwitches(const ChannelSwitches& switches)
{
    return {switches.reducedPower ? 0 : 1,
            Bit(switches.compander),
            Bit(switches.dtone),
            Bit(switches.ani),
            switches.scanGroupA,
            switches.scanGroupB,
            switches.auxData};
}

bool CSwitchPanel::ToSwitches(const Values& values, ChannelSwitches& switchesInOut)
{
    if (!IsBit(values.power) || !IsBit(values.compander) || !IsBit(values.dtone) ||
        !IsBit(values.ani))
    {
        return false;
    }
    switchesInOut.reducedPower = values.power == 0;
    switchesInOut.compander = values.compander == 0;
    switchesInOut.dtone = values.dtone == 0;
    switchesInOut.ani = values.ani == 0;
    switchesInOut.scanGroupA = values.scanGroupA;
    switchesInOut.scanGroupB = values.scanGroupB;
    switchesInOut.auxData = values.aux;
    return true;
}
