// The port lock "Vesk4Mutex": where its file may live, within one process,
// between processes, with a killed holder, and as seen by Open.

// own
#include "LinkTestSupport.h"

// link
#include "link/CommPort.h"
#include "link/PortLock.h"

// std
#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>

namespace
{
// A child process that takes the lock of device (none: the lock of no
// device), says so through a pipe and holds it until killed.
pid_t StartHolder(const std::string& device = {})
{
    int ready[2];
    if (::pipe(ready) != 0)
    {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::close(ready[0]);
        CPortLock lock(device);
        if (!lock.Acquire(2000))
        {
            ::_exit(1);
        }
        (void)!::write(ready[1], "x", 1);
        for (;;)
        {
            ::pause();
        }
    }
    ::close(ready[1]);
    char byte = 0;
    const bool held = ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    return held ? child : -1;
}

// Each case lays out the runtime directory and the per-user folder, then says
// where the lock must live or that it must be refused. Every folder is made
// inside this test process's private one, never the machine-wide /tmp.
class PortLockPlace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        ASSERT_NE(runtime, nullptr);
        m_strSavedRuntime = runtime;
        m_strRoot = m_strSavedRuntime + "/place-" + std::to_string(m_nCounter++);
        ASSERT_EQ(::mkdir(m_strRoot.c_str(), 0700), 0);
        ASSERT_EQ(::mkdir((m_strRoot + "/parent").c_str(), 0755), 0);
        m_strSavedParent = CPortLock::FallbackParent();
        char cwd[4096];
        ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
        m_strSavedCwd = cwd;
        CPortLock::SetFallbackParent(m_strRoot + "/parent");
    }
    void TearDown() override
    {
        ::setenv("XDG_RUNTIME_DIR", m_strSavedRuntime.c_str(), 1);
        CPortLock::SetFallbackParent(m_strSavedParent);
        EXPECT_EQ(::chdir(m_strSavedCwd.c_str()), 0);
        std::error_code error;
        std::filesystem::remove_all(m_strRoot, error);
    }

    std::string PerUser() const
    {
        return m_strRoot + "/parent/vesk4-" + std::to_string(::geteuid());
    }
    // A folder with exactly this mode, whatever the umask.
    std::string MakeFolder(const std::string& name, mode_t mode) const
    {
        const std::string path = m_strRoot + "/" + name;
        EXPECT_EQ(::mkdir(path.c_str(), 0700), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }

    std::string m_strRoot;
    std::string m_strSavedRuntime;
    std::string m_strSavedParent;
    std::string m_strSavedCwd;
    static inline int m_nCounter = 0;
};

