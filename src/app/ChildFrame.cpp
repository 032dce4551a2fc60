// The pane that holds the active editor view.

// own
#include "app/ChildFrame.h"

// Qt
#include <QVBoxLayout>

CChildFrame::CChildFrame(QWidget* clientArea, bool list) : QWidget(clientArea)
{
    // No caption, border or title of its own: it is part of the main window.
    setGeometry(0, 0, list ? kListWidth : kWidth, list ? kListHeight : kHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void CChildFrame::SetView(QWidget* view)
{
    m_pView = view;
    layout()->addWidget(view);
}
