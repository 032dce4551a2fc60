// Command-line parsing.

// own
#include "cli/CliOptions.h"
#include "cli/CliTexts.h"

// std
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace
{
std::string Format(const char* format, const std::string& value)
{
    char text[256];
    std::snprintf(text, sizeof text, format, value.c_str());
    return text;
}
} // namespace

bool CCliOptions::Parse(int argc, const char* const* argv, std::string& error)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        const bool takesValue =
            arg == "--port" || arg == "-o" || arg == "--output" || arg == "--timeout";
        if (takesValue && i + 1 >= argc)
        {
            error = Format(kMissingValue, arg);
            return false;
        }
        if (arg == "--help" || arg == "-h")
            m_bHelp = true;
        else if (arg == "--progress")
            m_nProgress = 1;
        else if (arg == "--quiet")
            m_nProgress = 0;
        else if (arg == "--port")
            m_strPort = argv[++i];
        else if (arg == "-o" || arg == "--output")
            m_strOutput = argv[++i];
        else if (arg == "--timeout")
        {
            const char* text = argv[++i];
            char* end = nullptr;
            const double seconds = std::strtod(text, &end);
            if (end == text || *end != '\0' || !std::isfinite(seconds) || seconds <= 0.0 ||
                seconds > 3600.0)
            {
                error = kBadTimeout;
                return false;
            }
            m_dTimeout = seconds;
        }
        else if (arg.size() > 1 && arg[0] == '-' && arg != "-" &&
                 !(arg.size() > 1 && std::isdigit(static_cast<unsigned char>(arg[1]))))
        {
            error = Format(kUnknownOption, arg);
            return false;
        }
        else if (m_strCommand.empty())
            m_strCommand = arg;
        else
            m_args.push_back(arg);
    }
    if (!m_bHelp && m_strCommand.empty())
    {
        error = kNoCommand;
        return false;
    }
    return true;
}
