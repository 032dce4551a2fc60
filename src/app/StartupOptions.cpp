// Reading the command line of the windowed program.

// own
#include "app/StartupOptions.h"
#include "app/AppTexts.h"

// std
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace
{
std::string Format(const char* format, const std::string& value)
{
    // Long enough for any path a user types; longer ones are cut, not overrun.
    char text[4096];
    std::snprintf(text, sizeof text, format, value.c_str());
    return text;
}

bool IsOption(const std::string& arg)
{
    // "-" alone is a file name by the usual convention, not an option.
    return arg.size() > 1 && arg[0] == '-';
}
} // namespace

CStartupOptions::Request CStartupOptions::EarlyRequest(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg == "--")
        {
            break;
        }
        if (arg == AppText::kHelpOption || arg == AppText::kHelpShortOption)
        {
            return Request::Help;
        }
        if (arg == AppText::kVersionOption)
        {
            return Request::Version;
        }
    }
    return Request::Window;
}

bool CStartupOptions::Parse(int argc, const char* const* argv, std::string& error)
{
    bool optionsEnded = false;
    std::string file;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (!optionsEnded && arg == "--")
        {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && IsOption(arg))
        {
            if (arg == AppText::kDemoOption)
            {
                m_bDemo = true;
                continue;
            }
            error = Format(AppText::kUnknownOption, arg);
            return false;
        }
        if (!file.empty())
        {
            error = Format(AppText::kOneFileOnly, arg);
            return false;
        }
        if (arg.empty())
        {
            error = AppText::kEmptyFileName;
            return false;
        }
        file = arg;
    }
    if (!file.empty())
    {
        // Only a leading "./" is dropped: folding "dir/.." away would name
        // another file when dir is a symbolic link. A path that cannot be made
        // absolute (the current directory is gone) is opened as given, and the
        // open then says what is wrong with it.
        while (file.size() > 2 && file.compare(0, 2, "./") == 0)
        {
            file.erase(0, 2);
        }
        std::error_code failure;
        const std::filesystem::path absolute = std::filesystem::absolute(file, failure);
        m_strFile = failure ? file : absolute.string();
    }
    return true;
}
