// The port dialog: the choice between COM1 and COM2.
#pragma once

// Qt
#include <QDialog>

class QRadioButton;

class CComportDlg : public QDialog
{
    Q_OBJECT
public:
    // Opens with the radio button of `currentPort` (0 = COM1, 1 = COM2) selected.
    CComportDlg(int currentPort, QWidget* parent);

    // The selected port after OK; -1 until then.
    int m_nPort = -1;

    QRadioButton* Comport1() const { return m_pComport1; }
    QRadioButton* Comport2() const { return m_pComport2; }
    void OnOK();

private:
    QRadioButton* m_pComport1;
    QRadioButton* m_pComport2;
};
