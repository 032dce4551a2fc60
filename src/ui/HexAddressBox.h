// A hexadecimal address box with spin arrows (the RAM dialogs, the Manual
// form). The arrows move the address by one within the box's range; what is
// typed is read only as far as it is hexadecimal, as the dialogs read it.
#pragma once

// own
#include "ui/KitControl.h"

// std
#include <cstdint>

class CSpinButton;
class QLineEdit;

class CHexAddressBox : public CKitControl
{
    Q_OBJECT
public:
    CHexAddressBox(QWidget* parent, std::int64_t first, std::int64_t last);

    QLineEdit* Edit() const { return m_pEdit; }
    CSpinButton* Spin() const { return m_pSpin; }

    // The address at the start of the text; 0 when no hexadecimal digit starts it.
    std::int64_t LeadingValue() const;
    // Shows `address` as lower-case hexadecimal without leading zeros.
    void SetValue(std::int64_t address);
    // +1 up, -1 down: the leading value moved by one, held within the range.
    void Step(int direction);

    void NameAfter(const QString& label) override;

signals:
    // After an arrow has moved the address.
    void Stepped();

private:
    QLineEdit* m_pEdit;
    CSpinButton* m_pSpin;
    std::int64_t m_nFirst;
    std::int64_t m_nLast;
};
