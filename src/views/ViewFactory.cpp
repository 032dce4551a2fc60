// Which form class serves which view index.

// own
#include "views/ViewFactory.h"
#include "views/AdjustView.h"
#include "views/ChannelListView.h"
#include "views/ChannelView.h"
#include "views/ConnectView.h"
#include "views/ManualView.h"
#include "views/ModelView.h"
#include "views/OptionView.h"
#include "views/TestView.h"
#include "views/TwoToneView.h"
#include "views/Vesk4View.h"

// ui
#include "ui/CommandIds.h"

CVesk4View* CreateView(int viewIndex, IViewHost& host, QWidget* parent)
{
    switch (viewIndex)
    {
    case VIEW_MODEL:
        return new CModelView(host, parent);
    case VIEW_CONNECT:
        return new CConnectView(host, parent);
    case VIEW_CHANNEL:
        return new CChannelView(host, parent);
    case VIEW_OPTION:
        return new COptionView(host, parent);
    case VIEW_MANUAL:
        return new CManualView(host, parent);
    case VIEW_2TONE:
        return new C2ToneView(host, parent);
    case VIEW_ADJUST:
        return new CAdjustView(host, parent);
    case VIEW_TEST:
        return new CTestView(host, parent);
    case VIEW_CHANNEL_LIST:
        return new CChannelListView(host, parent);
    default:
        // Forms not built yet are empty, so switching between all eight works.
        return new CVesk4View(host, viewIndex, parent);
    }
}
