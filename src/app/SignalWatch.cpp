// The signals of an orderly end.

// own
#include "app/SignalWatch.h"

// Qt
#include <QSocketNotifier>

// std
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
// [0] written by the handler, [1] read by the event loop.
int g_fds[2] = {-1, -1};

extern "C" void OnSignal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // A full socket already holds a signal to act on.
    (void)!::write(g_fds[0], &number, 1);
    errno = saved;
}
} // namespace

CSignalWatch::CSignalWatch(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_fds) != 0)
    {
        g_fds[0] = g_fds[1] = -1;
        return;
    }
    m_pNotifier = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, [this] { OnReadable(); });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted calls of the link's threads go on; a second signal of the
    // same kind finds the default action again.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : kSignals)
    {
        ::sigaction(signal, &action, nullptr);
    }
}

CSignalWatch::~CSignalWatch()
{
    for (const int signal : kSignals)
    {
        std::signal(signal, SIG_DFL);
    }
    delete m_pNotifier;
    for (int& fd : g_fds)
    {
        if (fd >= 0)
        {
            ::close(fd);
            fd = -1;
        }
    }
}

void CSignalWatch::OnReadable()
{
    unsigned char number = 0;
    while (::read(g_fds[1], &number, 1) == 1)
    {
        if (m_nSignal != 0)
        {
            continue;
        }
        m_nSignal = number;
        // Any further one of the three ends the program as if nothing watched.
        for (const int signal : kSignals)
        {
            std::signal(signal, SIG_DFL);
        }
        emit Received(m_nSignal);
    }
}
