// vesk4 --print-pdf report|hexdump FILE.dmp OUT.pdf: the paged report or hex
// dump of a dump file written to a PDF without a window, drawn by the same
// code as the print preview.
#pragma once

// print
#include "print/PrintJob.h"

// std
#include <string>

class QPrinter;

class CPrintPdfCommand
{
public:
    // Exit statuses of the command.
    static constexpr int kExitOk = 0;
    static constexpr int kExitFile = 1;
    static constexpr int kExitUsage = 2;

    // True when the first argument asks for this command.
    static bool IsRequested(int argc, char* argv[]);
    // Runs the whole command with an application object of its own (no
    // display needed) and returns the exit status.
    static int Run(int argc, char* argv[]);

    // The printer every PDF of this command is written with.
    static void SetUpPrinter(QPrinter& printer, const std::string& pdfPath);
    // Loads `dumpPath` as File Open does and writes the listing of `mode` to
    // `pdfPath`, titled with the dump file's path. kExitOk with the number of
    // pages, or the exit status after telling the user why not.
    static int WritePdf(PrintMode mode, const std::string& dumpPath, const std::string& pdfPath,
                        int& pagesOut);
};
