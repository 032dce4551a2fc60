// A bit row: eight "0"/"1" lists under a caption, bit 7 at the left; its value
// is the byte they spell (auxiliary data, the raw byte editor, the test form).
#pragma once

// own
#include "ui/KitControl.h"

// std
#include <array>

class COptionList;
class QLabel;

class CBitRow : public CKitControl
{
    Q_OBJECT
public:
    static constexpr int kBits = 8;

    // `caption` is the column heading above the lists (the bit numbers).
    CBitRow(QWidget* parent, const char* caption);

    QLabel* Caption() const { return m_pCaption; }
    // The list of bit `bit` (0 = the rightmost).
    COptionList* BitList(int bit) const;

    // Selects each bit's list from `value`'s bits.
    void SetValue(int value);
    // The byte the lists spell; a list without a selection counts as 1.
    int Value() const;
    // No list selected: nothing is shown until a byte is.
    void Clear();

    void NameAfter(const QString& label) override;

signals:
    // The user chose in one of the lists.
    void Changed();

private:
    QLabel* m_pCaption;
    std::array<COptionList*, kBits> m_pBits{}; // index = bit number
};
