// Programs started as a user starts them.

// own
#include "ProgramRunner.h"
#include "TestFiles.h"

// std
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
std::vector<std::string> Environment(const ProgramRun& run)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry)
    {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool dropped = false;
        for (const std::string& unset : run.unset)
        {
            dropped = dropped || unset == name;
        }
        for (const auto& setting : run.env)
        {
            dropped = dropped || setting.first == name;
        }
        if (!dropped)
        {
            environment.push_back(text);
        }
    }
    for (const auto& [name, value] : run.env)
    {
        environment.push_back(name + "=" + value);
    }
    return environment;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
    {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

int OpenOutput(const std::string& path)
{
    return path.empty() ? ::open("/dev/null", O_WRONLY)
                        : ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
}
} // namespace

pid_t StartProgram(const ProgramRun& run)
{
    std::vector<std::string> args = {run.program};
    args.insert(args.end(), run.args.begin(), run.args.end());
    std::vector<std::string> environment = Environment(run);
    const std::vector<char*> argv = Pointers(args);
    const std::vector<char*> envp = Pointers(environment);
    const pid_t child = ::fork();
    if (child == 0)
    {
        const int out = OpenOutput(run.outPath);
        const int err = OpenOutput(run.errPath);
        if (out < 0 || err < 0 || ::dup2(out, STDOUT_FILENO) < 0 || ::dup2(err, STDERR_FILENO) < 0)
        {
            ::_exit(126);
        }
        if (!run.dir.empty() && ::chdir(run.dir.c_str()) != 0)
        {
            ::_exit(126);
        }
        if (run.uid >= 0 && (::setgid(static_cast<gid_t>(run.uid)) != 0 ||
                             ::setuid(static_cast<uid_t>(run.uid)) != 0))
        {
            ::_exit(126);
        }
        ::execve(run.program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    return child;
}

int WaitExit(pid_t child)
{
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
    {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ProgramResult RunProgram(const ProgramRun& run)
{
    ProgramResult result;
    result.exit = WaitExit(StartProgram(run));
    result.out = run.outPath.empty() ? std::string() : ReadText(run.outPath);
    result.err = run.errPath.empty() ? std::string() : ReadText(run.errPath);
    return result;
}

std::string CBackgroundProgram::Start(const std::string& program, std::vector<std::string> args)
{
    Stop();
    int out[2];
    if (::pipe(out) != 0)
    {
        return {};
    }
    args.insert(args.begin(), program);
    const std::vector<char*> argv = Pointers(args);
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::dup2(out[1], STDOUT_FILENO);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDERR_FILENO);
        ::close(out[0]);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    if (child < 0)
    {
        ::close(out[0]);
        return {};
    }
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

void CBackgroundProgram::Signal(int signal) const
{
    if (m_nPid > 0)
    {
        ::kill(m_nPid, signal);
    }
}

void CBackgroundProgram::Stop()
{
    if (m_nPid > 0)
    {
        // A stopped program takes its SIGTERM only once it is running again.
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

pid_t EndedProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::_exit(0);
    }
    (void)WaitExit(child);
    return child;
}
