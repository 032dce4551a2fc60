// vesk4 --print-pdf, run as the user runs it: the paged listing of a dump file
// in a complete PDF with as many pages as the print job counts for that
// printer, and the exit statuses of every way it can fail.

// own
#include "PdfFile.h"

// app
#include "app/PrintPdfCommand.h"

// views
#include "ui/PagePainter.h"

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// Qt
#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

// std
#include <gtest/gtest.h>
#include <string>

namespace
{
struct RunResult
{
    int exitCode = -1;
    std::string errors;
};

RunResult RunVesk4(const QStringList& arguments)
{
    QProcess process;
    process.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/vesk4"));
    process.setArguments(arguments);
    // The command must need no display at all.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start();
    RunResult result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
    {
        return result;
    }
    result.exitCode = process.exitCode();
    result.errors = process.readAllStandardError().toStdString();
    return result;
}
} // namespace

class PrintPdfTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    // A 320-channel dump file with `channels` channels in use.
    QString WriteDump(const char* name, int channels)
    {
        CRadioImage image;
        EXPECT_TRUE(image.SetModel(5));
        EXPECT_TRUE(image.SetWideReference(5000.0));
        EXPECT_TRUE(image.SetNarrowReference(6250.0));
        for (int n = 0; n < channels; ++n)
        {
            EXPECT_TRUE(image.SetRxUnused(n, 0));
            EXPECT_TRUE(image.SetRxWord(n, 0x0A408));
        }
        CPlainAppState app;
        app.m_nChannelCode = 2;
        app.m_nChannelMode = 1;
        const QString path = Path(name);
        EXPECT_TRUE(image.SaveToFile(path.toStdString(), app));
        return path;
    }

    // The pages the job of `mode` on `dump` has on the printer the command uses.
    static int ExpectedPages(PrintMode mode, const QString& dump, const QString& pdf)
    {
        CRadioImage image;
        CPlainAppState app;
        EXPECT_TRUE(image.LoadFromFile(dump.toStdString(), app));
        CPrintJob job;
        job.Start(mode, dump.toStdString(), image);
        job.Prepare(image, app);
        QPrinter printer(QPrinter::HighResolution);
        CPrintPdfCommand::SetUpPrinter(printer, pdf.toStdString());
        return job.GetPageCount(CPagePainter::GeometryOf(printer));
    }

    QTemporaryDir m_dir;
};

TEST_F(PrintPdfTest, WritesEveryPageOfTheListingToAPdf)
{
    const QString dump = WriteDump("radio.dmp", 320);
    const struct
    {
        const char* listing;
        PrintMode mode;
    } cases[] = {{"report", PrintMode::Report}, {"hexdump", PrintMode::HexDump}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.listing);
        const QString pdf = Path(c.listing) + QStringLiteral(".pdf");
        const RunResult run =
            RunVesk4({QStringLiteral("--print-pdf"), QString::fromLatin1(c.listing), dump, pdf});
        ASSERT_EQ(run.exitCode, CPrintPdfCommand::kExitOk) << run.errors;
        const PdfFile file = PdfFile::Read(pdf);
        EXPECT_TRUE(file.m_bComplete);
        const int expected = ExpectedPages(c.mode, dump, pdf);
        EXPECT_GT(expected, 1);
        EXPECT_EQ(file.m_nPageObjects, expected);
        EXPECT_EQ(file.m_nPageTreeCount, expected);
    }
    // 38 + 320 x 14 + 40 lines: every channel in use is on paper.
    EXPECT_GT(PdfFile::Read(Path("report.pdf")).m_nPageObjects,
              PdfFile::Read(Path("hexdump.pdf")).m_nPageObjects);
}

TEST_F(PrintPdfTest, RefusesWhatItCannotDo)
{
    const QString dump = WriteDump("radio.dmp", 3);
    QFile shortFile(Path("short.dmp"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write("too short");
    shortFile.close();
    const QString out = Path("out.pdf");
    const struct
    {
        QStringList arguments;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"--print-pdf", "report", dump}, CPrintPdfCommand::kExitUsage, "usage:"},
        {{"--print-pdf", "listing", dump, out}, CPrintPdfCommand::kExitUsage, "usage:"},
        {{"--print-pdf", "report", dump, out, "extra"}, CPrintPdfCommand::kExitUsage, "usage:"},
        {{"--print-pdf", "report", Path("missing.dmp"), out},
         CPrintPdfCommand::kExitFile,
         "cannot read"},
        {{"--print-pdf", "hexdump", Path("short.dmp"), out},
         CPrintPdfCommand::kExitFile,
         "cannot read"},
        {{"--print-pdf", "report", dump, Path("no/such/folder/out.pdf")},
         CPrintPdfCommand::kExitFile,
         "cannot write"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const RunResult run = RunVesk4(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
        EXPECT_FALSE(QFileInfo::exists(out));
    }
}
