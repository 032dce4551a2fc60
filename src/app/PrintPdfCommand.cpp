// The --print-pdf command of the windowed program.

// own
#include "app/PrintPdfCommand.h"
#include "app/AppTexts.h"

// views
#include "ui/PagePainter.h"

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// Qt
#include <QApplication>
#include <QFile>
#include <QPrinter>

// std
#include <cstdio>
#include <cstring>

bool CPrintPdfCommand::IsRequested(int argc, char* argv[])
{
    return argc > 1 && std::strcmp(argv[1], AppText::kPrintPdfOption) == 0;
}

int CPrintPdfCommand::Run(int argc, char* argv[])
{
    PrintMode mode = PrintMode::Report;
    if (argc != 5)
    {
        std::fputs(AppText::kPrintPdfUsage, stderr);
        return kExitUsage;
    }
    if (std::strcmp(argv[2], AppText::kPrintPdfHexDump) == 0)
    {
        mode = PrintMode::HexDump;
    }
    else if (std::strcmp(argv[2], AppText::kPrintPdfReport) != 0)
    {
        std::fputs(AppText::kPrintPdfUsage, stderr);
        return kExitUsage;
    }
    // Fonts need an application object, a window does not: without a display
    // of its own choosing the command draws offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    int pages = 0;
    return WritePdf(mode, argv[3], argv[4], pages);
}

void CPrintPdfCommand::SetUpPrinter(QPrinter& printer, const std::string& pdfPath)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(pdfPath)));
}

int CPrintPdfCommand::WritePdf(PrintMode mode, const std::string& dumpPath,
                               const std::string& pdfPath, int& pagesOut)
{
    pagesOut = 0;
    CRadioImage image;
    CPlainAppState app;
    // A file that cannot be read would otherwise print the defaults under the
    // file's name.
    if (!image.LoadFromFile(dumpPath, app))
    {
        std::fprintf(stderr, AppText::kPrintPdfReadError, dumpPath.c_str());
        return kExitFile;
    }
    CPrintJob job;
    job.Start(mode, dumpPath, image);
    job.Prepare(image, app);

    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, pdfPath);
    printer.setDocName(CPagePainter::DocumentName(dumpPath));
    if (!CPagePainter::PaintJob(printer, job, {}, pagesOut))
    {
        std::fprintf(stderr, AppText::kPrintPdfWriteError, pdfPath.c_str());
        return kExitFile;
    }
    return kExitOk;
}
