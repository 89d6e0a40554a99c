#pragma once
// SIGTERM, SIGHUP and SIGINT as events of the event loop. The handler only
// writes the signal's number into a socket pair; a QSocketNotifier reads it on
// the user-interface thread, where the program can end in good order (save the
// settings, remove the tray icon) instead of dying mid-run. SIGPIPE is ignored.

#include <QObject>

class QSocketNotifier;

namespace trellum::shell {

class UnixSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers for the process, before QApplication is built: a
    // signal that comes while Qt starts waits in the socket pair until the
    // event loop reads it, so a TERM at any moment ends the program like OFF.
    // Idempotent; the object below installs them too when not done yet.
    static void installHandlers();

    // Reads the signals on the event loop (needs the QCoreApplication). One object at a time.
    explicit UnixSignals(QObject* parent = nullptr);
    ~UnixSignals() override;

    bool installed() const { return m_notifier != nullptr; }

signals:
    // On the user-interface thread, once per signal delivered.
    void received(int signalNumber);

private:
    void readPending();

    int m_fds[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace trellum::shell
