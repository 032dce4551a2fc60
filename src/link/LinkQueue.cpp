// Thread-safe queue of link messages.

// own
#include "link/LinkQueue.h"

// std
#include <chrono>

void CLinkQueue::OnLinkMessage(std::int32_t message, std::int32_t wParam,
                               std::vector<std::uint8_t> bytes)
{
    // Notified under the lock, so a taker that empties the queue and then
    // destroys it cannot do so while this call still uses it.
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.push_back(LinkMessage{message, wParam, std::move(bytes)});
    m_ready.notify_one();
}

bool CLinkQueue::Wait(int timeoutMs, LinkMessage& out)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto ready = [this] { return !m_messages.empty(); };
    if (timeoutMs < 0)
    {
        m_ready.wait(lock, ready);
    }
    else if (!m_ready.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
    {
        return false;
    }
    out = std::move(m_messages.front());
    m_messages.pop_front();
    return true;
}

std::size_t CLinkQueue::Size() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages.size();
}
