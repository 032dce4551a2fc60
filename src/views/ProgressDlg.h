// The progress window of the Radio Comm form's transfers: "PLEASE WAIT !!", a bar
// over 0..64 and "Cancel". It stays open beside the form while the radio talks.
#pragma once

// Qt
#include <QDialog>

class QProgressBar;
class QPushButton;

class CProgressDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kRange = 64;

    // Modeless, owned by `view`, and shown at once.
    explicit CProgressDlg(QWidget* view);

    void SetPos(int position);

    QProgressBar* Bar() const { return m_pBar; }
    QPushButton* CancelButton() const { return m_pCancel; }

    // "Cancel": tells the form, then the window goes away by itself.
    void OnCancel();

    // Enter, Escape and the window's close box do nothing: only "Cancel" ends
    // a transfer early.
    void reject() override;

signals:
    void Cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QProgressBar* m_pBar;
    QPushButton* m_pCancel;
};
