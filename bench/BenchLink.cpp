// Benchmark of the radio link through a pseudo-terminal against
// vesk4-radiosim: full uploads and downloads unpaced (median wall and CPU
// time), and a short exchange paced at 2400 baud (wall time / wire time).

// own (tests/common)
#include "ConversationTurn.h"
#include "ProgramRunner.h"
#include "TestFiles.h"

// link
#include "link/LinkQueue.h"
#include "link/PolledTimers.h"
#include "link/RadioConversation.h"

// model
#include "model/RadioImage.h"

// std
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double CpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

class CBench
{
public:
    CBench()
        : m_conversation(m_app, m_timers,
                         [this](ConversationEvent event, int value)
                         {
                             m_events.push_back(event);
                             m_nLastValue = value;
                         })
    {
        m_conversation.SetSink(&m_queue);
    }

    bool Open(const std::string& device)
    {
        m_conversation.SetDevicePath(device);
        return m_conversation.OnPortChanged();
    }

    // Runs messages and timers until done() holds; false after 300 s.
    bool Until(const std::function<bool()>& done)
    {
        const auto deadline = Clock::now() + std::chrono::seconds(300);
        while (!done())
        {
            if (Clock::now() > deadline)
            {
                return false;
            }
            RunConversationTurn(m_conversation, m_queue, m_timers, 5);
        }
        return true;
    }

    bool Saw(ConversationEvent event)
    {
        return std::find(m_events.begin(), m_events.end(), event) != m_events.end();
    }
    bool SawClosed() { return Saw(ConversationEvent::ProgressClosed); }

    // Wall and CPU seconds of one upload, until its end record is taken in.
    // A radio told to end early (shortEnd, its --upload-end) sends less than
    // its capacity calls for, which the conversation takes for a copy error:
    // that upload has worked when the error is the early end, at shortEnd.
    bool Upload(double& wall, double& cpu, std::uint32_t shortEnd = 0)
    {
        m_events.clear();
        m_timers.KillTimer(CRadioConversation::kTimerWatchdog);
        const auto start = Clock::now();
        const double cpuStart = CpuSeconds();
        if (!m_conversation.OnUpload() || !Until([this] { return SawClosed(); }))
        {
            return false;
        }
        wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpu = CpuSeconds() - cpuStart;
        if (shortEnd == 0)
        {
            return m_conversation.IsUploaded() &&
                   m_events.back() == ConversationEvent::ProgressClosed;
        }
        return Until([this] { return Saw(ConversationEvent::UploadError); }) &&
               m_nLastValue == static_cast<int>(UploadFault::EarlyEnd) &&
               m_conversation.ReceivedEnd() == shortEnd;
    }

    // Wall and CPU seconds of one full download, until its end is posted.
    bool Download(const std::vector<std::uint8_t>& image, double& wall, double& cpu)
    {
        m_events.clear();
        m_timers.KillTimer(CRadioConversation::kTimerWatchdog);
        const auto start = Clock::now();
        const double cpuStart = CpuSeconds();
        if (!m_conversation.OnDownload(image.data()) || !Until([this] { return SawClosed(); }))
        {
            return false;
        }
        wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpu = CpuSeconds() - cpuStart;
        return m_timers.IsRunning(CRadioConversation::kTimerDownloadDone);
    }

    CRadioConversation& Conversation() { return m_conversation; }

private:
    CPlainAppState m_app;
    CPolledTimers m_timers;
    CLinkQueue m_queue;
    std::vector<ConversationEvent> m_events;
    int m_nLastValue = 0;
    CRadioConversation m_conversation;
};

int CountInFile(const std::string& path, const std::string& text)
{
    const std::string s = ReadText(path);
    int count = 0;
    for (std::size_t at = s.find(text); at != std::string::npos; at = s.find(text, at + 1))
    {
        ++count;
    }
    return count;
}

