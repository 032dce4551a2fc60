// A level row: its label, a read-only number box and spin arrows that move the
// value by one within the level's range (the alignment levels).
#pragma once

// own
#include "ui/KitControl.h"

class CSpinButton;
class QLabel;
class QLineEdit;

class CLevelRow : public CKitControl
{
    Q_OBJECT
public:
    // `maxLength` characters fit the box; the arrows hold the value within
    // minimum..maximum.
    CLevelRow(QWidget* parent, const char* label, int minimum, int maximum, int maxLength);

    QLabel* Label() const { return m_pLabel; }
    QLineEdit* Box() const { return m_pBox; }
    CSpinButton* Spin() const { return m_pSpin; }
    int Minimum() const { return m_nMinimum; }
    int Maximum() const { return m_nMaximum; }

    // Shows `value` as it is, even outside the range: a stored byte that no
    // level can take is shown (as the image reports it) rather than hidden.
    void SetValue(int value);
    int Value() const { return m_nValue; }
    bool InRange() const { return m_nValue >= m_nMinimum && m_nValue <= m_nMaximum; }

    void NameAfter(const QString& label) override;

signals:
    // An arrow moved the value (also when it stayed at a limit).
    void Stepped(int value);

private:
    QLabel* m_pLabel;
    QLineEdit* m_pBox;
    CSpinButton* m_pSpin;
    int m_nMinimum;
    int m_nMaximum;
    int m_nValue = 0;
};
