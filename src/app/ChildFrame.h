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
    // The pane of the Channel List form, in the window grown for it.
    static constexpr int kListWidth = 1172;
    static constexpr int kListHeight = 610;

    CChildFrame(QWidget* clientArea, bool list);

    // Puts the view into the pane; the pane owns it from then on.
    void SetView(QWidget* view);
    QWidget* GetView() const { return m_pView; }

private:
    QWidget* m_pView = nullptr;
};
