#pragma once
// One running copy per user and display. The first copy listens on a local
// socket in XDG_RUNTIME_DIR named after the display; a later launch finds it,
// asks it to come forward (or, with --toggle, to hide or show) and ends, so
// two copies never share one memory bank.
//
//   main(): SingleInstance(key, request) before QApplication -> a copy answered: exit 0
//           otherwise QApplication, listen() -> comeForward() or toggle() on each later launch

#include <memory>
#include <vector>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QLockFile;
class QSocketNotifier;

namespace trellum::shell {

// The display a launch with these arguments (main()'s, the program first) and
// the environment would open: "-display" or DISPLAY for X11 (screen number
// dropped), WAYLAND_DISPLAY on a Wayland platform, else the platform's name.
QString displayKey(const QStringList& arguments);

// The socket of the copy on that display: in XDG_RUNTIME_DIR, else in the
// temporary folder under the user's id.
QString instanceSocketPath(const QString& displayKey);

// What a later launch asks of the running copy.
enum class LaunchRequest { Show, Toggle };

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Asks a running copy on the socket for `request`. Needs no QApplication,
    // so a second launch ends without connecting to the display.
    explicit SingleInstance(const QString& socketPath, LaunchRequest request = LaunchRequest::Show);
    ~SingleInstance() override;

    // A running copy has been asked and said it did so: this one ends.
    bool otherCopyAnswered() const { return m_answered; }
    // A running copy took the request but never confirmed it.
    bool otherCopySilent() const { return m_silent; }

    // Once QApplication exists: takes the socket over (a stale one left by a
    // crashed copy is replaced). False when it cannot; the program runs anyway.
    bool listen();

signals:
    // A later launch asked for the window.
    void comeForward();
    // A later launch (--toggle) asked to hide the window when it shows, else to show it.
    void toggle();

private:
    // A later launch on the line: its request is read as it arrives.
    struct Client {
        int fd = -1;
        QSocketNotifier* notifier = nullptr;
        QByteArray received;
    };

    void ask(LaunchRequest request);
    void serve();
    void readFrom(Client* client);

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;   // held from the question to listen()
    int m_serverFd = -1;
    std::unique_ptr<QSocketNotifier> m_server;
    std::vector<std::unique_ptr<Client>> m_clients;
    bool m_answered = false;
    bool m_silent = false;
};

}  // namespace trellum::shell
