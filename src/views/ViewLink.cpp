// The link of a form that talks to the radio.

// own
#include "views/ViewLink.h"
#include "views/ConnectView.h"
#include "views/ViewHost.h"

// link
#include "link/RadioLink.h"

// Qt
#include <QFileInfo>
#include <QString>

CViewLink::CViewLink(QObject* form, const IViewHost& host, Handler handler)
    : m_host(host), m_sink(form,
                           [handler = std::move(handler)](std::int32_t message, std::int32_t wParam,
                                                          std::vector<std::uint8_t> bytes)
                           {
                               if (message == kLinkMessage)
                               {
                                   handler(wParam, std::move(bytes));
                               }
                           })
{
}

int CViewLink::PortNumber() const
{
    return m_host.GetComPort() == 1 ? 2 : 1;
}

void CViewLink::Prepare(CRadioLink& link)
{
    link.SetPortMap(m_host.GetPortMap());
    link.SetNotifyWindow(&m_sink);
    link.SetNotifyMessage(kLinkMessage);
}

bool CViewLink::Open(CRadioLink& link)
{
    Prepare(link);
    const bool opened = link.Open(PortNumber(), true);
    link.ReleaseRts();
    return opened;
}

QString CViewLink::PortLine(const CRadioLink& link) const
{
    const std::string device = link.DeviceName();
    const bool open = link.IsOpen();
    QString group;
    if (!open && link.LastError() == PortError::Denied)
    {
        group = QFileInfo(QString::fromStdString(device)).group();
    }
    QString line =
        CConnectView::PortStatusText(PortNumber(), device, open, link.LastError(), group);
    const std::string demo = m_host.DemoRadioState();
    if (!demo.empty())
    {
        line += QLatin1Char('\n') + QString::fromStdString(demo);
    }
    return line;
}
