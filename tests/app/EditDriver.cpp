// Loaded into the vesk4 program by the recovery test: once the window is up it
// opens the Channel form and puts channel 1 in use with a name, as a user would,
// and leaves it there unsaved, so that the test can kill the program.

// Qt
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

namespace
{
void TypeName(QTimer* timer)
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
        QLineEdit* frequency = nullptr;
        QLineEdit* name = nullptr;
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        {
            if (!edit->isVisible())
            {
                continue;
            }
            if (edit->accessibleName() == QLatin1String("Receive Freq"))
            {
                frequency = edit;
            }
            if (edit->accessibleName() == QLatin1String("Channel Alpha Character"))
            {
                name = edit;
            }
        }
        if (frequency != nullptr && name != nullptr)
        {
            frequency->setText(QStringLiteral("150.00000"));
            name->setText(QStringLiteral("NORTH"));
            timer->stop();
        }
    }
}

void StartDriving()
{
    // Queued, so that it runs once the program's event loop does.
    QMetaObject::invokeMethod(
        qApp,
        []
        {
            auto* timer = new QTimer(qApp);
            QObject::connect(timer, &QTimer::timeout, timer, [timer] { TypeName(timer); });
            timer->start(100);
        },
        Qt::QueuedConnection);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriving)
