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

    // -1 until the dialog opens, then the current port; the selected port
    // after OK.
    int m_nPort = -1;

    QRadioButton* Comport1() const { return m_pComport1; }
    QRadioButton* Comport2() const { return m_pComport2; }
    void OnOK();

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_nCurrentPort;
    QRadioButton* m_pComport1;
    QRadioButton* m_pComport2;
};
