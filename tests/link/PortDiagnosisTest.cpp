// The port diagnosis, each situation built for real: a device that is not
// there or went away, one held open by another program or locked by another
// copy of this program, and users outside the owning group (a second uid,
// through fork and setuid, on a real pseudo-terminal given to a group). What
// cannot be made real here (a stable by-id name) is a fake tree in a folder.

// own
#include "FakeDeviceTree.h"
#include "LinkTestSupport.h"
#include "TestFiles.h"

// link
#include "link/PortDiagnosis.h"
#include "link/PosixSerialBackend.h"

// std
#include <csignal>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace
{
constexpr uid_t kNobody = 65534;

// A child that runs `hold` and then says so through a pipe, and stays until
// killed. With `untilExec` it is ready only once it has become the program it
// runs: the pipe closes on exec, and until then the holder still bears this
// program's name and would pass for a copy of it.
class CHolder
{
public:
    explicit CHolder(const std::function<void(int ready)>& hold, bool untilExec = false)
    {
        int ready[2];
        if (::pipe2(ready, O_CLOEXEC) != 0)
        {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0)
        {
            ::close(ready[0]);
            hold(ready[1]);
            ::_exit(1);
        }
        ::close(ready[1]);
        char byte = 0;
        m_bReady =
            ::read(ready[0], &byte, 1) == 1 && (!untilExec || ::read(ready[0], &byte, 1) == 0);
        ::close(ready[0]);
    }
    ~CHolder()
    {
        if (m_pid > 0)
        {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool IsReady() const { return m_bReady; }
    pid_t Pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    bool m_bReady = false;
};

// The diagnosis of `path` as user nobody sees it, with primary group `gid`
// and no others: its text through a pipe, its problem as the exit status.
bool DiagnoseAsNobody(const std::string& path, gid_t gid, PortProblem& problem, std::string& text)
{
    int out[2];
    if (::pipe(out) != 0)
    {
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0)
    {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(kNobody) != 0)
        {
            ::_exit(100);
        }
        const PortDiagnosis found = CPortDiagnosis().Diagnose(path);
        const std::string said = CPortDiagnosis::Text(found);
        (void)!::write(out[1], said.data(), said.size());
        ::_exit(static_cast<int>(found.m_problem));
    }
    ::close(out[1]);
    text = ReadText("/dev/fd/" + std::to_string(out[0]));
    ::close(out[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 100)
    {
        return false;
    }
    problem = static_cast<PortProblem>(WEXITSTATUS(status));
    return true;
}
} // namespace

TEST(PortDiagnosisTest, NamesWhatIsWrongAndWhatToDo)
{
    // Held open by a program that takes no lock, and locked by a copy of
    // this program's serial backend.
    CPtyPair opened;
    CPtyPair locked;
    ASSERT_TRUE(opened.IsValid() && locked.IsValid());
    const std::string openedPath = opened.SlavePath();
    CHolder sleeper(
        [&openedPath](int ready)
        {
            if (::open(openedPath.c_str(), O_RDWR | O_NOCTTY) < 0)
            {
                return;
            }
            (void)!::write(ready, "x", 1);
            ::execlp("sleep", "sleep", "600", static_cast<char*>(nullptr));
        },
        true);
    const std::string lockedPath = locked.SlavePath();
    CHolder copy(
        [&lockedPath](int ready)
        {
            CPosixSerialBackend backend;
            if (backend.Open(lockedPath) != PortError::None)
            {
                return;
            }
            (void)!::write(ready, "x", 1);
            for (;;)
            {
                ::pause();
            }
        });
    ASSERT_TRUE(sleeper.IsReady() && copy.IsReady());

    CPtyPair free;
    ASSERT_TRUE(free.IsValid());
    const struct
    {
        std::string path;
        PortProblem problem;
        std::string says;
    } cases[] = {
        {"/nonexistent/ttyUSB9", PortProblem::Missing, "there is no device /nonexistent/ttyUSB9"},
        {openedPath, PortProblem::HeldByProgram,
         "sleep (process " + std::to_string(sleeper.Pid()) + ") has the device open."},
        {lockedPath, PortProblem::HeldByCopy,
         "another copy of this program (process " + std::to_string(copy.Pid()) + ")"},
        {free.SlavePath(), PortProblem::None, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path);
        const PortDiagnosis found = CPortDiagnosis().Diagnose(c.path);
        EXPECT_EQ(found.m_problem, c.problem);
        const std::string text = CPortDiagnosis::Text(found);
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_EQ(text.empty(), c.problem == PortProblem::None) << text;
    }
}

TEST(PortDiagnosisTest, AUserOutsideTheOwningGroupIsToldTheCommand)
{
    if (::getuid() != 0)
    {
        GTEST_SKIP() << "needs root to give a device to a group and to become another user";
    }
    const group* dialout = ::getgrnam("dialout");
    const passwd* nobody = ::getpwuid(kNobody);
    if (!dialout || !nobody)
    {
        GTEST_SKIP() << "no group dialout or user nobody here";
    }
    const gid_t dialoutGid = dialout->gr_gid;
    const gid_t nobodyGid = nobody->pw_gid;
    const gid_t otherGid = nobodyGid == 1 ? 2 : 1; // neither nobody's nor dialout
    const struct
    {
        gid_t owner;
        mode_t mode;
        gid_t userGroup;
        PortProblem problem;
        std::string says;
    } cases[] = {
        // The usual case: the group would let the user in.
        {dialoutGid, 0660, nobodyGid, PortProblem::NotInGroup,
         "Run sudo usermod -aG dialout nobody and then log out and in again"},
        // In the group by the group database (nobody's own group), but not in
        // this login's groups.
        {nobodyGid, 0660, otherGid, PortProblem::NewLoginNeeded, "Log out and in again."},
        // No group may use it.
        {dialoutGid, 0600, nobodyGid, PortProblem::NoPermission, "mode 0600"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.says);
        CPtyPair pty;
        ASSERT_TRUE(pty.IsValid());
        ASSERT_EQ(::chown(pty.SlavePath().c_str(), 0, c.owner), 0);
        ASSERT_EQ(::chmod(pty.SlavePath().c_str(), c.mode), 0);
        PortProblem problem = PortProblem::None;
        std::string text;
        ASSERT_TRUE(DiagnoseAsNobody(pty.SlavePath(), c.userGroup, problem, text));
        EXPECT_EQ(problem, c.problem) << text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
    }
}

TEST(PortDiagnosisTest, KnownHoldersComeWithHowToStopThem)
{
    for (const auto& [program, says] : {std::pair{"brltty", "systemctl mask brltty-udev.service"},
                                        std::pair{"ModemManager", "ID_MM_DEVICE_IGNORE"}})
    {
        const std::string text = CPortDiagnosis::Text(
            {PortProblem::HeldByProgram, "/dev/ttyUSB0", "", "", "", 0, 42, program, {}});
        EXPECT_NE(text.find(says), std::string::npos) << text;
        EXPECT_NE(text.find("(process 42)"), std::string::npos) << text;
    }
}

// The device went: a by-id name whose link udev took away, and a link of the
// user's own left dangling; either way what is present now is listed (a fake
// tree: no such adapter here).
TEST(PortDiagnosisTest, AVanishedDeviceIsNamedAsItWasAndWhatIsPresentIsListed)
{
    CScratchDir dir("vanished");
    ASSERT_TRUE(dir.IsValid());
    CFakeDeviceTree tree(dir.Path());
    tree.AddUsb("ttyUSB0", "0403", "6001", "FTDI", "FT232R USB UART", "A1", "ftdi_sio",
                "usb-FTDI_FT232R_USB_UART_A1-if00-port0");
    tree.AddUsb("ttyUSB1", "067b", "2303", "Prolific", "USB-Serial Controller", "", "pl2303",
                "usb-Prolific_USB-Serial_Controller-if00-port0");
    const std::string own = dir.Path("radio-cable");
    std::filesystem::create_symlink(dir.Path("dev/ttyUSB0"), own);
    tree.Remove("ttyUSB0");
    const CPortDiagnosis diagnosis(dir.Path());
    const PortDiagnosis found =
        diagnosis.Diagnose(dir.Path("dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0"));
    EXPECT_EQ(found.m_problem, PortProblem::Vanished);
    EXPECT_EQ(CPortDiagnosis::Text(found),
              "the device went away: it was usb-FTDI_FT232R_USB_UART_A1-if00-port0. It was "
              "unplugged, or it now has another name: plug the cable back in (any socket keeps "
              "this name), or choose the device again. Serial devices present now: " +
                  dir.Path("dev/serial/by-id/usb-Prolific_USB-Serial_Controller-if00-port0") +
                  " (USB serial cable USB-Serial Controller).");
    const PortDiagnosis dangling = diagnosis.Diagnose(own);
    EXPECT_EQ(dangling.m_problem, PortProblem::Vanished);
    EXPECT_EQ(dangling.m_strStableName, "radio-cable");
    EXPECT_EQ(dangling.m_present, found.m_present);
}
