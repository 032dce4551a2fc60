// vesk4-cli and vesk4-radiosim started as programs, as a user starts them,
// for the end-to-end tests of the command line.
#pragma once

// std
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Starts vesk4-cli in dir without waiting for it, its standard output and
// error going to the files named; uid >= 0 runs it as that user.
inline pid_t StartCliIn(const std::string& dir, std::vector<std::string> args,
                        const std::string& outPath, const std::string& errPath, int uid = -1)
{
    const pid_t child = ::fork();
    if (child == 0)
    {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        if (::chdir(dir.c_str()) != 0)
        {
            ::_exit(126);
        }
        if (uid >= 0 &&
            (::setgid(static_cast<gid_t>(uid)) != 0 || ::setuid(static_cast<uid_t>(uid)) != 0))
        {
            ::_exit(126);
        }
        std::vector<char*> argv = {const_cast<char*>(VESK4_CLI)};
        for (std::string& arg : args)
        {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execv(VESK4_CLI, argv.data());
        ::_exit(127);
    }
    return child;
}

// The exit status of a child that was started; -1 when a signal ended it.
inline int WaitExit(pid_t child)
{
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// One vesk4-radiosim, ended with SIGTERM when it is stopped or goes.
class CSimProcess
{
public:
    CSimProcess() = default;
    ~CSimProcess() { Stop(); }
    CSimProcess(const CSimProcess&) = delete;
    CSimProcess& operator=(const CSimProcess&) = delete;

    // Starts it with args and returns the first line it prints, the device path.
    std::string Start(std::vector<std::string> args)
    {
        int out[2];
        if (::pipe(out) != 0)
        {
            return {};
        }
        const pid_t child = ::fork();
        if (child == 0)
        {
            ::dup2(out[1], STDOUT_FILENO);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDERR_FILENO);
            ::close(out[0]);
            std::vector<char*> argv = {const_cast<char*>(VESK4_RADIOSIM)};
            for (std::string& arg : args)
            {
                argv.push_back(arg.data());
            }
            argv.push_back(nullptr);
            ::execv(VESK4_RADIOSIM, argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_nPid = child;
        m_nOutput = out[0];
        std::string line;
        char c = 0;
        while (::read(m_nOutput, &c, 1) == 1 && c != '\n')
        {
            line += c;
        }
        return line;
    }

    // SIGSTOP stops it as a radio that takes in nothing more.
    void Signal(int signal) const
    {
        if (m_nPid > 0)
        {
            ::kill(m_nPid, signal);
        }
    }

    void Stop()
    {
        if (m_nPid > 0)
        {
            ::kill(m_nPid, SIGCONT);
            ::kill(m_nPid, SIGTERM);
            ::waitpid(m_nPid, nullptr, 0);
            m_nPid = -1;
        }
        if (m_nOutput >= 0)
        {
            ::close(m_nOutput);
        }
        m_nOutput = -1;
    }

private:
    pid_t m_nPid = -1;
    int m_nOutput = -1;
};
