// The unframed pane inside the main window that holds the one editor view on
// screen.
#pragma once

// Qt
#include <QWidget>

class CChildFrame : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 632;
    static constexpr int kHeight = 430;

    explicit CChildFrame(QWidget* clientArea);

    // Puts the view into the pane; the pane owns it from then on.
    void SetView(QWidget* view);
    QWidget* GetView() const { return m_pView; }

private:
    QWidget* m_pView = nullptr;
};
