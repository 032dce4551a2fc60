// The About box: program icon, version text and an OK button.
#pragma once

// Qt
#include <QDialog>

class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};
