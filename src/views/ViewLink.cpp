// The link of a form that talks to the radio.

// own
#include "views/ViewLink.h"
#include "views/ViewHost.h"

// link
#include "link/RadioLink.h"

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
