#pragma once
// One running copy per user and display. The first copy holds a socket in the
// abstract Unix namespace named after the user and the display, so it needs no
// folder (XDG_RUNTIME_DIR may be unset, shared or full) and leaves nothing
// behind when it dies. A later launch finds it, asks it to come forward and
// ends, so two copies never share one memory bank. Only a peer of the same user
// is ever asked or answered.
//
// With --toggle the later launch asks it to hide to the tray, or to show
// itself when hidden, instead.
//
//   main(): SingleInstance(name, request) before QApplication -> a copy answered: exit 0
//           otherwise the window starts, listen() -> comeForward() or toggle() on each later launch
//           the end: stopAnswering(); a later launch waits until this copy is gone

#include <memory>
#include <vector>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QSocketNotifier;

namespace trellum::shell {

// The display a launch with these arguments (main()'s, the program first) and
// the environment would open, in one spelling for all the ways of naming it:
// for X11 ("-display" or DISPLAY) the host ("unix" and none are this machine)
// and the display number as a number, the screen dropped; on a Wayland
// platform WAYLAND_DISPLAY's socket name; empty for offscreen and minimal,
// which share no screen; else the platform's name.
QString displayKey(const QStringList& arguments);

// The abstract socket name of this user's copy on that display; empty (no
// single copy) for an empty key.
QString instanceSocketName(const QString& displayKey);

// What a later launch asks of the running copy.
enum class LaunchRequest { Show, Toggle };

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Takes the name, or asks the copy that has it to come forward; an empty
    // name does neither, and the copy runs on its own. Needs no
    // QApplication, so a second launch ends without connecting to the display.
    explicit SingleInstance(const QString& socketName, LaunchRequest request = LaunchRequest::Show);
    ~SingleInstance() override;

    // A running copy has been asked to come forward and said so: this one ends.
    bool otherCopyAnswered() const { return m_answered; }
    // A running copy took the request but never confirmed it.
    bool otherCopySilent() const { return m_silent; }
    // This launch holds the name: later launches on the display will reach it.
    bool ownsName() const { return m_serverFd >= 0; }

    // Once the start can no longer block: answers later launches from now on.
    // False when this launch does not hold the name; the program runs anyway.
    bool listen();

    // The program is ending: later launches are hung up on, and start once
    // this copy is gone, after it has saved.
    void stopAnswering();

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
    enum class Asked { NoOne, Starting, Answered, HungUp, Silent, Stranger };

    bool claim();
    Asked ask(int deadlineMs);
    void serve();
    void readFrom(Client* client);
    void drop(Client* client);

    QByteArray m_name;   // without the leading NUL of the abstract namespace
    LaunchRequest m_request = LaunchRequest::Show;
    int m_serverFd = -1;
    bool m_ending = false;
    std::unique_ptr<QSocketNotifier> m_server;
    std::vector<std::unique_ptr<Client>> m_clients;
    bool m_answered = false;
    bool m_silent = false;
};

}  // namespace trellum::shell
