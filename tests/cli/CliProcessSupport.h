// vesk4-cli and vesk4-radiosim started as programs, as a user starts them,
// for the end-to-end tests of the command line.
#pragma once

// own (tests/common)
#include "ProgramRunner.h"
#include "TestFiles.h"

// std
#include <string>
#include <utility>
#include <vector>

// Starts vesk4-cli in dir without waiting for it, its standard output and
// error going to the files named; uid >= 0 runs it as that user.
inline pid_t StartCliIn(const std::string& dir, std::vector<std::string> args,
                        const std::string& outPath, const std::string& errPath, int uid = -1)
{
    ProgramRun run;
    run.program = VESK4_CLI;
    run.args = std::move(args);
    run.dir = dir;
    run.outPath = outPath;
    run.errPath = errPath;
    run.uid = uid;
    return StartProgram(run);
}

// One vesk4-radiosim, ended with SIGTERM when it is stopped or goes.
class CSimProcess
{
public:
    // Starts it with args and returns the first line it prints, the device path.
    std::string Start(std::vector<std::string> args)
    {
        return m_program.Start(VESK4_RADIOSIM, std::move(args));
    }

    void Signal(int signal) const { m_program.Signal(signal); }
    void Stop() { m_program.Stop(); }

private:
    CBackgroundProgram m_program;
};
