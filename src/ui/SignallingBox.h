// A signalling box: the type list ("CTCSS", "DCS", "None"), the CTCSS tone list
// and the DCS code box with its spin arrows, enabled as the type allows. Its
// value is the side's signalling: the tone index, the DCS code (its octal
// value, negative when inverted) or nothing.
#pragma once

// own
#include "ui/KitControl.h"

class COptionList;
class CSpinButton;
class QLineEdit;

struct SignallingChoice
{
    static constexpr int kCtcss = 0;
    static constexpr int kDcs = 1;
    static constexpr int kNone = 2;
    // The value a side without signalling stores.
    static constexpr int kNoneValue = 255;

    int type = kNone;
    int value = kNoneValue; // tone index 0..44, signed DCS value, or kNoneValue

    bool operator==(const SignallingChoice&) const = default;
};

class CSignallingBox : public CKitControl
{
    Q_OBJECT
public:
    static constexpr int kDcsMaxLength = 4;

    explicit CSignallingBox(QWidget* parent);

    COptionList* TypeList() const { return m_pType; }
    COptionList* ToneList() const { return m_pTone; }
    QLineEdit* DcsEdit() const { return m_pDcs; }
    CSpinButton* DcsSpin() const { return m_pDcsSpin; }

    // Shows `choice` with its type's enabling. A tone index outside the table
    // selects no tone; the spin's own count starts again from 0.
    void SetValue(const SignallingChoice& choice);
    // The entries as a choice; false (choice untouched) for CTCSS without a
    // tone and for a DCS text that is no code.
    [[nodiscard]] bool ReadValue(SignallingChoice& choiceOut) const;
    // Where the user must look when ReadValue refuses: the tone list for
    // CTCSS, the DCS box for DCS.
    QWidget* EntryOfType() const;

    // The type the user chose: only the entries of that type stay enabled; the
    // DCS box falls back to "0" and the tone selection is dropped where the
    // type leaves no use for them.
    void ApplyType(int type);
    // An arrow of the DCS spin: the next code of the code list up or down;
    // below the first code come the inverted codes.
    void StepDcsCode(int direction);

    void NameAfter(const QString& label) override;

signals:
    // The user chose a type.
    void TypeChosen(int type);

private:
    COptionList* m_pType;
    COptionList* m_pTone;
    QLineEdit* m_pDcs;
    CSpinButton* m_pDcsSpin;
    // The spin's own count, -104..104: where stepping goes on from when the box
    // holds no code of the list.
    int m_nSpinPosition = 0;
};
