// The Directory dialog: one edit box for a folder that becomes the current
// directory, the starting folder of the Open and Save dialogs.
#pragma once

// Qt
#include <QDialog>

class IUiServices;
class QLineEdit;

class CDirectoryDlg : public QDialog
{
    Q_OBJECT
public:
    CDirectoryDlg(IUiServices& ui, QWidget* parent);

    QLineEdit* DirectoryEdit() const { return m_pDirectory; }
    // OK: changes the current directory to the text and closes the dialog; if
    // that fails, tells the user and stays open for another try. True when the
    // dialog closed.
    bool OnOK();

private:
    IUiServices& m_ui;
    QLineEdit* m_pDirectory;
};
