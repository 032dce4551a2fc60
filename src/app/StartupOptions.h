// The command line of vesk4: what it asks for before any window exists.
//
//   vesk4 [--demo] [FILE.dmp]     the window, with that dump file opened
//   vesk4 --help | --version      a text on standard output, no window
//   vesk4 --print-pdf ...         see CPrintPdfCommand
#pragma once

// std
#include <string>

class CStartupOptions
{
public:
    enum class Request
    {
        Window,  // start the windowed program
        Help,    // print the usage text and end
        Version, // print the version and end
    };

    // Looks only for --help (-h) and --version, so that they can be answered
    // before the application object exists and needs a display. Arguments
    // after "--" are file names, never options.
    static Request EarlyRequest(int argc, const char* const* argv);

    // Reads the arguments that are left once Qt has taken its own out:
    // --demo and at most one dump file ("--" ends the options, so a file named
    // "-x.dmp" can still be opened). False with a message for standard error,
    // program name first, when the line cannot be understood.
    [[nodiscard]] bool Parse(int argc, const char* const* argv, std::string& error);

    bool m_bDemo = false;
    // The dump file to open at start-up, made absolute as the file dialog's
    // answer would be; empty when none was named.
    std::string m_strFile;
};
