// Loaded into the vesk4 program by the recovery test: once the window is up it
// opens the Channel form and puts channel 1 in use with a name, as a user
// would, and leaves it there unsaved, so that the test can kill the program.

// Qt
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

namespace
{
// True once the edit is typed.
bool TypeEdit()
{
    for (QWidget* window : QApplication::topLevelWidgets())
    {
        for (QAction* action : window->findChildren<QAction*>())
        {
            if (action->text() == QLatin1String("Channel(&H)") && action->isEnabled())
            {
                action->trigger();
            }
        }
        QLineEdit* boxes[2] = {};
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        {
            const QString name = edit->accessibleName();
            boxes[0] = name == QLatin1String("Receive Freq") ? edit : boxes[0];
            boxes[1] = name == QLatin1String("Channel Alpha Character") ? edit : boxes[1];
        }
        if (boxes[0] != nullptr && boxes[1] != nullptr && boxes[1]->isVisible())
        {
            boxes[0]->setText(QStringLiteral("150.00000"));
            boxes[1]->setText(QStringLiteral("NORTH"));
            return true;
        }
    }
    return false;
}

void StartDriving()
{
    // Queued, so that it runs once the program's event loop does.
    QMetaObject::invokeMethod(
        qApp,
        []
        {
            auto* timer = new QTimer(qApp);
            QObject::connect(timer, &QTimer::timeout, timer,
                             [timer]
                             {
                                 if (TypeEdit())
                                 {
                                     timer->stop();
                                 }
                             });
            timer->start(100);
        },
        Qt::QueuedConnection);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriving)
