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

    // `caption` is the column heading above the lists: the bit numbers, left
    // to right, set apart by blanks. Each number is placed over its own list.
    CBitRow(QWidget* parent, const char* caption);

    const QString& CaptionText() const { return m_strCaption; }
    // The number standing over the list of bit `bit`.
    QLabel* Heading(int bit) const;
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
    QString m_strCaption;
    std::array<QLabel*, kBits> m_pHeadings{};  // index = bit number
    std::array<COptionList*, kBits> m_pBits{}; // index = bit number
};
