// The port dialog: the choice between COM1 and COM2, and the device each of
// them stands for, from the serial devices present.
#pragma once

// link
#include "link/SerialDevices.h"

// Qt
#include <QDialog>

// std
#include <string>
#include <vector>

class QComboBox;
class QRadioButton;
class QTimer;

class CComportDlg : public QDialog
{
    Q_OBJECT
public:
    // Opens with the radio button of `currentPort` (0 = COM1, 1 = COM2) selected.
    CComportDlg(int currentPort, QWidget* parent);
    // The same, with the devices COM1 and COM2 stand for now, to be chosen
    // anew from the devices below `deviceRoot` ("" the machine's own).
    CComportDlg(int currentPort, const std::string& device1, const std::string& device2,
                QWidget* parent, const std::string& deviceRoot = std::string());

    // How often the list follows plugging and unplugging while open.
    static constexpr int kRescanMs = 1000;

    // -1 until the dialog opens, then the current port; the selected port
    // after OK.
    int m_nPort = -1;
    // The devices of COM1 and COM2 after OK: the stable by-id path where the
    // device has one, so that another USB socket keeps the choice.
    std::string m_strDevice1;
    std::string m_strDevice2;

    QRadioButton* Comport1() const { return m_pComport1; }
    QRadioButton* Comport2() const { return m_pComport2; }
    QComboBox* Device1() const { return m_pDevice1; }
    QComboBox* Device2() const { return m_pDevice2; }
    void OnOK();
    // Reads the device list again and shows what changed, keeping each
    // choice; the timer calls it while the dialog is open.
    void RefreshDevices();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FillDevices(QComboBox* box, const std::string& keep) const;

    int m_nCurrentPort;
    QRadioButton* m_pComport1;
    QRadioButton* m_pComport2;
    QComboBox* m_pDevice1 = nullptr;
    QComboBox* m_pDevice2 = nullptr;
    QTimer* m_pRescan = nullptr;
    CSerialDevices m_devices;
    std::vector<SerialDevice> m_present;
};
