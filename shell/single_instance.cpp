#include "shell/single_instance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include <QCryptographicHash>
#include <QFile>
#include <QSocketNotifier>
#include <QtGlobal>

namespace trellum::shell {

namespace {

using Clock = std::chrono::steady_clock;

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
// Generous: the running copy may be busy starting, drawing or saving under
// load, and only a second launch ever waits this long.
constexpr int kAnswerMilliseconds = 10000;
// How often a launch looks again for a copy that is starting or ending.
constexpr auto kRetry = std::chrono::milliseconds(20);

QString optionValue(const QStringList& arguments, const QString& name)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == u'-' + name || arguments[i] == QStringLiteral("--") + name) return arguments[i + 1];
    }
    return {};
}

bool isDigits(QStringView text)
{
    if (text.isEmpty()) return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

// "host:N.S" as Xlib reads it: "unix" and no host both mean this machine's
// local socket, ":03" is display 3, and the screen is part of the same desktop.
QString x11Display(const QString& display)
{
    const qsizetype colon = display.lastIndexOf(u':');
    if (colon < 0) return display;
    QString host = display.left(colon);
    if (host.endsWith(u':')) host.chop(1);   // "host::N", a DECnet spelling, is still host N
    if (host == u"unix") host.clear();
    QString number = display.mid(colon + 1);
    const qsizetype dot = number.indexOf(u'.');
    if (dot >= 0 && isDigits(QStringView(number).mid(dot + 1))) number.truncate(dot);
    if (!isDigits(number)) return display;
    bool ok = false;
    const qulonglong value = number.toULongLong(&ok);
    return host + u':' + (ok ? QString::number(value) : number);
}

// The abstract namespace: a leading NUL, and the length says where the name ends.
socklen_t abstractAddress(const QByteArray& name, sockaddr_un* address)
{
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    const std::size_t length = std::min(static_cast<std::size_t>(name.size()), sizeof address->sun_path - 1);
    std::memcpy(address->sun_path + 1, name.constData(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

bool peerIsThisUser(int fd)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

// Waits for `events` on `fd` until `deadline`; false on time-out or error.
bool waitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd p{fd, events, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
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
    // These show nothing on a screen anyone shares: each run is a display of its own.
    if (platform == u"offscreen" || platform == u"minimal") return {};
    if (!platform.isEmpty() && platform != u"xcb") return platform;
    QString display = optionValue(arguments, QStringLiteral("display"));
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    return QStringLiteral("x11") + x11Display(display);
}

QString instanceSocketName(const QString& displayKey)
{
    if (displayKey.isEmpty()) return {};
    QString key = displayKey;
    for (QChar& c : key) {
        const bool safe = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
                          c == u'_' || c == u'.' || c == u':' || c == u'-';
        if (!safe) c = u'_';
    }
    // A long host name or socket path would not fit the address: its digest does.
    if (key.size() > 64)
        key = QString::fromLatin1(QCryptographicHash::hash(displayKey.toUtf8(), QCryptographicHash::Sha256).toHex());
    return QStringLiteral("trellum-%1-").arg(::getuid()) + key;
}

SingleInstance::SingleInstance(const QString& socketName, LaunchRequest request)
    : m_name(QFile::encodeName(socketName)), m_request(request)
{
    // Binding is the lock: of two launches at once exactly one gets the name,
    // and the other then waits for it to listen.
    if (m_name.isEmpty()) return;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kAnswerMilliseconds);
    for (;;) {
        if (claim()) return;
        switch (ask(static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count()))) {
        case Asked::Answered: m_answered = true; return;
        case Asked::Silent: m_silent = true; return;
        // Another user's socket under this user's name, or no name to be had:
        // this copy runs without meeting later launches rather than not at all.
        case Asked::Stranger:
            std::fputs("trellum: the single-copy socket is held by another user; starting without it\n", stderr);
            return;
        case Asked::NoOne: return;
        // A copy that is still starting, or ending (saving after OFF): asked
        // again until it listens, or until it is gone and the name is free.
        case Asked::Starting:
        case Asked::HungUp: break;
        }
        if (Clock::now() >= deadline) {
            std::fputs("trellum: another copy on this display neither starts nor ends; starting anyway\n", stderr);
            return;
        }
        std::this_thread::sleep_for(kRetry);
    }
}

SingleInstance::~SingleInstance()
{
    for (const auto& client : m_clients) ::close(client->fd);
    m_server.reset();
    if (m_serverFd >= 0) ::close(m_serverFd);
}

bool SingleInstance::claim()
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    sockaddr_un address;
    const socklen_t length = abstractAddress(m_name, &address);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        ::close(fd);
        return false;
    }
    m_serverFd = fd;
    return true;
}

SingleInstance::Asked SingleInstance::ask(int deadlineMs)
{
    const Exchange& exchange = exchangeOf(m_request);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return Asked::NoOne;
    sockaddr_un address;
    const socklen_t length = abstractAddress(m_name, &address);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        const int error = errno;
        ::close(fd);
        // Bound but not listening yet: a copy on its way up. Gone just now: free again.
        return error == ECONNREFUSED || error == EAGAIN || error == ENOENT ? Asked::Starting : Asked::NoOne;
    }
    if (!peerIsThisUser(fd)) {
        ::close(fd);
        return Asked::Stranger;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(deadlineMs, 0));
    const bool sent =
        ::send(fd, exchange.asked, std::strlen(exchange.asked), MSG_NOSIGNAL) == static_cast<ssize_t>(std::strlen(exchange.asked));
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
    if (answer == exchange.answer) return Asked::Answered;
    // A copy that hangs up without a word is ending; one that keeps the line
    // and says nothing is stuck.
    return hungUp ? Asked::HungUp : Asked::Silent;
}

bool SingleInstance::listen()
{
    if (m_serverFd < 0 || m_server) return m_server != nullptr;
    if (::listen(m_serverFd, 8) != 0) return false;
    m_server = std::make_unique<QSocketNotifier>(m_serverFd, QSocketNotifier::Read);
    connect(m_server.get(), &QSocketNotifier::activated, this, &SingleInstance::serve);
    return true;
}

void SingleInstance::stopAnswering()
{
    m_ending = true;
    while (!m_clients.empty()) drop(m_clients.back().get());
}

void SingleInstance::serve()
{
    for (;;) {
        const int fd = ::accept4(m_serverFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return;
        // Another user may reach the abstract namespace too, but never this window.
        if (m_ending || !peerIsThisUser(fd)) {
            ::close(fd);
            continue;
        }
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
    drop(client);
}

void SingleInstance::drop(Client* client)
{
    client->notifier->setEnabled(false);
    client->notifier->deleteLater();   // its signal may still be being delivered
    ::close(client->fd);
    std::erase_if(m_clients, [client](const std::unique_ptr<Client>& c) { return c.get() == client; });
}

}  // namespace trellum::shell
