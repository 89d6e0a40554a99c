#include "shell/single_instance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QtGlobal>

namespace trellum::shell {

namespace {

// One line each way. A copy that does not know a request closes the line
// without an answer, as one that is ending does.
struct Exchange {
    LaunchRequest request;
    const char* asked;
    const char* answer;
};
constexpr Exchange kExchanges[] = {
    {LaunchRequest::Show, "show\n", "shown\n"},
    {LaunchRequest::Toggle, "toggle\n", "toggled\n"},
};

const Exchange& exchangeOf(LaunchRequest request)
{
    for (const Exchange& exchange : kExchanges)
        if (exchange.request == request) return exchange;
    return kExchanges[0];
}
// Generous: the running copy may be busy starting or drawing under load, and
// only a second launch ever waits this long.
constexpr int kAnswerMilliseconds = 10000;

QString optionValue(const QStringList& arguments, const QString& name)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == u'-' + name || arguments[i] == QStringLiteral("--") + name) return arguments[i + 1];
    }
    return {};
}

// Plain Unix sockets rather than Qt's network module, whose libraries (and
// theirs: Kerberos, libproxy, brotli) would all be loaded at every start.
sockaddr_un socketAddress(const QString& path, bool* fits)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    *fits = native.size() < static_cast<qsizetype>(sizeof address.sun_path);
    if (*fits) std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
    return address;
}

// Waits for `events` on `fd` until `deadline`; false on time-out or error.
bool waitFor(int fd, short events, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd p{fd, events, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
}

bool isDigits(QStringView text)
{
    if (text.isEmpty()) return false;
    for (QChar c : text) {
        if (!c.isDigit()) return false;
    }
    return true;
}

}  // namespace

QString displayKey(const QStringList& arguments)
{
    QString platform = optionValue(arguments, QStringLiteral("platform"));
    if (platform.isEmpty()) platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    // "xcb;wayland" is tried in order; the first is the one a desktop would give.
    platform = platform.section(u';', 0, 0).section(u':', 0, 0);
    if (platform.startsWith(QLatin1String("wayland"))) {
        const QString socket = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        return QStringLiteral("wayland-") + socket.section(u'/', -1);
    }
    if (!platform.isEmpty() && platform != u"xcb") return platform;
    QString display = optionValue(arguments, QStringLiteral("display"));
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    // ":0" and ":0.0" are one display; the screen does not make another desktop.
    const qsizetype colon = display.lastIndexOf(u':'), dot = display.lastIndexOf(u'.');
    if (colon >= 0 && dot > colon && isDigits(QStringView(display).mid(dot + 1))) display.truncate(dot);
    return QStringLiteral("x11") + display;
}

QString instanceSocketPath(const QString& displayKey)
{
    QString name = displayKey;
    for (QChar& c : name) {
        const bool safe = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
                          c == u'_' || c == u'.' || c == u':' || c == u'-';
        if (!safe) c = u'_';
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return runtime + QStringLiteral("/trellum-") + name;
    return QDir::tempPath() + QStringLiteral("/trellum-%1-").arg(::getuid()) + name;
}

SingleInstance::SingleInstance(const QString& socketPath, LaunchRequest request) : m_path(socketPath)
{
    // Two launches at once must not both find nobody and both start: the one
    // that waited here finds the other listening.
    m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
    if (!m_lock->tryLock(kAnswerMilliseconds)) m_lock.reset();
    ask(request);
}

SingleInstance::~SingleInstance()
{
    for (const auto& client : m_clients) ::close(client->fd);
    if (m_serverFd >= 0) ::close(m_serverFd);
}

void SingleInstance::ask(LaunchRequest request)
{
    const Exchange& exchange = exchangeOf(request);
    const std::size_t length = std::strlen(exchange.asked);
    bool fits = false;
    const sockaddr_un address = socketAddress(m_path, &fits);
    if (!fits) return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // A socket nobody listens on (a crashed copy's) refuses at once.
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kAnswerMilliseconds);
    bool sent = ::send(fd, exchange.asked, length, MSG_NOSIGNAL) == static_cast<ssize_t>(length);
    QByteArray answer;
    bool hungUp = !sent;
    while (sent && !answer.endsWith('\n')) {
        if (!waitFor(fd, POLLIN, deadline)) break;
        char buffer[64];
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            hungUp = true;
            break;
        }
        answer.append(buffer, got);
    }
    ::close(fd);
    m_answered = answer == exchange.answer;
    // A copy that hangs up without a word is ending (saving, after OFF): this
    // launch starts instead. One that keeps the line and says nothing is stuck.
    m_silent = !m_answered && !hungUp;
}

bool SingleInstance::listen()
{
    bool fits = false;
    const sockaddr_un address = socketAddress(m_path, &fits);
    const int fd = fits ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0) : -1;
    const auto bindTo = [&] {
        // Only the user may connect: the socket is made without group or other rights.
        const mode_t mask = ::umask(077);
        const int bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::umask(mask);
        return bound == 0;
    };
    bool listening = fd >= 0 && bindTo();
    if (fd >= 0 && !listening && errno == EADDRINUSE) {
        // Nobody answered on it: a crashed copy's socket, left behind.
        QFile::remove(m_path);
        listening = bindTo();
    }
    listening = listening && ::listen(fd, 8) == 0;
    m_lock.reset();
    if (!listening) {
        if (fd >= 0) ::close(fd);
        return false;
    }
    m_serverFd = fd;
    m_server = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_server.get(), &QSocketNotifier::activated, this, &SingleInstance::serve);
    return true;
}

void SingleInstance::serve()
{
    for (;;) {
        const int fd = ::accept4(m_serverFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return;
        auto client = std::make_unique<Client>();
        client->fd = fd;
        client->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        Client* raw = client.get();
        connect(raw->notifier, &QSocketNotifier::activated, this, [this, raw] { readFrom(raw); });
        m_clients.push_back(std::move(client));
    }
}

void SingleInstance::readFrom(Client* client)
{
    char buffer[64];
    const ssize_t got = ::recv(client->fd, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got > 0) client->received.append(buffer, got);
    if (got > 0 && !client->received.contains('\n')) return;
    for (const Exchange& exchange : kExchanges) {
        if (client->received != exchange.asked) continue;
        if (exchange.request == LaunchRequest::Toggle) {
            emit toggle();
        } else {
            emit comeForward();
        }
        ::send(client->fd, exchange.answer, std::strlen(exchange.answer), MSG_NOSIGNAL);
    }
    // One request a connection: answered (or not understood), the line is closed.
    client->notifier->setEnabled(false);
    client->notifier->deleteLater();   // its signal is still being delivered
    ::close(client->fd);
    std::erase_if(m_clients, [client](const std::unique_ptr<Client>& c) { return c.get() == client; });
}

}  // namespace trellum::shell
