// The port lock "Vesk4Mutex" within one process, between processes, with a
// killed holder, and as seen by Open.

// own
#include "LinkTestSupport.h"

// link
#include "link/CommPort.h"
#include "link/PortLock.h"

// std
#include <csignal>
#include <sys/wait.h>

namespace
{
// A child process that takes the lock, says so through a pipe and holds it
// until killed.
pid_t StartHolder()
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::close(ready[0]);
        CPortLock lock;
        if (!lock.Acquire(2000))
            ::_exit(1);
        (void)!::write(ready[1], "x", 1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char byte = 0;
    const bool held = ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    return held ? child : -1;
}

TEST(PortLock, LockFileFollowsTheRuntimeDirectory)
{
    const std::string expected = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/Vesk4Mutex";
    EXPECT_EQ(CPortLock::LockFilePath(), expected);
}

TEST(PortLock, VanishedRuntimeDirectoryFallsBackToTmp)
{
    const std::string saved = std::getenv("XDG_RUNTIME_DIR");
    ::setenv("XDG_RUNTIME_DIR", "/nonexistent/vesk4-runtime", 1);
    CPortLock lock;
    const bool acquired = lock.Acquire(100);
    lock.Release();
    ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    EXPECT_TRUE(acquired);
}

TEST(PortLock, TwoAcquisitionsInOneProcessExcludeEachOther)
{
    CPortLock first;
    ASSERT_TRUE(first.Acquire(100));
    CPortLock second;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(second.Acquire(100));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    first.Release();
    EXPECT_TRUE(second.Acquire(100));
}

TEST(PortLock, GivingUpEarlyWhenAskedTo)
{
    CPortLock first;
    ASSERT_TRUE(first.Acquire(100));
    std::atomic<bool> keepTrying{false};
    CPortLock second;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(second.Acquire(10000, &keepTrying));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

TEST(PortLock, HeldByAnotherProcessUntilThatProcessIsKilled)
{
    const pid_t holder = StartHolder();
    ASSERT_GT(holder, 0);
    CPortLock lock;
    EXPECT_FALSE(lock.Acquire(200));

    // Open gives up with a lock time-out rather than touching the device.
    CPtyPair pty;
    CCommPort port;
    port.SetDevicePath(pty.SlavePath());
    port.SetLockTimeout(200);
    EXPECT_FALSE(port.Open(0, false));
    EXPECT_EQ(port.LastError(), PortError::LockTimeout);

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(lock.Acquire(1000));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    lock.Release();
    EXPECT_TRUE(port.Open(0, false));
}

TEST(PortLock, ReaderReportsALockTimeOutToItsOwnerAndEnds)
{
    CPtyPair pty;
    ASSERT_TRUE(pty.IsValid());
    CLinkQueue queue;
    CCommPort port;
    port.SetDevicePath(pty.SlavePath());
    port.SetNotifyWindow(&queue);
    port.SetNotifyMessage(kLinkMessage);
    port.SetLockTimeout(200);
    ASSERT_TRUE(port.Open(0, true));
    const pid_t holder = StartHolder();
    ASSERT_GT(holder, 0);
    ASSERT_TRUE(pty.Send("\x02hello\x03"));
    LinkMessage message;
    ASSERT_TRUE(NextMessage(queue, message));
    EXPECT_EQ(message.wParam, kLinkLockTimeout);
    EXPECT_EQ(Text(message.bytes), "同期オブジェクトが開放されません。");
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    for (int i = 0; i < 100 && port.IsReaderRunning(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(port.IsReaderRunning());
}
} // namespace
