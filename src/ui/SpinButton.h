// A pair of up and down arrows that step a neighbouring box; the arrows keep no
// value of their own, the box they serve holds it.
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

private:
    QToolButton* m_pUp;
    QToolButton* m_pDown;
};
