// Re-posting link traffic to the user-interface thread.

// own
#include "ui/LinkSinkAdapter.h"

// Qt
#include <QMetaObject>
#include <QObject>

// std
#include <utility>

CLinkSinkAdapter::CLinkSinkAdapter(QObject* owner, Handler handler)
    : m_pOwner(owner), m_handler(std::move(handler))
{
}

void CLinkSinkAdapter::OnLinkMessage(std::int32_t message, std::int32_t wParam,
                                     std::vector<std::uint8_t> bytes)
{
    // The event is posted to the owner, so Qt discards it if the owner goes
    // first; the handler is copied so nothing here is shared across threads.
    QMetaObject::invokeMethod(
        m_pOwner,
        [handler = m_handler, message, wParam, data = std::move(bytes)]() mutable
        { handler(message, wParam, std::move(data)); },
        Qt::QueuedConnection);
}
