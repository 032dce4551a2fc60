// vesk4: the windowed programming tool for the Borea 320 radio family.

// own
#include "app/AppTexts.h"
#include "app/DemoRadio.h"
#include "app/MainFrame.h"
#include "app/PrintPdfCommand.h"
#include "ui/QtUiServices.h"
#include "app/Vesk4App.h"

// Qt
#include <QApplication>
#include <QIcon>

// std
#include <cstdio>

int main(int argc, char* argv[])
{
    // The PDF export runs without a window and before any of the program's own.
    if (CPrintPdfCommand::IsRequested(argc, argv))
    {
        return CPrintPdfCommand::Run(argc, argv);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vesk4"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vesk4/vesk4.png")));

    // Declared before the application so the simulated radio outlives the
    // forms that talk to it.
    CDemoRadio demo;
    const bool demoMode = CDemoRadio::IsRequested(argc, argv);
    if (demoMode && !demo.Start())
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
    if (demoMode)
    {
        demo.Attach(app);
    }
    ui.SetParentWindow(app.GetMainFrame());
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
