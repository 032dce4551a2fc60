// One-shot timers for the forms.

// own
#include "ui/TimerHost.h"

// Qt
#include <QTimerEvent>

CTimerHost::CTimerHost(ITimerTarget& target) : m_target(target) {}

CTimerHost::~CTimerHost()
{
    for (const auto& [id, qtId] : m_qtIds)
    {
        killTimer(qtId);
    }
}

void CTimerHost::SetTimer(int id, int ms)
{
    KillTimer(id);
    const int qtId = startTimer(ms < 0 ? 0 : ms);
    if (qtId != 0)
    {
        m_qtIds[id] = qtId;
    }
}

void CTimerHost::KillTimer(int id)
{
    const auto it = m_qtIds.find(id);
    if (it == m_qtIds.end())
    {
        return;
    }
    killTimer(it->second);
    m_qtIds.erase(it);
}

bool CTimerHost::IsTimerSet(int id) const
{
    return m_qtIds.count(id) != 0;
}

void CTimerHost::timerEvent(QTimerEvent* event)
{
    for (auto it = m_qtIds.begin(); it != m_qtIds.end(); ++it)
    {
        if (it->second == event->timerId())
        {
            // Stop before delivering, so the handler may set the same id again.
            const int id = it->first;
            killTimer(it->second);
            m_qtIds.erase(it);
            m_target.OnTimer(id);
            return;
        }
    }
}
