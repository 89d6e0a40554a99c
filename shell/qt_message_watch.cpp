// SPDX-License-Identifier: MIT
#include "shell/qt_message_watch.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include <QCoreApplication>
#include <QThread>

#include "process/start_guards.h"

namespace trellum::shell {

namespace {

// Qt's message handler is one function for the process; it reaches the watch here.
QtMessageWatch* g_watch = nullptr;

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_watch != nullptr) g_watch->take(type, context, message);
}

// What Qt says when the connection to the display server is gone (xcb, wayland).
bool isConnectionBroken(const QString& message)
{
    return message.startsWith(QLatin1String("The X11 connection broke")) ||
           message.startsWith(QLatin1String("The Wayland connection broke"));
}

// How long a thread that saw the connection break keeps the process alive
// for the unload: a save takes milliseconds, a stuck user-interface thread forever.
constexpr auto kUnloadWait = std::chrono::seconds(10);

}  // namespace

struct QtMessageWatch::Unload {
    enum class State { Waiting, Running, Done };
    std::mutex mutex;
    std::condition_variable finished;
    State state = State::Waiting;
    std::function<void()> work;

    // On the user-interface thread: runs the work unless it ran or is running
    // (the unload itself may make Qt complain about the dead connection again).
    void run()
    {
        std::function<void()> taken;
        {
            const std::lock_guard lock(mutex);
            if (state != State::Waiting || !work) return;
            state = State::Running;
            taken = std::move(work);
        }
        taken();
        const std::lock_guard lock(mutex);
        state = State::Done;
        finished.notify_all();
    }
};

QtMessageWatch::QtMessageWatch() : m_unload(std::make_shared<Unload>())
{
    if (g_watch != nullptr) return;
    g_watch = this;
    m_previous = qInstallMessageHandler(onMessage);
}

QtMessageWatch::~QtMessageWatch()
{
    if (g_watch != this) return;
    started();
    qInstallMessageHandler(m_previous);
    g_watch = nullptr;
}

void QtMessageWatch::started()
{
    if (m_started) return;
    m_started = true;
    std::vector<Held> held;
    held.swap(m_held);
    for (const Held& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        passOn(message.type, context, message.text);
    }
}

void QtMessageWatch::passOn(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (m_previous != nullptr) {
        m_previous(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void QtMessageWatch::take(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!m_started) {
        if (type == QtFatalMsg) {
            std::vector<std::string> texts;
            for (const Held& held : m_held) texts.push_back(held.text.toStdString());
            texts.push_back(message.toStdString());
            std::fprintf(stderr, "%s\n", startFailureLine(texts).c_str());
            std::fflush(stdout);
            // Qt is half started: no destructor is worth running now.
            std::_Exit(1);
        }
        m_held.push_back(Held{type, QByteArray(context.category ? context.category : "default"), message});
        return;
    }
    passOn(type, context, message);
    if (isConnectionBroken(message)) unloadFromAnyThread();
}

void QtMessageWatch::onDisplayLost(std::function<void()> unload)
{
    const std::lock_guard lock(m_unload->mutex);
    if (m_unload->state == Unload::State::Waiting) m_unload->work = std::move(unload);
}

void QtMessageWatch::unloadFromAnyThread()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return;
    // Only the user-interface thread may unload.
    if (QThread::currentThread() == app->thread()) {
        m_unload->run();
        return;
    }
    // Another thread (Qt's Wayland event thread): Qt ends the process as soon
    // as this returns, so the user-interface thread is handed the unload and
    // this thread waits for it to finish. Should that thread meet the broken
    // connection first, it runs the unload itself and this wait still holds.
    const std::shared_ptr<Unload> unload = m_unload;
    {
        const std::lock_guard lock(unload->mutex);
        if (unload->state == Unload::State::Waiting && !unload->work) return;
    }
    QMetaObject::invokeMethod(app, [unload] { unload->run(); }, Qt::QueuedConnection);
    std::unique_lock lock(unload->mutex);
    unload->finished.wait_for(lock, kUnloadWait, [&unload] { return unload->state == Unload::State::Done; });
}

}  // namespace trellum::shell
