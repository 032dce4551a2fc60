// vesk4: the windowed programming tool for the Borea 320 radio family.

// own
#include "app/MainFrame.h"
#include "app/PrintPdfCommand.h"
#include "app/QtUiServices.h"
#include "app/Vesk4App.h"

// Qt
#include <QApplication>
#include <QIcon>

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

    CQtUiServices ui;
    CVesk4App app(ui);
    if (!app.InitInstance())
    {
        return 1;
    }
    ui.SetParentWindow(app.GetMainFrame());
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
