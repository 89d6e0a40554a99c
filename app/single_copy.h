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
//   main(): SingleCopy(name, request) before the window system -> a copy answered: exit 0
//           otherwise the window starts, listen(); the event loop watches the
//           socket -> acceptLaunch() -> hear() on each launch's line
//   the end: stopAnswering(); a later launch waits until this copy is gone
//
// Nothing here waits for the event loop: the shell watches the sockets and
// calls in when one is readable.

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace trellum {

// The display a launch with these arguments (main()'s, the program first) and
// the environment would open, in one spelling for all the ways of naming it:
// for X11 ("-display" or DISPLAY) the host ("unix" and none are this machine)
// and the display number as a number, the screen dropped; on a Wayland
// platform WAYLAND_DISPLAY's socket name; empty for offscreen and minimal,
// which share no screen; else the platform's name.
std::string displayKey(const std::vector<std::string>& arguments);

// The abstract socket name of this user's copy on that display; empty (no
// single copy) for an empty key.
std::string singleCopyName(const std::string& displayKey);

// What a later launch asks of the running copy.
enum class LaunchRequest { Show, Toggle };

class SingleCopy {
public:
    // Takes the name, or asks the copy that has it for `request`; an empty
    // name does neither, and the copy runs on its own.
    explicit SingleCopy(std::string name, LaunchRequest request = LaunchRequest::Show);
    ~SingleCopy();
    SingleCopy(const SingleCopy&) = delete;
    SingleCopy& operator=(const SingleCopy&) = delete;

    // A running copy has been asked and said so: this one ends.
    bool otherCopyAnswered() const { return m_answered; }
    // A running copy took the request but never confirmed it.
    bool otherCopySilent() const { return m_silent; }
    // This launch holds the name: later launches on the display will reach it.
    bool ownsName() const { return m_serverFd >= 0; }

    // Once the start can no longer block: later launches are taken from now
    // on, at the socket returned, to be watched for reading. -1 when this
    // launch does not hold the name; the program runs anyway.
    int listen();
    // Takes a launch that is waiting at the listening socket and returns its
    // line, to be watched for reading; -1 when none is left. Other users, and
    // every launch once the end has begun, are hung up on at once.
    int acceptLaunch();
    // Reads what the launch on `line` has sent. A whole request is handed to
    // `act` and then answered, so the launch ends only once it is done. True
    // when the line is finished with (answered, not understood or hung up):
    // the caller stops watching it, then calls hangUp().
    bool hear(int line, const std::function<void(LaunchRequest)>& act);
    void hangUp(int line);

    // The program is ending: launches are hung up on, and start once this
    // copy is gone, after it has saved. The caller stops watching every line first.
    void stopAnswering();

private:
    enum class Asked { NoOne, Starting, Answered, HungUp, Silent, Stranger };
    bool claim();
    Asked ask(int deadlineMs);

    std::string m_name;   // without the leading NUL of the abstract namespace
    LaunchRequest m_request;
    int m_serverFd = -1;
    bool m_listening = false;
    bool m_ending = false;
    std::map<int, std::string> m_lines;   // each launch's line and what it has sent so far
    bool m_answered = false;
    bool m_silent = false;
};

}  // namespace trellum
