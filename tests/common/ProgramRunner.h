// Programs started as a user starts them, for the end-to-end tests and the
// benchmarks: one program run to its end with its output in files, or one
// kept running in the background until it is stopped.
#pragma once

// std
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

struct ProgramRun
{
    std::string program;
    std::vector<std::string> args;
    std::string dir;     // empty: the current folder
    std::string outPath; // standard output and error; empty: /dev/null
    std::string errPath;
    int uid = -1; // >= 0: run as that user and the group of the same number
    // Set in the program's environment, and taken out of it.
    std::vector<std::pair<std::string, std::string>> env;
    std::vector<std::string> unset;
};

// Starts the program without waiting for it; -1 when no process could be made.
// Everything the child needs is prepared before the fork, so that a test
// process with threads of its own (a simulated radio) can start programs too.
pid_t StartProgram(const ProgramRun& run);
// The exit status of a started program; -1 when a signal ended it.
int WaitExit(pid_t child);
// The id of a process that ran and has ended, as a killed program's has.
pid_t EndedProcessId();

struct ProgramResult
{
    int exit = -1;
    std::string out;
    std::string err;
};
// Runs the program to its end and reads back what it wrote.
ProgramResult RunProgram(const ProgramRun& run);

// A program that says on its first line of output where to reach it (the
// simulated radio's device path), ended with SIGTERM by Stop or when it goes.
class CBackgroundProgram
{
public:
    CBackgroundProgram() = default;
    ~CBackgroundProgram() { Stop(); }
    CBackgroundProgram(const CBackgroundProgram&) = delete;
    CBackgroundProgram& operator=(const CBackgroundProgram&) = delete;

    // Its first line of output; empty when it printed none.
    std::string Start(const std::string& program, std::vector<std::string> args);
    // SIGSTOP stops it as a radio that takes in nothing more.
    void Signal(int signal) const;
    void Stop();

private:
    pid_t m_nPid = -1;
    int m_nOutput = -1;
};
