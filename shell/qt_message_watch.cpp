#include "shell/qt_message_watch.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>

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
            QStringList texts;
            for (const Held& held : m_held) texts.append(held.text);
            texts.append(message);
            std::fprintf(stderr, "%s\n", qPrintable(startFailureLine(texts)));
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

QString QtMessageWatch::startFailureLine(const QStringList& messages)
{
    static const QRegularExpression display(QStringLiteral("^could not connect to display ?(.*)$"));
    static const QRegularExpression platform(QStringLiteral("^Could not find the Qt platform plugin \"([^\"]*)\""));
    static const QRegularExpression available(QStringLiteral("Available platform plugins are: ([^\\n]*?)\\.?\\s*$"));
    const QString program = QStringLiteral("trellum: ");
    const QString fatal = messages.isEmpty() ? QString() : messages.last();
    QString choices;
    if (const QRegularExpressionMatch m = available.match(fatal); m.hasMatch()) choices = m.captured(1);
    for (const QString& message : messages) {
        if (const QRegularExpressionMatch m = platform.match(message); m.hasMatch()) {
            return program + QStringLiteral("no windowing system \"%1\" (there are: %2)")
                                 .arg(m.captured(1), choices.isEmpty() ? QStringLiteral("none") : choices);
        }
    }
    for (const QString& message : messages) {
        if (const QRegularExpressionMatch m = display.match(message); m.hasMatch()) {
            const QString name = m.captured(1).trimmed();
            if (name.isEmpty())
                return program + QStringLiteral("no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset)");
            return program + QStringLiteral("cannot open the display %1").arg(name);
        }
    }
    for (const QString& message : messages) {
        if (message.startsWith(QLatin1String("Failed to create wl_display")))
            return program + QStringLiteral("cannot connect to the Wayland display %1")
                                 .arg(qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0")));
    }
    return program + QStringLiteral("the windowing system could not start: %1").arg(fatal.section(u'\n', 0, 0));
}

}  // namespace trellum::shell