mode_t ModeOf(const std::string& path)
{
    struct stat info{};
    return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// Another user's id that root can hand files to; 0 when the test does not run
// as root and so cannot.
uid_t OtherUser()
{
    return ::geteuid() == 0 ? 65534 : 0;
}

TEST_F(PortLockPlace, LockFileLivesOnlyInAFolderNoOtherUserCanWrite)
{
    enum class Runtime
    {
        Private,         // 0700, ours
        Unset,
        Empty,
        Relative,        // not an absolute path: ignored
        Vanished,        // a logged-out session's
        GroupWritable,   // 0770
        WorldWritable,   // 1777, as /tmp
        OtherOwner,      // 0700, another user's
        LinkToPrivate,   // a symbolic link to a private folder
    };
    const struct
    {
        const char* name;
        Runtime runtime;
        bool inRuntime; // else in the per-user folder
    } cases[] = {
        {"private runtime directory", Runtime::Private, true},
        {"no runtime directory", Runtime::Unset, false},
        {"empty runtime directory", Runtime::Empty, false},
        {"relative runtime directory", Runtime::Relative, false},
        {"vanished runtime directory", Runtime::Vanished, false},
        {"group-writable runtime directory", Runtime::GroupWritable, false},
        {"world-writable runtime directory", Runtime::WorldWritable, false},
        {"runtime directory of another user", Runtime::OtherOwner, false},
        {"runtime directory through a link", Runtime::LinkToPrivate, false},
    };
    int index = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::string tag = std::to_string(index++);
        std::string runtime;
        switch (c.runtime)
        {
        case Runtime::Private:
            runtime = MakeFolder("run" + tag, 0700);
            break;
        case Runtime::Unset:
        case Runtime::Empty:
            break;
        case Runtime::Relative:
            ASSERT_EQ(::chdir(m_strRoot.c_str()), 0);
            runtime = "run" + tag;
            MakeFolder(runtime, 0700);
            break;
        case Runtime::Vanished:
            runtime = m_strRoot + "/gone" + tag;
            break;
        case Runtime::GroupWritable:
            runtime = MakeFolder("run" + tag, 0770);
            break;
        case Runtime::WorldWritable:
            runtime = MakeFolder("run" + tag, 01777);
            break;
        case Runtime::OtherOwner:
            if (OtherUser() == 0)
            {
                continue; // only root can make another user's folder
            }
            runtime = MakeFolder("run" + tag, 0700);
            ASSERT_EQ(::chown(runtime.c_str(), OtherUser(), OtherUser()), 0);
            break;
        case Runtime::LinkToPrivate:
            runtime = m_strRoot + "/link" + tag;
            ASSERT_EQ(::symlink(MakeFolder("target" + tag, 0700).c_str(), runtime.c_str()), 0);
            break;
        }
        if (c.runtime == Runtime::Unset)
        {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
        else
        {
            ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        }

        std::string path;
        ASSERT_TRUE(CPortLock::LockFilePath(path));
        const std::string folder = c.inRuntime ? runtime : PerUser();
        EXPECT_EQ(path, folder + "/Vesk4Mutex");
        CPortLock lock;
        ASSERT_TRUE(lock.Acquire(100));
        lock.Release();
        EXPECT_EQ(ModeOf(path), 0600u);
        if (!c.inRuntime)
        {
            EXPECT_EQ(ModeOf(PerUser()), 0700u);
            EXPECT_FALSE(std::filesystem::exists(runtime + "/Vesk4Mutex"));
        }
        std::error_code error;
        std::filesystem::remove_all(PerUser(), error);
    }
}

TEST_F(PortLockPlace, UnsafePerUserFolderOrLockFileIsRefusedAtOnce)
{
    const std::string other = MakeFolder("other", 0700);
    // The lock of the device the port below opens.
    const std::string lockFile = "/" + CPortLock::LockFileName("/dev/null");
    const struct
    {
        const char* name;
        std::function<bool(const std::string& folder)> prepare; // false: cannot here
    } cases[] = {
        {"folder writable by others", [](const std::string& folder)
         { return ::mkdir(folder.c_str(), 0700) == 0 && ::chmod(folder.c_str(), 0777) == 0; }},
        {"folder of another user",
         [](const std::string& folder)
         {
             return OtherUser() != 0 && ::mkdir(folder.c_str(), 0700) == 0 &&
                    ::chown(folder.c_str(), OtherUser(), OtherUser()) == 0;
         }},
        {"folder is a link to a private folder",
         [&](const std::string& folder) { return ::symlink(other.c_str(), folder.c_str()) == 0; }},
        {"folder is a file",
         [](const std::string& folder)
         {
             const int fd = ::open(folder.c_str(), O_CREAT | O_WRONLY, 0600);
             return fd >= 0 && ::close(fd) == 0;
         }},
        {"lock file is a link",
         [&](const std::string& folder)
         {
             return ::mkdir(folder.c_str(), 0700) == 0 &&
                    ::symlink((other + lockFile).c_str(), (folder + lockFile).c_str()) == 0;
         }},
        {"lock file of another user",
         [&](const std::string& folder)
         {
             if (OtherUser() == 0 || ::mkdir(folder.c_str(), 0700) != 0)
             {
                 return false;
             }
             const std::string file = folder + lockFile;
             const int fd = ::open(file.c_str(), O_CREAT | O_WRONLY, 0444);
             return fd >= 0 && ::close(fd) == 0 &&
                    ::chown(file.c_str(), OtherUser(), OtherUser()) == 0;
         }},
        {"lock file is a folder",
         [&](const std::string& folder) {
             return ::mkdir(folder.c_str(), 0700) == 0 &&
                    ::mkdir((folder + lockFile).c_str(), 0700) == 0;
         }},
    };
    ::unsetenv("XDG_RUNTIME_DIR");
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::error_code error;
        std::filesystem::remove_all(PerUser(), error);
        if (!c.prepare(PerUser()))
        {
            continue; // only root can make another user's files
        }
        std::string path;
        if (std::string(c.name).rfind("folder", 0) == 0)
        {
            EXPECT_FALSE(CPortLock::LockFilePath(path)) << path;
        }
        CPortLock lock("/dev/null");
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(lock.Acquire(5000));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
        EXPECT_FALSE(std::filesystem::exists(other + lockFile));

        // A port refuses to open rather than run without the lock.
        CCommPort port;
        port.SetDevicePath("/dev/null");
        EXPECT_FALSE(port.Open(0, false));
        EXPECT_EQ(port.LastError(), PortError::LockTimeout);
        std::filesystem::remove_all(PerUser(), error);
    }
}

