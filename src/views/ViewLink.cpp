// The link of a form that talks to the radio.

// own
#include "views/ViewLink.h"
#include "views/ViewHost.h"
#include "views/ViewTexts.h"

// link
#include "link/PortDiagnosis.h"
#include "link/RadioLink.h"
#include "link/SerialDevices.h"

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

QString CViewLink::PortLine(const CRadioLink& link, bool withRadioState) const
{
    const std::string device = link.DeviceName();
    const bool open = link.IsOpen();
    QString group;
    if (!open && link.LastError() == PortError::Denied)
    {
        group = QFileInfo(QString::fromStdString(device)).group();
    }
    // The device as the list names it: what it is and its node, though the
    // port may be kept by its stable by-id link.
    SerialDevice described;
    QString label;
    std::string shown = device;
    if (!device.empty() && CSerialDevices().Describe(device, described))
    {
        label = QString::fromStdString(CSerialDevices::Label(described));
        shown = described.m_strNode;
    }
    // Only the errors a look at the system can explain; the port's own
    // hold on a device it has open is no problem.
    QString diagnosis;
    const PortError error = link.LastError();
    if (!open && !device.empty() &&
        (error == PortError::Missing || error == PortError::InUse || error == PortError::Denied ||
         error == PortError::Lost))
    {
        diagnosis = QString::fromStdString(CPortDiagnosis::Text(CPortDiagnosis().Diagnose(device)));
    }
    QString line = StatusText(PortNumber(), shown, open, error, group, label, diagnosis);
    const std::string demo = withRadioState ? m_host.DemoRadioState() : std::string();
    if (!demo.empty())
    {
        line += QLatin1Char('\n') + QString::fromStdString(demo);
    }
    return line;
}

QString CViewLink::StatusText(int portNumber, const std::string& device, bool open, PortError error,
                              const QString& group, const QString& label, const QString& diagnosis)
{
    const char* text = ViewText::kPortFailed;
    if (open)
    {
        text = ViewText::kPortOpen;
    }
    else
    {
        switch (error)
        {
        case PortError::Missing:
            text = ViewText::kPortMissing;
            break;
        case PortError::InUse:
            text = ViewText::kPortInUse;
            break;
        case PortError::Denied:
            text = ViewText::kPortDenied;
            break;
        case PortError::NotSerial:
            text = ViewText::kPortNotSerial;
            break;
        case PortError::Configure:
            text = ViewText::kPortConfigure;
            break;
        case PortError::LockTimeout:
            text = ViewText::kPortLockBusy;
            break;
        case PortError::Lost:
            text = ViewText::kPortLost;
            break;
        case PortError::None:
        case PortError::Failed:
            break;
        }
    }
    const QString name = QStringLiteral("COM%1").arg(portNumber);
    QString path = device.empty() ? QString::fromLatin1(ViewText::kPortNoDevice)
                                  : QString::fromStdString(device);
    if (!label.isEmpty())
    {
        path = label + QStringLiteral(", ") + path;
    }
    if (!open && !diagnosis.isEmpty())
    {
        return QString::fromLatin1(ViewText::kPortDiagnosed).arg(name, path, diagnosis);
    }
    QString result = QString::fromLatin1(text).arg(name, path);
    if (text == ViewText::kPortDenied)
    {
        result = result.arg(group.isEmpty() || group == QLatin1String("root")
                                ? QString::fromLatin1(ViewText::kDefaultSerialGroup)
                                : group);
    }
    return result;
}
