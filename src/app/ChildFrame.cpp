// The pane that holds the active editor view.

// own
#include "app/ChildFrame.h"

// Qt
#include <QVBoxLayout>

CChildFrame::CChildFrame(QWidget* clientArea) : QWidget(clientArea)
{
    // No caption, border or title of its own: it is part of the main window.
    setGeometry(0, 0, kWidth, kHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void CChildFrame::SetView(QWidget* view)
{
    m_pView = view;
    layout()->addWidget(view);
}
