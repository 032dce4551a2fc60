// Carries what the link reports on its own threads over to the user-interface
// thread, where the owning form handles it.
#pragma once

// link
#include "link/LinkSink.h"

// std
#include <cstdint>
#include <functional>
#include <vector>

class QObject;

class CLinkSinkAdapter : public ILinkSink
{
public:
    using Handler = std::function<void(std::int32_t message, std::int32_t wParam,
                                       std::vector<std::uint8_t> bytes)>;

    // `handler` runs on the thread of `owner` (a form), queued behind whatever
    // that thread is doing. Calls still queued when `owner` is destroyed are
    // dropped with it, so the handler may use the owner freely.
    CLinkSinkAdapter(QObject* owner, Handler handler);

    // Called on the link's threads; the bytes travel by value.
    void OnLinkMessage(std::int32_t message, std::int32_t wParam,
                       std::vector<std::uint8_t> bytes) override;

private:
    QObject* m_pOwner;
    Handler m_handler;
};
