// Command-line parsing.

// own
#include "cli/CliOptions.h"
#include "cli/CliTexts.h"

// std
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
std::string Format(const char* format, const std::string& value)
{
    char text[256];
    std::snprintf(text, sizeof text, format, value.c_str());
    return text;
}

// Seconds above 0, at most an hour.
bool ParseSeconds(const char* text, double& seconds)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(value) || value <= 0.0 || value > 3600.0)
    {
        return false;
    }
    seconds = value;
    return true;
}
} // namespace

bool CCliOptions::Parse(int argc, const char* const* argv, std::string& error)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        const bool takesValue = arg == "--port" || arg == "-o" || arg == "--output" ||
                                arg == "--timeout" || arg == "--silence" || arg == "--backup-dir" ||
                                arg == "--trace" || arg == "--model" || arg == "--channels" ||
                                arg == "--journal";
        if (takesValue && i + 1 >= argc)
        {
            error = Format(kMissingValue, arg);
            return false;
        }
        if (arg == "--help" || arg == "-h")
        {
            m_bHelp = true;
        }
        else if (arg == "--version")
        {
            m_bVersion = true;
        }
        else if (arg == "--merge")
        {
            m_bMerge = true;
        }
        else if (arg == "--progress")
        {
            m_nProgress = 1;
        }
        else if (arg == "--quiet")
        {
            m_nProgress = 0;
        }
        else if (arg == "--port")
        {
            m_strPort = argv[++i];
            m_ports.push_back(m_strPort);
        }
        else if (arg == "--journal")
        {
            m_strJournal = argv[++i];
        }
        else if (arg == "--loop")
        {
            m_bLoop = true;
        }
        else if (arg == "--status")
        {
            m_bStatusLines = true;
        }
        else if (arg == "--no-backup")
        {
            m_bNoBackup = true;
        }
        else if (arg == "--backup-dir")
        {
            m_strBackupDir = argv[++i];
        }
        else if (arg == "--diagnose")
        {
            m_bDiagnose = true;
        }
        else if (arg == "--verify")
        {
            m_bVerify = true;
        }
        else if (arg == "--force")
        {
            m_bForce = true;
        }
        else if (arg == "--trace")
        {
            m_strTrace = argv[++i];
        }
        else if (arg == "--model")
        {
            m_strModel = argv[++i];
        }
        else if (arg == "--channels")
        {
            const std::string value = argv[++i];
            if (value != "120" && value != "320")
            {
                error = kBadChannels;
                return false;
            }
            m_nChannels = std::stoi(value);
        }
        else if (arg == "-o" || arg == "--output")
        {
            m_strOutput = argv[++i];
        }
        else if (arg == "--timeout" || arg == "--silence")
        {
            if (!ParseSeconds(argv[++i], arg == "--timeout" ? m_dTimeout : m_dSilence))
            {
                error = Format(kBadSeconds, arg);
                return false;
            }
        }
        else if (arg.size() > 1 && arg[0] == '-' && arg != "-" &&
                 !(arg.size() > 1 && std::isdigit(static_cast<unsigned char>(arg[1]))))
        {
            error = Format(kUnknownOption, arg);
            return false;
        }
        else if (m_strCommand.empty())
        {
            m_strCommand = arg;
        }
        else
        {
            m_args.push_back(arg);
        }
    }
    if (!m_bHelp && !m_bVersion && m_strCommand.empty())
    {
        error = kNoCommand;
        return false;
    }
    if (!m_bHelp && !m_bVersion && m_strCommand == "new" && m_strModel.empty())
    {
        error = kNeedModel;
        return false;
    }
    return true;
}
