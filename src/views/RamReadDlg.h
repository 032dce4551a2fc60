// The RAM read dialog ("RAMREAD"): the address (hexadecimal, with spin arrows)
// and the number of bytes of a radio RAM read.
#pragma once

// ui
#include "ui/FormBinder.h"
#include "ui/HexAddressBox.h"

// Qt
#include <QDialog>

// std
#include <cstdint>
#include <string>

class CSpinButton;
class IUiServices;
class QLineEdit;

class CRamReadDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr std::int64_t kLastAddress = 0xFFFF;
    static constexpr std::int64_t kAddressLimit = 65536; // address + count may reach it
    static constexpr int kMaxCount = 8;

    CRamReadDlg(IUiServices& ui, QWidget* parent);

    // The request after OK.
    std::string m_strAddress = "0";
    int m_nCount = 1;
    std::int32_t m_nAddress = 0;

    QLineEdit* AddressEdit() const { return m_pAddress->Edit(); }
    CSpinButton* AddressSpin() const { return m_pAddress->Spin(); }
    QLineEdit* CountEdit() const { return m_pCount; }

    // An arrow of the address spin: +1 up, -1 down.
    void OnAddressSpin(int direction) { m_pAddress->Step(direction); }
    // Checks the entries; closes with OK only when all pass, else tells the
    // user and stays. True when the dialog closed.
    bool OnOK();

private:
    IUiServices& m_ui;
    CHexAddressBox* m_pAddress;
    QLineEdit* m_pCount;
    CFormBinder m_binder;
};
