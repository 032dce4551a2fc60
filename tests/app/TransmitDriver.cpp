// Loaded into the vesk4 program by the signal tests: once the window is up it
// opens the Test form, enters a transmit frequency and presses "Transmit", as a
// user would, so that a test can end the program while the radio is keyed.

// Qt
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace
{
void PressTransmit(QTimer* timer)
{
    for (QWidget* window : QApplication::topLevelWidgets())
    {
        for (QAction* action : window->findChildren<QAction*>())
        {
            if (action->text() == QLatin1String("Test(&T)") && action->isEnabled())
            {
                action->trigger();
            }
        }
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        {
            if (edit->accessibleName() == QLatin1String("Transmit Freq"))
            {
                edit->setText(QStringLiteral("150.0"));
            }
        }
        for (QPushButton* button : window->findChildren<QPushButton*>())
        {
            if (button->text() == QLatin1String("Transmit") && button->isVisible())
            {
                button->click();
                timer->stop();
            }
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
            QObject::connect(timer, &QTimer::timeout, timer, [timer] { PressTransmit(timer); });
            timer->start(100);
        },
        Qt::QueuedConnection);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriving)
