// Benchmark of vesk4-cli fleet: four vesk4-radiosim radios on four
// pseudo-terminals, each paced at the baud rate given (default 9600). Each
// radio is first cloned alone, one after the other, then all four at once in
// one fleet run. Prints the fleet's wall time over the slowest single clone's
// (close to 1 when the ports do not wait for each other) and the CPU time of
// vesk4-cli per radio in both.
//
//   vesk4-bench-fleet [BAUD [RADIOS]]

// own (tests/common)
#include "ProgramRunner.h"
#include "TestFiles.h"

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// std
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double ChildCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool SaveRadio(const std::string& path, bool plan)
{
    CRadioImage image;
    CPlainAppState app;
    app.m_nChannelCode = 2;
    const bool made = image.SetModel(5) && image.SetSerialNumber(plan ? "99" : "1") &&
                      image.SetChannelName(0, plan ? "DEPOT" : "FACTORY");
    return made && image.SaveToFile(path, app);
}

struct Timed
{
    int exit = -1;
    double wall = 0;
    double cpu = 0;
};

Timed RunCli(const CScratchDir& dir, std::vector<std::string> args)
{
    ProgramRun run;
    run.program = VESK4_CLI;
    run.args = std::move(args);
    run.dir = dir.Path();
    run.env = {{"XDG_DATA_HOME", dir.Path("data")}};
    run.unset = {"VESK4_BACKUPS"};
    const double cpu = ChildCpuSeconds();
    const auto start = Clock::now();
    Timed timed;
    timed.exit = RunProgram(run).exit;
    timed.wall = std::chrono::duration<double>(Clock::now() - start).count();
    timed.cpu = ChildCpuSeconds() - cpu;
    return timed;
}
} // namespace

int main(int argc, char** argv)
{
    const int baud = argc > 1 ? std::atoi(argv[1]) : 9600;
    const int count = argc > 2 ? std::atoi(argv[2]) : 4;
    if (baud <= 0 || count <= 0 || count > 16)
    {
        std::fputs("usage: vesk4-bench-fleet [BAUD [RADIOS]]\n", stderr);
        return 2;
    }
    CScratchDir dir("bench-fleet");
    if (!dir.IsValid() || !SaveRadio(dir.Path("radio.dmp"), false) ||
        !SaveRadio(dir.Path("plan.dmp"), true))
    {
        std::fputs("vesk4-bench-fleet: no scratch folder\n", stderr);
        return 1;
    }
    std::vector<std::unique_ptr<CBackgroundProgram>> sims;
    std::vector<std::string> devices;
    for (int i = 0; i < count; ++i)
    {
        auto sim = std::make_unique<CBackgroundProgram>();
        const std::string device = sim->Start(
            VESK4_RADIOSIM, {"--image", dir.Path("radio.dmp"), "--serial",
                             std::to_string(10000001 + i), "--baud", std::to_string(baud)});
        if (device.empty())
        {
            std::fputs("vesk4-bench-fleet: vesk4-radiosim did not start\n", stderr);
            return 1;
        }
        devices.push_back(device);
        sims.push_back(std::move(sim));
    }

    double slowest = 0;
    double singleCpu = 0;
    for (const std::string& device : devices)
    {
        const Timed single = RunCli(dir, {"clone", "--port", device, "plan.dmp", "--quiet"});
        if (single.exit != 0)
        {
            std::fprintf(stderr, "vesk4-bench-fleet: clone on %s ended with %d\n", device.c_str(),
                         single.exit);
            return 1;
        }
        std::printf("single clone on %s: %.1f s wall, %.3f s CPU\n", device.c_str(), single.wall,
                    single.cpu);
        slowest = std::max(slowest, single.wall);
        singleCpu += single.cpu;
    }

    std::vector<std::string> args = {"fleet", "plan.dmp", "--quiet", "--journal",
                                     dir.Path("journal.csv")};
    for (const std::string& device : devices)
    {
        args.insert(args.end(), {"--port", device});
    }
    const Timed fleet = RunCli(dir, args);
    if (fleet.exit != 0)
    {
        std::fprintf(stderr, "vesk4-bench-fleet: fleet ended with %d\n", fleet.exit);
        return 1;
    }
    std::printf("fleet of %d at %d baud: %.1f s wall; slowest single clone %.1f s; "
                "ratio %.3f\n",
                count, baud, fleet.wall, slowest, fleet.wall / slowest);
    std::printf("CPU per radio: fleet %.3f s, single clone %.3f s\n", fleet.cpu / count,
                singleCpu / count);
    return 0;
}
