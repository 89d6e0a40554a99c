// SPDX-License-Identifier: MIT
#pragma once
// Qt's messages, watched for the two that would end the program without its
// shut-down:
//   - a windowing system that cannot start (no display, an unknown platform):
//     Qt aborts with a core dump. Here its messages are held back and the
//     program prints one line saying what is missing and exits with status 1;
//   - the display connection breaking (the X server or compositor gone, as at
//     a logout): Qt ends the program at once. Here the unload runs first, since
//     saving the settings needs no display. Qt's Wayland client says so on its
//     event thread and ends the process when the handler returns: the handler
//     then hands the unload to the user-interface thread and waits for it.
// Everything else goes on to Qt's own output unchanged.

#include <functional>
#include <memory>
#include <vector>

#include <QByteArray>
#include <QString>

namespace trellum::shell {

class QtMessageWatch {
public:
    // Installs the message handler: before QApplication is built. One at a time.
    QtMessageWatch();
    ~QtMessageWatch();
    QtMessageWatch(const QtMessageWatch&) = delete;
    QtMessageWatch& operator=(const QtMessageWatch&) = delete;

    // QApplication has its windowing system: the messages held back since the
    // watch began are passed on.
    void started();

    // Runs once, on the user-interface thread, when the display connection has
    // broken, before Qt ends the program with status 1. Empty: nothing runs.
    void onDisplayLost(std::function<void()> unload);

    // For the message handler only.
    void take(QtMsgType type, const QMessageLogContext& context, const QString& message);

private:
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    void passOn(QtMsgType type, const QMessageLogContext& context, const QString& message);

    struct Unload;   // shared with the user-interface thread's turn at it
    void unloadFromAnyThread();

    QtMessageHandler m_previous = nullptr;
    bool m_started = false;
    std::shared_ptr<Unload> m_unload;
    std::vector<Held> m_held;   // while Qt starts
};

}  // namespace trellum::shell
