// The RAM write dialog ("RAMWRITE"): the address (hexadecimal, with spin
// arrows), the number of bytes and up to eight data bytes of a radio RAM write.
#pragma once

// ui
#include "ui/FormBinder.h"
#include "ui/HexAddressBox.h"
#include "ui/OptionList.h"

// Qt
#include <QDialog>

// std
#include <array>
#include <cstdint>
#include <string>

class CSpinButton;
class IUiServices;
class QLineEdit;

class CRamWriteDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMaxCount = 8;

    CRamWriteDlg(IUiServices& ui, QWidget* parent);

    // The request after OK: m_nCount bytes of m_data at m_nAddress.
    std::string m_strAddress = "0";
    int m_nCountIndex = 0; // count - 1
    std::uint32_t m_nAddress = 0;
    std::uint32_t m_nCount = 0;
    std::array<std::uint8_t, kMaxCount> m_data{};

    QLineEdit* AddressEdit() const { return m_pAddress->Edit(); }
    CSpinButton* AddressSpin() const { return m_pAddress->Spin(); }
    COptionList* CountList() const { return m_pCountList; }
    // Data field 1..8 as index 0..7.
    QLineEdit* DataEdit(int index) const { return m_pData[static_cast<std::size_t>(index)]; }

    // An arrow of the address spin: +1 up, -1 down.
    void OnAddressSpin(int direction) { m_pAddress->Step(direction); }
    // The count selection changed: fields 1..count enabled, the count lowered
    // so that the last byte stays at or below 0x43F.
    void EnableDataFields();
    // Checks the entries; closes with OK only when all pass, else tells the
    // user and stays. True when the dialog closed.
    bool OnOK();

private:
    IUiServices& m_ui;
    CHexAddressBox* m_pAddress;
    COptionList* m_pCountList;
    std::array<QLineEdit*, kMaxCount> m_pData{};
    CFormBinder m_binder;
};
