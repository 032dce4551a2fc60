// A bit row.

// own
#include "ui/BitRow.h"
#include "ui/OptionList.h"
#include "ui/UiTexts.h"

// Qt
#include <QGridLayout>
#include <QLabel>
#include <QStringList>

CBitRow::CBitRow(QWidget* parent, const char* caption)
    : CKitControl(parent), m_strCaption(QString::fromLatin1(caption))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    // Blanks cannot place a number over a list: their width is the font's,
    // the lists' the style's. Each number gets its list's column instead.
    const QStringList numbers = m_strCaption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int bit = kBits - 1; bit >= 0; --bit)
    {
        const int column = kBits - 1 - bit;
        auto* heading = new QLabel(column < numbers.size() ? numbers.at(column) : QString(), this);
        m_pHeadings[static_cast<std::size_t>(bit)] = heading;
        grid->addWidget(heading, 0, column, Qt::AlignHCenter | Qt::AlignBottom);
        auto* list = new COptionList(this, UiText::kBitChoices);
        list->setMinimumWidth(44);
        m_pBits[static_cast<std::size_t>(bit)] = list;
        grid->addWidget(list, 1, column);
        connect(list, &COptionList::Chosen, this, &CBitRow::Changed);
    }
    setFocusProxy(m_pBits[kBits - 1]);
    NameAfter(QString());
    Clear();
}

QLabel* CBitRow::Heading(int bit) const
{
    return m_pHeadings.at(static_cast<std::size_t>(bit));
}

COptionList* CBitRow::BitList(int bit) const
{
    return m_pBits.at(static_cast<std::size_t>(bit));
}

void CBitRow::SetValue(int value)
{
    for (int bit = 0; bit < kBits; ++bit)
    {
        BitList(bit)->SetValue((value >> bit) & 1);
    }
}

int CBitRow::Value() const
{
    int value = 0;
    for (int bit = 0; bit < kBits; ++bit)
    {
        if (BitList(bit)->Value() != 0)
        {
            value |= 1 << bit;
        }
    }
    return value;
}

void CBitRow::Clear()
{
    for (COptionList* list : m_pBits)
    {
        list->SetValue(-1);
    }
}

void CBitRow::NameAfter(const QString& label)
{
    for (int bit = 0; bit < kBits; ++bit)
    {
        BitList(bit)->setAccessibleName(
            QString::fromLatin1(UiText::kBitListName).arg(label).arg(bit).trimmed());
    }
}
