// One document template per editor view: it opens the view with its document and
// child frame, and closes all three together.
#pragma once

// Qt
#include <QPointer>

// std
#include <memory>

class CChildFrame;
class CVesk4App;
class CVesk4Doc;
class CVesk4View;
class QWidget;

class CDocTemplate
{
public:
    explicit CDocTemplate(int viewIndex);
    ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    int GetViewIndex() const { return m_nViewIndex; }
    bool HasDocument() const { return m_pDocument != nullptr; }

    // Creates the document, a child frame in `clientArea` and the view, shows
    // them and runs the view's initial update. Does nothing when a document is
    // already open.
    void OpenDocumentFile(CVesk4App& app, QWidget* clientArea);
    // Destroys the view, its child frame and the document, asking nothing.
    void CloseAllDocuments();
    CVesk4View* GetView() const;

private:
    int m_nViewIndex;
    std::unique_ptr<CVesk4Doc> m_pDocument;
    QPointer<CChildFrame> m_pFrame; // owned through Qt's parent chain
    QPointer<CVesk4View> m_pView;
};