std::string ProgramDir()
{
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
    {
        return ".";
    }
    std::string self(path, static_cast<std::size_t>(n));
    return self.substr(0, self.rfind('/'));
}
} // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    int pacedRecords = 64;
    bool paced = true;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
        {
            runs = std::max(1, std::atoi(argv[++i]));
        }
        else if (arg == "--paced-records" && i + 1 < argc)
        {
            pacedRecords = std::clamp(std::atoi(argv[++i]), 1, 1024);
        }
        else if (arg == "--no-paced")
        {
            paced = false;
        }
        else
        {
            std::fprintf(stderr, "usage: vesk4-bench-link [--runs N] [--paced-records N] "
                                 "[--no-paced]\n");
            return 2;
        }
    }
    const CScratchDir scratch("bench");
    if (!scratch.IsValid())
    {
        return 1;
    }
    const std::string& dir = scratch.Path();
    ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    const std::string sim = ProgramDir() + "/vesk4-radiosim";

    std::vector<std::uint8_t> image(kImageSize);
    for (std::size_t i = 0; i < image.size(); ++i)
    {
        image[i] = static_cast<std::uint8_t>(i * 13 + (i >> 7));
    }
    CRadioImage dump;
    CPlainAppState dumpState;
    dumpState.m_nChannelCode = 2;
    (void)dump.WriteBlock(image.data(), 0, kImageSize);
    dump.DeriveInjection();
    (void)dump.ReadBlock(image.data(), 0, kImageSize);
    const std::string imagePath = dir + "/bench.dmp";
    if (!dump.SaveToFile(imagePath, dumpState))
    {
        return 1;
    }

    int failures = 0;
    {
        CBackgroundProgram radio;
        const std::string device = radio.Start(sim, {"--image", imagePath});
        CBench bench;
        if (device.empty() || !bench.Open(device))
        {
            std::fprintf(stderr, "cannot start %s\n", sim.c_str());
            return 1;
        }
        std::vector<double> upWall, upCpu, downWall, downCpu;
        for (int run = 0; run < runs; ++run)
        {
            double wall = 0, cpu = 0;
            if (bench.Upload(wall, cpu) &&
                std::equal(image.begin(), image.end(), bench.Conversation().UploadBuffer()))
            {
                upWall.push_back(wall);
                upCpu.push_back(cpu);
            }
            else
            {
                ++failures;
            }
            if (bench.Download(image, wall, cpu))
            {
                downWall.push_back(wall);
                downCpu.push_back(cpu);
            }
            else
            {
                ++failures;
            }
        }
        std::printf("unpaced, %d runs, 1024 records + end (median)\n", runs);
        std::printf("  upload:   wall %7.2f ms   cpu %7.2f ms\n", Median(upWall) * 1e3,
                    Median(upCpu) * 1e3);
        std::printf("  download: wall %7.2f ms   cpu %7.2f ms\n", Median(downWall) * 1e3,
                    Median(downCpu) * 1e3);
    }

    if (paced)
    {
        // Request, records and end record, each byte ten bits at 2400 baud.
        const double wire = (12.0 + 28.0 * pacedRecords + 12.0) * 10.0 / 2400.0;
        const std::string log = dir + "/paced.log";
        char end[16];
        std::snprintf(end, sizeof end, "%x", pacedRecords * 8);
        CBackgroundProgram radio;
        const std::string device = radio.Start(
            sim, {"--image", imagePath, "--baud", "2400", "--upload-end", end, "--log", log});
        CBench bench;
        if (device.empty() || !bench.Open(device))
        {
            return 1;
        }
        std::vector<double> upRatio, downRatio;
        for (int run = 0; run < runs; ++run)
        {
            double wall = 0, cpu = 0;
            if (bench.Upload(wall, cpu, static_cast<std::uint32_t>(pacedRecords * 8)))
            {
                upRatio.push_back(wall / wire);
            }
            else
            {
                ++failures;
            }
            // The radio has the download when its end record has come in.
            const int ends = CountInFile(log, "<- S9030000FC");
            const auto start = Clock::now();
            if (!bench.Conversation().Link().StartDownload(
                    image.data(), static_cast<std::uint32_t>(pacedRecords * 8)))
            {
                ++failures;
            }
            while (CountInFile(log, "<- S9030000FC") <= ends &&
                   Clock::now() - start < std::chrono::seconds(60))
            {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            downRatio.push_back(std::chrono::duration<double>(Clock::now() - start).count() / wire);
            bench.Conversation().Link().WaitDownload();
        }
        std::printf("paced at 2400 baud, %d runs, %d records (wire time %.3f s, median)\n", runs,
                    pacedRecords, wire);
        std::printf("  upload:   wall / wire %.4f\n", Median(upRatio));
        std::printf("  download: wall / wire %.4f (until the radio has taken the end record)\n",
                    Median(downRatio));
    }
    if (failures != 0)
    {
        std::printf("%d transfer(s) failed\n", failures);
    }
    return failures == 0 ? 0 : 1;
}
