// vesk4: the windowed programming tool for the Borea 320 radio family.

// own
#include "app/AppTexts.h"
#include "app/DemoRadio.h"
#include "app/MainFrame.h"
#include "app/PrintPdfCommand.h"
#include "app/SignalWatch.h"
#include "app/StartupOptions.h"
#include "ui/QtUiServices.h"
#include "app/Vesk4App.h"

// Qt
#include <QApplication>
#include <QIcon>

// std
#include <csignal>
#include <cstdio>
#include <string>

namespace
{
// --help and --version: a text and the end, like any command-line program. A
// reader that goes away early ends the program by SIGPIPE, as it ends cat.
int PrintAndEnd(const char* text)
{
    std::signal(SIGPIPE, SIG_DFL);
    std::fputs(text, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int PrintVersion()
{
    char text[64];
    std::snprintf(text, sizeof text, AppText::kVersionFormat, VESK4_VERSION);
    return PrintAndEnd(text);
}
} // namespace

int main(int argc, char* argv[])
{
    // The PDF export runs without a window and before any of the program's own.
    if (CPrintPdfCommand::IsRequested(argc, argv))
    {
        return CPrintPdfCommand::Run(argc, argv);
    }
    // Answered before QApplication exists: it would insist on a display.
    switch (CStartupOptions::EarlyRequest(argc, argv))
    {
    case CStartupOptions::Request::Help:
        return PrintAndEnd(AppText::kUsage);
    case CStartupOptions::Request::Version:
        return PrintVersion();
    case CStartupOptions::Request::Window:
        break;
    }
    QApplication application(argc, argv);
    // From here on a signal waits for the event loop, however early it comes.
    CSignalWatch watch;
    QApplication::setApplicationName(QStringLiteral("Vesk4"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vesk4/vesk4.png")));

    // QApplication has taken its own options (-platform, -style, ...) out.
    CStartupOptions options;
    std::string error;
    if (!options.Parse(argc, argv, error))
    {
        std::fputs(error.c_str(), stderr);
        return 2;
    }

    // Declared before the application so the simulated radio outlives the
    // forms that talk to it.
    CDemoRadio demo;
    if (options.m_bDemo && !demo.Start())
    {
        std::fputs(AppText::kDemoStartError, stderr);
        return 1;
    }

    CQtUiServices ui;
    CVesk4App app(ui);
    if (!app.InitInstance())
    {
        return 1;
    }
    if (options.m_bDemo)
    {
        demo.Attach(app);
    }
    ui.SetParentWindow(app.GetMainFrame());
    // As End(X): the window closes and the program ends through the same exit,
    // also from under a message box that is open at the time. Nobody is there
    // to answer a question: unsaved edits stay in the recovery copy.
    QObject::connect(&watch, &CSignalWatch::Received, &application,
                     [&app](int signal)
                     {
                         app.GetMainFrame()->EndBySignal();
                         QCoreApplication::exit(CSignalWatch::ExitStatus(signal));
                     });
    if (!options.m_strFile.empty())
    {
        // A file that cannot be read is reported as File Open reports it, and
        // the program goes on with an empty configuration.
        (void)app.GetMainFrame()->OpenDumpFile(options.m_strFile);
    }
    // After the file: a restored copy takes its place, as the user chose.
    app.GetMainFrame()->OfferRecovery();
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
