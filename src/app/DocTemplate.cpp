// Opening and closing an editor view together with its document and frame.

// own
#include "app/DocTemplate.h"
#include "app/ChildFrame.h"
#include "app/MainFrame.h"
#include "app/Vesk4App.h"
#include "app/Vesk4Doc.h"

// views
#include "ui/CommandIds.h"
#include "views/ViewFactory.h"
#include "views/Vesk4View.h"

CDocTemplate::CDocTemplate(int viewIndex) : m_nViewIndex(viewIndex) {}

CDocTemplate::~CDocTemplate()
{
    CloseAllDocuments();
}

void CDocTemplate::OpenDocumentFile(CVesk4App& app, QWidget* clientArea)
{
    if (m_pDocument)
    {
        return;
    }
    m_pDocument = std::make_unique<CVesk4Doc>();
    m_pFrame = new CChildFrame(clientArea, m_nViewIndex == VIEW_CHANNEL_LIST);
    m_pView = CreateView(m_nViewIndex, app, m_pFrame);
    m_pFrame->SetView(m_pView);
    if (CMainFrame* mainFrame = app.GetMainFrame())
    {
        QObject::connect(m_pView, &CVesk4View::CommandStateChanged, mainFrame,
                         &CMainFrame::UpdateCommandUI);
    }
    m_pFrame->show();
    m_pView->OnInitialUpdate();
    m_pView->setFocus();
}

void CDocTemplate::CloseAllDocuments()
{
    // Deleting the frame deletes the view inside it.
    delete m_pFrame.data();
    m_pFrame = nullptr;
    m_pView = nullptr;
    m_pDocument.reset();
}

CVesk4View* CDocTemplate::GetView() const
{
    return m_pDocument ? m_pView.data() : nullptr;
}
