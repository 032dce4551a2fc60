// What the forms that talk to the radio (Radio Comm, Adjust, Test) share about
// their link: the port the application's choice names, and the way the link's
// traffic, posted on its own threads, reaches the form on its thread.
#pragma once

// ui
#include "ui/LinkSinkAdapter.h"

// link
#include "link/SerialBackend.h"

// Qt
#include <QString>

// std
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CRadioLink;
class IViewHost;
class QObject;

class CViewLink
{
public:
    using Handler = std::function<void(std::int32_t wParam, std::vector<std::uint8_t> bytes)>;

    // `handler` gets each line, step and end the link posts, on `form`'s
    // thread. The form declares this before its link, so the link's threads
    // have ended before the sink they post to goes.
    CViewLink(QObject* form, const IViewHost& host, Handler handler);

    ILinkSink& Sink() { return m_sink; }
    // The port the application's choice names: 2 for COM2, 1 for anything else.
    int PortNumber() const;
    // Points `link` at the application's port map and at this form's sink.
    void Prepare(CRadioLink& link);
    // Prepare, then open the chosen port with its reader and idle RTS low.
    // False when the port could not be opened (the link tells why).
    [[nodiscard]] bool Open(CRadioLink& link);
    // The port line of a form: whether `link`'s port is open and, when not,
    // why and what to do; in a demonstration and when asked, a second line
    // with what the simulated radio is doing now.
    QString PortLine(const CRadioLink& link, bool withRadioState) const;
    // The first line: which device port `portNumber` is and whether it is
    // open, or why not and what to do about it. `group` owns the device (for
    // the permission advice); empty means the usual serial group. `label`
    // names the device as the device list does; `diagnosis`, where the system
    // told why the port cannot be had, replaces the general advice.
    static QString StatusText(int portNumber, const std::string& device, bool open, PortError error,
                              const QString& group, const QString& label = QString(),
                              const QString& diagnosis = QString());

private:
    const IViewHost& m_host;
    CLinkSinkAdapter m_sink;
};
