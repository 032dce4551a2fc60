// A link sink that queues what the link's threads deliver, for an owner
// without a window (the command line, tests) to take on its own thread.
#pragma once

// own
#include "link/LinkSink.h"

// std
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

struct LinkMessage
{
    std::int32_t message = 0;
    std::int32_t wParam = 0;
    std::vector<std::uint8_t> bytes;
};

class CLinkQueue : public ILinkSink
{
public:
    void OnLinkMessage(std::int32_t message, std::int32_t wParam,
                       std::vector<std::uint8_t> bytes) override;
    // Takes the oldest message, waiting up to timeoutMs (negative: without
    // limit); false when none came.
    [[nodiscard]] bool Wait(int timeoutMs, LinkMessage& out);
    std::size_t Size() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<LinkMessage> m_messages;
};
