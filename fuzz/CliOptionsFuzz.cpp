// Any command line for vesk4-cli: arguments are the input's NUL-separated
// pieces. A line that parses must give a usable command and time-out; one
// that does not must say why.

// own
#include "FuzzInput.h"

// cli
#include "cli/CliOptions.h"

// std
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{
[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "command line: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInput input(data, size);
    std::vector<std::string> args{"vesk4-cli"};
    while (!input.IsEmpty() && args.size() < 64)
    {
        args.push_back(input.TakeString('\0'));
    }
    std::vector<const char*> argv;
    for (const std::string& arg : args)
    {
        argv.push_back(arg.c_str());
    }
    argv.push_back(nullptr);

    CCliOptions options;
    std::string error;
    const bool parsed = options.Parse(static_cast<int>(args.size()), argv.data(), error);
    if (!parsed)
    {
        if (error.empty())
        {
            Fail("a refused command line came without a message");
        }
        return 0;
    }
    if (!options.m_bHelp && !options.m_bVersion && options.m_strCommand.empty())
    {
        Fail("a command line without a command was taken");
    }
    if (!(options.m_dTimeout > 0.0 && options.m_dTimeout <= 3600.0))
    {
        Fail("a time-out outside its range was taken");
    }
    if (options.m_nProgress < -1 || options.m_nProgress > 1)
    {
        Fail("a progress setting that does not exist");
    }
    if (options.m_args.size() + 1 > args.size())
    {
        Fail("more arguments than were given");
    }
    for (const std::string& arg : options.m_args)
    {
        if (std::find(args.begin() + 1, args.end(), arg) == args.end())
        {
            Fail("an argument that was never given");
        }
    }
    return 0;
}
