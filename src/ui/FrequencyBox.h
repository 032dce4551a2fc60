// A frequency box: the MHz edit with spin arrows beside it. The arrows, the Up
// and Down keys and the mouse wheel all ask for one step; the form that owns
// the box does the stepping, since only it knows the band and the step.
#pragma once

// own
#include "ui/KitControl.h"

class CSpinButton;
class QLineEdit;

class CFrequencyBox : public CKitControl
{
    Q_OBJECT
public:
    static constexpr int kMaxLength = 11;

    explicit CFrequencyBox(QWidget* parent);

    QLineEdit* Edit() const { return m_pEdit; }
    CSpinButton* Spin() const { return m_pSpin; }

    // Shows `mhz` with the five decimals of the 10 Hz grid.
    void SetValue(double mhz);
    // The entry as a frequency; false (value untouched) when it is not one.
    [[nodiscard]] bool ReadValue(double& mhzOut) const;

    void NameAfter(const QString& label) override;

signals:
    // +1 up, -1 down.
    void StepRequested(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_pEdit;
    CSpinButton* m_pSpin;
    // Wheel movement not yet worth a whole step (fine-grained wheels and
    // touchpads report fractions of a notch).
    int m_nWheelRest = 0;
};
