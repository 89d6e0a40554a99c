// SPDX-License-Identifier: MIT
#include "process/stop_signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace trellum {

namespace {

const int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// A signal handler can reach nothing but globals; this one holds only the write
// end of the socket pair, set from installHandlers() until the object goes.
volatile sig_atomic_t g_writeFd = -1;
int g_readFd = -1;
bool g_attached = false;  // a StopSignals object reads the socket

extern "C" void onSignal(int signalNumber)
{
    const int saved = errno;
    const int fd = g_writeFd;
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(signalNumber);
        // A full socket means signals are already waiting to be handled.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = saved;
}

}  // namespace

void StopSignals::installHandlers()
{
    if (g_writeFd >= 0) return;
    // A write to a display server that has just ended fails with EPIPE, which
    // the display-loss unload answers, instead of ending the program unsaved.
    ::signal(SIGPIPE, SIG_IGN);
    int fds[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0) return;
    g_readFd = fds[1];
    g_writeFd = fds[0];
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls (the settings file's write and fsync) resume.
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kSignals) {
        // A hang-up or interrupt ignored by whoever started the program (nohup,
        // a script's background job) stays ignored; SIGTERM is always answered.
        struct sigaction previous = {};
        ::sigaction(signalNumber, nullptr, &previous);
        if (signalNumber != SIGTERM && previous.sa_handler == SIG_IGN) continue;
        ::sigaction(signalNumber, &action, nullptr);
    }
}

StopSignals::StopSignals()
{
    installHandlers();
    if (g_writeFd < 0 || g_attached) return;
    g_attached = true;
    m_fds[0] = g_writeFd;
    m_fds[1] = g_readFd;
    // Signals that came before the event loop ran are waiting in the socket already.
}

StopSignals::~StopSignals()
{
    if (m_fds[0] < 0) return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kSignals) {
        struct sigaction current = {};
        ::sigaction(signalNumber, nullptr, &current);
        if (current.sa_handler == onSignal) ::sigaction(signalNumber, &action, nullptr);
    }
    g_writeFd = -1;
    g_readFd = -1;
    g_attached = false;
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

bool StopSignals::takePending()
{
    bool any = false;
    unsigned char bytes[64];
    while (m_fds[1] >= 0 && ::read(m_fds[1], bytes, sizeof bytes) > 0) any = true;
    return any;
}

}  // namespace trellum
