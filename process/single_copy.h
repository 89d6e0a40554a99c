// SPDX-License-Identifier: MIT
#pragma once
// process/: the program as a process on the desktop, apart from the calculator:
// the one running copy per display (here), the stop signals read by the event
// loop (stop_signals.h), the checks made before the window system starts and
// the line printed when it cannot start (start_guards.h), and the languages the
// user asked for (languages.h). Uses Qt Core only for the event loop's watch on
// the sockets.
//
// One running copy per user and display. The copy that claims the display's
// meeting point is the running copy; a later launch asks it to come forward
// (or with --toggle to hide or show itself) and ends, so two copies never share
// one memory bank.
//
//   main(): SingleCopy(key, request) before the window system -> answered: exit 0
//           otherwise the window starts, listen(); each request comes out as
//           requested(), and is answered once the window calls done()
//   the end: stopAnswering(); a later launch waits until this copy is gone
//
// The meeting point is a socket in the user's private runtime folder, which no
// other user can enter; the kernel's lock on a file beside it says whether its
// holder still runs. Without such a folder it is a name in the abstract
// namespace, where only a peer of the same user is asked or answered; a copy
// with the folder holds that name too when it can, so launches without the
// folder (su, cron) still find it, but another user holding it changes nothing.

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

namespace trellum {

// The display a launch with these arguments (main()'s, the program first) and
// the environment would open, in one spelling for all the ways of naming it:
// for X11 ("-display" or DISPLAY) the host ("unix" and none are this machine)
// and the display number as a number, the screen dropped; on a Wayland
// platform its socket. Empty where no single copy applies: offscreen and
// minimal share no screen, and with no display at all the window system's
// own start failure is the answer.
std::string displayKey(const std::vector<std::string>& arguments);

// What a later launch asks of the running copy.
enum class LaunchRequest { Show, Toggle };

class SingleCopy : public QObject {
    Q_OBJECT
public:
    // Before the window system: claims the display's meeting point, or asks the
    // copy that holds it for `request`. An empty key does neither: the copy
    // runs on its own.
    explicit SingleCopy(const std::string& displayKey, LaunchRequest request = LaunchRequest::Show);
    ~SingleCopy() override;

    // A running copy has been asked and said so: this one ends.
    bool otherCopyAnswered() const { return m_answered; }
    // A running copy took the request but never confirmed it.
    bool otherCopySilent() const { return m_silent; }
    // This launch holds the meeting point: later launches will reach it.
    bool ownsName() const { return m_serverFd >= 0; }
    // Where launches meet: a socket path, or "@name" in the abstract namespace.
    std::string meetingPoint() const;

    // Once the start can no longer block: later launches are heard from now on.
    // False when this launch does not hold the meeting point; the program runs anyway.
    bool listen();
    // The request last handed out by requested() has taken effect: its launch
    // is answered and the next request, in the order they came, is handed out.
    void done();
    // The program is ending: launches are hung up on, and start once this copy
    // is gone, after it has saved.
    void stopAnswering();

signals:
    // One request at a time, in the order they came; done() when it took effect.
    // The launcher's feedback comes with it: its X11 startup id and its Wayland
    // activation token (empty when it gave none), for the running copy to end
    // the busy cursor and to be let to the front.
    void requested(trellum::LaunchRequest request, const QByteArray& startupId, const QByteArray& activationToken);

private:
    struct Line {
        QSocketNotifier* notifier;
        std::string received;
        std::uint64_t serial;
        LaunchRequest request = LaunchRequest::Show;
        QByteArray startupId;
        QByteArray activationToken;
    };
    enum class Asked { NoOne, Starting, Answered, HungUp, Silent, Stranger };
    bool claim();
    void claimAbstractToo();
    Asked ask(const std::string& path, bool abstract, std::int64_t deadlineMs, bool feedback = true) const;
    void acceptLaunches(int server);
    void setAccepting(bool accepting);
    void hear(int line);
    void handOut();
    void hangUp(int line);

    std::string m_key;
    std::string m_path;   // a socket path, or the abstract name without its leading NUL
    bool m_abstract = false;
    LaunchRequest m_request;
    int m_serverFd = -1;
    int m_lockFd = -1;
    int m_abstractFd = -1;   // beside a socket path: the abstract name, for launches without the folder
    QSocketNotifier* m_server = nullptr;
    QSocketNotifier* m_abstractServer = nullptr;
    bool m_ending = false;
    std::map<int, Line> m_lines;
    std::deque<std::pair<int, std::uint64_t>> m_waiting;   // heard lines, oldest first
    bool m_busy = false;   // a request is handed out and not yet done
    std::uint64_t m_serial = 0;
    bool m_answered = false;
    bool m_silent = false;
};

}  // namespace trellum
