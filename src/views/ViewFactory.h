// Creates the editor form of a view index; the document templates use it.
#pragma once

class IViewHost;
class CVesk4View;
class QWidget;

// The form of `viewIndex` (ViewIndex), owned by `parent`.
CVesk4View* CreateView(int viewIndex, IViewHost& host, QWidget* parent);
