// vesk4-radiosim: the simulated radio as a program.

// own
#include "sim/SimPort.h"
#include "sim/SimRadio.h"
#include "sim/SimTexts.h"

// model
#include "model/RadioImage.h"

// std
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace
{
bool ParseInt(const char* text, int& value)
{
    char* end = nullptr;
    const long result = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || result < 0 || result > 1000000000L)
    {
        return false;
    }
    value = static_cast<int>(result);
    return true;
}

bool ParseHexAddress(const char* text, std::uint32_t& value)
{
    char* end = nullptr;
    const unsigned long result = std::strtoul(text, &end, 16);
    if (end == text || *end != '\0' || result > 0x2000)
    {
        return false;
    }
    value = static_cast<std::uint32_t>(result);
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    CSimRadio radio;
    SimFaults faults;
    std::string imagePath;
    std::string savePath;
    std::string logPath;
    std::string serial;
    int channels = 320;
    int baud = 0;
    std::uint32_t uploadEnd = 0;
    bool uploadEndSet = false;

    for (int i = 1; i < argc; ++i)
    {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = true;
        if (option == "--help" || option == "-h" || option == "--version")
        {
            // A reader that goes away early ends the program as it ends cat.
            std::signal(SIGPIPE, SIG_DFL);
            if (option == "--version")
            {
                std::printf(kSimVersion, VESK4_VERSION);
            }
            else
            {
                std::fputs(kSimUsage, stdout);
            }
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (option == "--silent")
        {
            faults.silent = true;
            continue;
        }
        if (option == "--noise")
        {
            faults.noise = true;
            continue;
        }
        if (value == nullptr)
        {
            ok = false;
        }
        else if (option == "--image")
        {
            imagePath = value;
        }
        else if (option == "--save")
        {
            savePath = value;
        }
        else if (option == "--log")
        {
            logPath = value;
        }
        else if (option == "--serial")
        {
            // Checked as the radio's own field takes it, once the image is in.
            serial = value;
            ok = !serial.empty();
        }
        else if (option == "--channels")
        {
            ok = ParseInt(value, channels) && (channels == 120 || channels == 320);
        }
        else if (option == "--upload-end")
        {
            ok = uploadEndSet = ParseHexAddress(value, uploadEnd);
        }
        else if (option == "--baud")
        {
            ok = ParseInt(value, baud) && baud > 0;
        }
        else if (option == "--stall-after")
        {
            ok = ParseInt(value, faults.stallAfter);
        }
        else if (option == "--corrupt")
        {
            ok = ParseInt(value, faults.corruptRecord);
        }
        else if (option == "--garbage")
        {
            ok = ParseInt(value, faults.garbageBefore);
        }
        else if (option == "--garbage-pause")
        {
            ok = ParseInt(value, faults.garbagePauseMs);
        }
        else if (option == "--hangup-after")
        {
            ok = ParseInt(value, faults.hangupAfter);
        }
        else
        {
            ok = false;
        }
        if (!ok)
        {
            std::fprintf(stderr, kSimBadOption, option.c_str());
            std::fputs(kSimUsage, stderr);
            return 2;
        }
        ++i;
    }

    radio.SetChannels(channels);
    if (uploadEndSet)
    {
        radio.SetUploadEnd(uploadEnd);
    }
    if (!imagePath.empty() && !radio.LoadImage(imagePath))
    {
        std::fprintf(stderr, kSimImageError, imagePath.c_str());
        return 1;
    }
    if (!serial.empty())
    {
        CRadioImage image;
        const std::vector<std::uint8_t> eeprom = radio.Eeprom();
        std::uint8_t bytes[kImageSize];
        if (!image.WriteBlock(eeprom.data(), 0, kImageSize) || !image.SetSerialNumber(serial) ||
            !image.ReadBlock(bytes, 0, kImageSize))
        {
            std::fprintf(stderr, kSimBadOption, "--serial");
            std::fputs(kSimUsage, stderr);
            return 2;
        }
        radio.SetEeprom(bytes);
    }
    if (!logPath.empty() && !radio.SetLogFile(logPath))
    {
        std::fprintf(stderr, kSimLogError, logPath.c_str());
        return 1;
    }
    if (!savePath.empty())
    {
        radio.SetDownloadHook(
            [&radio, savePath]
            {
                if (!radio.SaveImage(savePath))
                {
                    std::fprintf(stderr, kSimSaveError, savePath.c_str());
                }
            });
    }

    // Signals are taken by sigtimedwait below, never by a handler, so the
    // answering thread is never interrupted mid-record.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    CSimPort port(radio);
    port.SetBaud(static_cast<std::uint32_t>(baud));
    port.SetFaults(faults);
    if (!port.Start())
    {
        std::fputs(kSimPtyError, stderr);
        return 1;
    }
    std::printf("%s\n", port.DevicePath().c_str());
    std::fflush(stdout);
    std::fprintf(stderr, kSimStarted, radio.Channels(), port.DevicePath().c_str());

    const timespec tick{0, 100'000'000};
    while (!port.IsHungUp())
    {
        if (sigtimedwait(&signals, nullptr, &tick) > 0)
        {
            break;
        }
    }
    if (port.IsHungUp())
    {
        std::fprintf(stderr, kSimHungUp, faults.hangupAfter);
    }
    port.Stop();
    if (!savePath.empty() && !radio.SaveImage(savePath))
    {
        std::fprintf(stderr, kSimSaveError, savePath.c_str());
        return 1;
    }
    return 0;
}
