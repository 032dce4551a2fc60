// One-shot timers keyed by a small identifier, delivered to their owner's
// OnTimer(id) on the user-interface thread.
#pragma once

// Qt
#include <QObject>

// std
#include <map>

class ITimerTarget
{
public:
    virtual ~ITimerTarget() = default;
    virtual void OnTimer(int id) = 0;
};

class CTimerHost : public QObject
{
    Q_OBJECT
public:
    explicit CTimerHost(ITimerTarget& target);
    ~CTimerHost() override;

    // Starts timer `id` to fire once after `ms` milliseconds; a timer of the same
    // id that is still running starts over.
    void SetTimer(int id, int ms);
    // Stops timer `id`; nothing happens when it is not running.
    void KillTimer(int id);
    bool IsTimerSet(int id) const;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    ITimerTarget& m_target;
    std::map<int, int> m_qtIds; // our id -> Qt's timer id
};
