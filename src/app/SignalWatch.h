// SIGTERM, SIGHUP and SIGINT in the windowed program: a logout, a shutdown or
// kill must end it as End(X) does, so that a form that keyed the radio tells
// it to receive again on its way out.
#pragma once

// Qt
#include <QObject>

class QSocketNotifier;

// The handler only writes the signal's number into a socket pair; the event
// loop reads it and reports it, so everything the ending does runs on the
// user-interface thread, between two events, as any command does.
class CSignalWatch : public QObject
{
    Q_OBJECT
public:
    // Takes the three signals for the life of this object. One watch at a
    // time.
    explicit CSignalWatch(QObject* parent = nullptr);
    ~CSignalWatch() override;
    CSignalWatch(const CSignalWatch&) = delete;
    CSignalWatch& operator=(const CSignalWatch&) = delete;

    // The first signal that came, 0 while none did.
    int Signal() const { return m_nSignal; }
    // The shell's status of a program ended by the signal: 128 + its number.
    static int ExitStatus(int signal) { return 128 + signal; }

signals:
    // Once, for the first signal; a second one ends the program at once, as
    // if nothing watched.
    void Received(int signal);

private:
    void OnReadable();

    int m_nSignal = 0;
    QSocketNotifier* m_pNotifier = nullptr;
};
