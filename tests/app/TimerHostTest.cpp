// One-shot timers through the timer host.

// ui
#include "ui/TimerHost.h"

// Qt
#include <QCoreApplication>
#include <QElapsedTimer>

// std
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace
{
struct Recorder : ITimerTarget
{
    std::vector<int> fired;
    std::function<void(int)> onTimer;
    void OnTimer(int id) override
    {
        fired.push_back(id);
        if (onTimer)
        {
            onTimer(id);
        }
    }
};

// Runs the event loop for `ms` milliseconds.
void Pump(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}
} // namespace

TEST(TimerHostTest, ATimerFiresOnceAndIsThenNoLongerSet)
{
    Recorder target;
    CTimerHost host(target);
    host.SetTimer(3, 10);
    EXPECT_TRUE(host.IsTimerSet(3));
    Pump(80);
    EXPECT_EQ(target.fired, std::vector<int>{3});
    EXPECT_FALSE(host.IsTimerSet(3));
}

TEST(TimerHostTest, KillTimerStopsItAndSettingAgainStartsOver)
{
    Recorder target;
    CTimerHost host(target);
    host.SetTimer(1, 10);
    host.KillTimer(1);
    host.KillTimer(9); // not running: nothing happens
    host.SetTimer(2, 30);
    host.SetTimer(2, 30); // restarted, still one timer
    Pump(100);
    EXPECT_EQ(target.fired, std::vector<int>{2});
}

TEST(TimerHostTest, TheHandlerMaySetItsOwnTimerAgain)
{
    Recorder target;
    CTimerHost host(target);
    target.onTimer = [&](int id)
    {
        if (target.fired.size() < 3)
        {
            host.SetTimer(id, 5);
        }
    };
    host.SetTimer(7, 5);
    Pump(150);
    EXPECT_EQ(target.fired, (std::vector<int>{7, 7, 7}));
}

TEST(TimerHostTest, DestroyingTheHostCancelsItsTimers)
{
    Recorder target;
    {
        CTimerHost host(target);
        host.SetTimer(4, 5);
    }
    Pump(40);
    EXPECT_TRUE(target.fired.empty());
}
