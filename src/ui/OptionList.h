// A drop list whose position is the stored value: the many Enable/Disable,
// Lowpower/Normal and HI/LOW choices, the month and the band lists.
#pragma once

// Qt
#include <QComboBox>

// std
#include <initializer_list>

class COptionList : public QComboBox
{
    Q_OBJECT
public:
    COptionList(QWidget* parent, std::initializer_list<const char*> texts);
    // For item tables kept as arrays of texts.
    template <std::size_t N>
    COptionList(QWidget* parent, const char* const (&texts)[N]) : COptionList(parent, {})
    {
        SetItems(texts, N);
    }

    // Replaces the items; the selection is cleared.
    void SetItems(const char* const* texts, std::size_t count);
    // Selects position `value`; a value that names no item selects nothing, so
    // a stored value out of range shows as an empty list rather than a wrong one.
    void SetValue(int value);
    // The selected position, -1 when nothing is selected.
    int Value() const { return currentIndex(); }

signals:
    // The user chose an item (not emitted when the program sets the value).
    void Chosen(int value);
};
