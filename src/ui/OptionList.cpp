// A drop list whose position is the stored value.

// own
#include "ui/OptionList.h"
#include "ui/OptionListAccessible.h"

COptionList::COptionList(QWidget* parent, std::initializer_list<const char*> texts)
    : QComboBox(parent)
{
    COptionListAccessible::Install();
    connect(this, &QComboBox::activated, this, &COptionList::Chosen);
    SetItems(texts.begin(), texts.size());
}

void COptionList::SetItems(const char* const* texts, std::size_t count)
{
    clear();
    for (std::size_t i = 0; i < count; ++i)
    {
        addItem(QString::fromLatin1(texts[i]));
    }
    setCurrentIndex(-1);
}

void COptionList::SetValue(int value)
{
    setCurrentIndex(value >= 0 && value < count() ? value : -1);
}
