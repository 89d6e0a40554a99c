// SPDX-License-Identifier: MIT
#pragma once
// SIGTERM, SIGHUP and SIGINT as something the event loop reads. The handler
// only writes the signal's number into a socket pair; the user-interface thread
// watches the other end and ends the program in good order (saves the
// settings, removes the tray icon) instead of dying mid-run. SIGPIPE is ignored.

namespace trellum {

class StopSignals {
public:
    // Installs the handlers for the process, before the window system starts:
    // a signal that comes while it starts waits in the socket pair until the
    // event loop reads it, so a TERM at any moment ends the program like OFF.
    // Idempotent; the object below installs them too when not done yet.
    static void installHandlers();

    // Takes the socket pair for the event loop. One object at a time.
    StopSignals();
    // Gives the signals back to their default handling.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The end to watch for reading; -1 when the handlers could not be installed.
    int socket() const { return m_fds[1]; }
    // Reads the signals that are waiting; true when at least one was.
    bool takePending();

private:
    int m_fds[2] = {-1, -1};
};

}  // namespace trellum
