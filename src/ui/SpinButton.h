// A pair of up and down arrows that step a neighbouring box; the arrows keep no
// value of their own, the box they serve holds it. Held down, an arrow repeats;
// any modal box or dialog that opens over the form releases it first, since the
// box takes the mouse and the arrow would never see its release.
#pragma once

// Qt
#include <QWidget>

class QToolButton;

class CSpinButton : public QWidget
{
    Q_OBJECT
public:
    explicit CSpinButton(QWidget* parent);

    QToolButton* UpArrow() const { return m_pUp; }
    QToolButton* DownArrow() const { return m_pDown; }

    // The arrows carry no text, so screen readers name them after the box they
    // step: "<box> up" and "<box> down".
    void NameFor(const QString& boxName);

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void Stepped(int direction);

protected:
    bool event(QEvent* event) override;

private:
    QToolButton* m_pUp;
    QToolButton* m_pDown;
};
