// The Manual form: one byte of the form's own image at a time, addressed by its
// EEPROM address, shown and changed as hexadecimal or as eight bits.
#pragma once

// own
#include "views/Vesk4View.h"


// std
#include <array>
#include <string>

class CBitRow;
class CHexAddressBox;
class QLineEdit;
class QPushButton;

class CManualView : public CVesk4View
{
    Q_OBJECT
public:
    // Which entry OK writes: the last one the user changed.
    enum EditMode
    {
        kEditNone,
        kEditHex,
        kEditBits
    };
    static constexpr std::int64_t kLastAddress = 0x1FFF;

    CManualView(IViewHost& host, QWidget* parent);

    // Address 0, the value controls empty until Decision.
    void RefreshForm() override;

    // Decision and CANCEL: the byte at the address typed. False (with
    // "Hex Address Error ! ") when the address is not hexadecimal in 0..1FFF.
    bool ShowByte();
    // OK: the entry last changed goes into the byte at the address typed, and
    // the form moves on to the next address. False when nothing was written.
    bool WriteByte();
    // A spin arrow moved the address: the byte there is shown.
    void OnAddressStepped();

    EditMode GetEditMode() const { return m_nEditMode; }

    // The controls, for tests.
    CHexAddressBox* AddressBox() const { return m_pAddress; }
    QLineEdit* HexBox() const { return m_pHex; }
    CBitRow* Bits() const { return m_pBits; }
    QPushButton* DecisionButton() const { return m_pDecision; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

private:
    CHexAddressBox* m_pAddress;
    QPushButton* m_pDecision;
    QLineEdit* m_pHex;
    CBitRow* m_pBits;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;

    // The form's values as last read: the address and hex texts, and each
    // bit's selection (element i = bit i; -1 none).
    std::string m_strAddress;
    std::string m_strHex;
    std::array<int, 8> m_nBitSel{};
    EditMode m_nEditMode = kEditNone;

    void BuildLayout();
    // The address typed, when it is hexadecimal through and through;
    // otherwise "Hex Address Error ! " and false.
    bool ReadAddress(std::int64_t& addressOut);
};