TEST_F(PortLockPlace, LockFileReadableByOthersIsMadePrivate)
{
    const std::string runtime = MakeFolder("run", 0700);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const std::string file = runtime + "/Vesk4Mutex";
    const int fd = ::open(file.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    CPortLock lock;
    ASSERT_TRUE(lock.Acquire(100));
    EXPECT_EQ(ModeOf(file), 0600u);
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
    CPtyPair pty;
    ASSERT_TRUE(pty.IsValid());
    const pid_t holder = StartHolder(pty.SlavePath());
    ASSERT_GT(holder, 0);
    CPortLock lock(pty.SlavePath());
    EXPECT_FALSE(lock.Acquire(200));

    // Open gives up with a lock time-out rather than touching the device.
    CCommPort port;
    port.SetDevicePath(pty.SlavePath());
    port.SetLockTimeout(200);
    EXPECT_FALSE(port.Open(0, false));
    EXPECT_EQ(port.LastError(), PortError::LockTimeout);

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    // Freed with the holder, not when some time-out runs out.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(lock.Acquire(10000));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(5000));
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
    const pid_t holder = StartHolder(pty.SlavePath());
    ASSERT_GT(holder, 0);
    ASSERT_TRUE(pty.Send("\x02hello\x03"));
    LinkMessage message;
    ASSERT_TRUE(NextMessage(queue, message));
    EXPECT_EQ(message.wParam, kLinkLockTimeout);
    EXPECT_EQ(Text(message.bytes), "同期オブジェクトが開放されません。");
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(WaitFor([&] { return !port.IsReaderRunning(); }));
}

// Each device has a lock of its own, shared by every name that leads to it,
// and its file name stays inside the lock folder whatever the device is called.
TEST(PortLock, OneLockPerDevice)
{
    CPtyPair first;
    CPtyPair second;
    ASSERT_TRUE(first.IsValid() && second.IsValid());
    const std::string link = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/by-id-radio";
    std::filesystem::remove(link);
    ASSERT_EQ(::symlink(first.SlavePath().c_str(), link.c_str()), 0);

    CPortLock held(first.SlavePath());
    ASSERT_TRUE(held.Acquire(100));
    // A port on another device waits for nobody.
    CCommPort other;
    other.SetDevicePath(second.SlavePath());
    other.SetLockTimeout(200);
    EXPECT_TRUE(other.Open(0, false));
    CPortLock sameByLink(link);
    EXPECT_FALSE(sameByLink.Acquire(100)) << "a second name of the held device";
    CPortLock none;
    EXPECT_TRUE(none.Acquire(100)) << "the lock of no device is not a device's";
    std::filesystem::remove(link);

    const struct
    {
        const char* device;
        const char* file;
    } names[] = {
        {"", "Vesk4Mutex"},
        {"/no/such/tty", "Vesk4Mutex-%2Fno%2Fsuch%2Ftty"},
        {"../x y", "Vesk4Mutex-..%2Fx%20y"},
    };
    for (const auto& n : names)
    {
        EXPECT_EQ(CPortLock::LockFileName(n.device), n.file);
    }
    const std::string longName = "/dev/" + std::string(400, 'a');
    const std::string longFile = CPortLock::LockFileName(longName);
    EXPECT_LT(longFile.size(), 255U);
    EXPECT_NE(longFile, CPortLock::LockFileName(longName + "b"));
}
} // namespace
