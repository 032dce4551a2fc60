// Which form class serves which view index.

// own
#include "views/ViewFactory.h"
#include "views/ConnectView.h"
#include "views/ModelView.h"
#include "views/Vesk4View.h"

// app
#include "app/CommandIds.h"

CVesk4View* CreateView(int viewIndex, CVesk4App& app, QWidget* parent)
{
    switch (viewIndex)
    {
    case VIEW_MODEL:
        return new CModelView(app, parent);
    case VIEW_CONNECT:
        return new CConnectView(app, parent);
    default:
        // Forms not built yet are empty, so switching between all eight works.
        return new CVesk4View(app, viewIndex, parent);
    }
}
