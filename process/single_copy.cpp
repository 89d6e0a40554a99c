// SPDX-License-Identifier: MIT
#include "process/single_copy.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <thread>
#include <utility>

#include <QSocketNotifier>
#include <QTimer>

namespace trellum {

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
// Longer than any request or answer, the launcher's startup id and activation
// token included: a peer that sends more is not this program.
constexpr std::size_t kMaxLine = 256;
constexpr std::size_t kMaxToken = 100;
// Generous: the running copy may be busy starting, drawing or saving under
// load, and only a second launch ever waits this long. The running copy gives
// each launch as long, then hangs up.
constexpr auto kAnswerTime = std::chrono::milliseconds(10000);
// How often a launch looks again for a copy that is starting or ending.
constexpr auto kRetry = std::chrono::milliseconds(20);
// Launches heard at once; more wait in the kernel's queue, each under its own deadline.
constexpr std::size_t kMaxLines = 16;
// Out of descriptors, a waiting launch stays readable: accepting rests instead of spinning.
constexpr int kAcceptPauseMs = 500;

std::string optionValue(const std::vector<std::string>& arguments, const std::string& name)
{
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        for (const std::string& dashes : {std::string("-"), std::string("--")}) {
            const std::string option = dashes + name;
            if (arguments[i] == option && i + 1 < arguments.size()) return arguments[i + 1];
            if (arguments[i].starts_with(option + "=")) return arguments[i].substr(option.size() + 1);
        }
    }
    return {};
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "host:N.S" as Xlib reads it: "unix" and no host both mean this machine's
// local socket, ":03" is display 3, and the screen is part of the same desktop.
std::string x11Display(const std::string& display)
{
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) return display;
    std::string host = display.substr(0, colon);
    if (!host.empty() && host.back() == ':') host.pop_back();   // "host::N", a DECnet spelling, is still host N
    if (host == "unix") host.clear();
    std::string number = display.substr(colon + 1);
    const std::size_t dot = number.find('.');
    if (dot != std::string::npos && isDigits(number.substr(dot + 1))) number.resize(dot);
    if (!isDigits(number)) return display;
    number.erase(0, std::min(number.find_first_not_of('0'), number.size() - 1));
    return host + ':' + number;
}

// The first of a list ("xcb;wayland" is tried in order) without its options
// ("wayland:option"), in the case Qt looks plugins up in: it ignores case.
std::string firstPlatform(const std::string& platforms)
{
    std::string first = platforms.substr(0, platforms.find(';'));
    first = first.substr(0, first.find(':'));
    std::transform(first.begin(), first.end(), first.begin(), [](unsigned char c) { return std::tolower(c); });
    return first;
}

// FNV-1a: a name that stays the same from one build of the program to the next.
std::string digestOf(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : text) hash = (hash ^ c) * 1099511628211ULL;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

// The key in the characters a name may hold: a long host name or socket path
// would not fit the address, its digest does.
std::string safeNameOf(const std::string& key)
{
    std::string name = key;
    for (char& c : name) {
        const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                          c == '.' || c == ':' || c == '-';
        if (!safe) c = '_';
    }
    return name.size() > 64 ? digestOf(key) : name;
}

std::string fileNameOf(const std::string& key) { return "trellum-" + safeNameOf(key); }

std::string abstractNameOf(const std::string& key)
{
    return "trellum-" + std::to_string(::getuid()) + "-" + safeNameOf(key);
}

// A folder only this user can enter: not a link, owned by us, no access for anyone else.
bool isPrivateFolder(const std::string& path)
{
    struct stat info {};
    return !path.empty() && path.front() == '/' && ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

socklen_t addressOf(const std::string& path, bool abstract, sockaddr_un* address)
{
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    // The abstract namespace: a leading NUL, and the length says where the name ends.
    const std::size_t skip = abstract ? 1 : 0;
    const std::size_t length = std::min(path.size(), sizeof address->sun_path - 1 - skip);
    std::memcpy(address->sun_path + skip, path.data(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + skip + length + (abstract ? 0 : 1));
}

// Bound, not yet listening: a launch that finds it waits for the copy to be up.
int boundSocket(const std::string& path, bool abstract)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_un address;
    const socklen_t length = addressOf(path, abstract, &address);
    if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
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

// A launcher's id or token goes on the line as one word: printable, no blank
// or quote, not too long. Any other is left out, and its feedback times out.
std::string feedbackWord(const char* key, const char* variable)
{
    const std::string value = environment(variable);
    const bool usable = !value.empty() && value.size() <= kMaxToken &&
                        std::all_of(value.begin(), value.end(), [](char c) {
                            return c > ' ' && c < 127 && c != '"' && c != '\\';
                        });
    return usable ? std::string(" ") + key + "=" + value : std::string();
}

// "show startup=ID token=T": the request, then the launcher's feedback.
bool parseRequest(std::string line, LaunchRequest* request, QByteArray* startupId, QByteArray* token)
{
    if (line.empty() || line.back() != '\n') return false;
    line.pop_back();
    std::size_t start = 0;
    bool first = true;
    while (start <= line.size()) {
        const std::size_t blank = std::min(line.find(' ', start), line.size());
        const std::string word = line.substr(start, blank - start);
        start = blank + 1;
        if (first) {
            const auto* exchange = std::find_if(std::begin(kExchanges), std::end(kExchanges), [&word](const Exchange& e) {
                return word + "\n" == e.asked;
            });
            if (exchange == std::end(kExchanges)) return false;
            *request = exchange->request;
            first = false;
        } else if (word.starts_with("startup=")) {
            *startupId = QByteArray::fromStdString(word.substr(8));
        } else if (word.starts_with("token=")) {
            *token = QByteArray::fromStdString(word.substr(6));
        }
    }
    return true;
}

void sendAll(int fd, const char* text)
{
    [[maybe_unused]] const ssize_t sent = ::send(fd, text, std::strlen(text), MSG_NOSIGNAL);
}

}  // namespace

std::string displayKey(const std::vector<std::string>& arguments)
{
    std::string platform = optionValue(arguments, "platform");
    if (platform.empty()) platform = environment("QT_QPA_PLATFORM");
    platform = firstPlatform(platform);
    const std::string x11 = !optionValue(arguments, "display").empty() ? optionValue(arguments, "display")
                                                                        : environment("DISPLAY");
    const std::string wayland = environment("WAYLAND_DISPLAY");
    // Unnamed, Qt takes X11 when there is an X display and else the compositor's.
    if (platform.empty()) platform = x11.empty() && !wayland.empty() ? "wayland" : "xcb";
    if (platform.starts_with("wayland")) return "wayland-" + (wayland.empty() ? std::string("wayland-0") : wayland);
    // These show nothing on a screen anyone shares: each run is a display of its own.
    if (platform == "offscreen" || platform == "minimal") return {};
    if (platform != "xcb") return platform;
    return x11.empty() ? std::string() : "x11" + x11Display(x11);
}

SingleCopy::SingleCopy(const std::string& displayKey, LaunchRequest request) : m_request(request)
{
    if (displayKey.empty()) return;
    m_key = displayKey;
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    m_path = runtime + "/" + fileNameOf(displayKey);
    // Without a private runtime folder (unset, shared, not ours) the abstract
    // namespace is left, where the peer's user is checked instead.
    if (!isPrivateFolder(runtime) || m_path.size() >= sizeof sockaddr_un{}.sun_path) {
        m_abstract = true;
        m_path = abstractNameOf(displayKey);
    }
    // Binding (or the lock beside the socket) decides: of two launches at once
    // exactly one claims the display, and the other then waits for it to listen.
    const auto deadline = Clock::now() + kAnswerTime;
    for (;;) {
        if (claim()) {
            // A copy started without a private folder meets launches at the
            // abstract name only: asked there too, and otherwise the name is
            // held beside the socket, so such launches still find this copy.
            if (!m_abstract) claimAbstractToo();
            return;
        }
        switch (ask(m_path, m_abstract, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count())) {
        case Asked::Answered: m_answered = true; return;
        case Asked::Silent: m_silent = true; return;
        // Another user's socket under this user's name, or no name to be had:
        // this copy runs without meeting later launches rather than not at all.
        case Asked::Stranger:
            std::fputs("trellum: the single-copy socket is held by another user; starting without it\n", stderr);
            return;
        case Asked::NoOne: return;
        // A copy that is still starting, or ending (saving after OFF): asked
        // again until it listens, or until it is gone and the display is free.
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

SingleCopy::~SingleCopy()
{
    for (const auto& line : m_lines) ::close(line.first);
    if (m_abstractFd >= 0) ::close(m_abstractFd);
    if (m_serverFd >= 0) {
        ::close(m_serverFd);
        // Removed while the lock still says it is ours.
        if (!m_abstract) ::unlink(m_path.c_str());
    }
    if (m_lockFd >= 0) ::close(m_lockFd);
}

std::string SingleCopy::meetingPoint() const { return m_abstract ? "@" + m_path : m_path; }

bool SingleCopy::claim()
{
    if (!m_abstract) {
        // The kernel drops the lock when its holder ends, however it ends: a
        // socket left by a copy that died is then taken over.
        m_lockFd = ::open((m_path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_lockFd >= 0 && ::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
            ::close(m_lockFd);
            m_lockFd = -1;
            return false;
        }
        if (m_lockFd >= 0) {
            // Only a socket is taken over: any other file there is the user's and stays.
            struct stat info {};
            if (::lstat(m_path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode)) ::unlink(m_path.c_str());
            m_serverFd = boundSocket(m_path, false);
            if (m_serverFd >= 0) return true;
            ::close(m_lockFd);
            m_lockFd = -1;
        }
        // The folder holds no lock or socket of ours: the abstract name it is.
        m_abstract = true;
        m_path = abstractNameOf(m_key);
    }
    m_serverFd = boundSocket(m_path, true);
    return m_serverFd >= 0;
}

void SingleCopy::claimAbstractToo()
{
    const std::string name = abstractNameOf(m_key);
    m_abstractFd = boundSocket(name, true);
    // Held by another user, or by a copy of this user's that is starting or
    // ending: only an answer from a running one of this user's counts. The
    // previous release, which met here, knows only the bare request.
    if (m_abstractFd >= 0 || ask(name, true, kAnswerTime.count(), false) != Asked::Answered) return;
    m_answered = true;
    ::close(m_serverFd);
    m_serverFd = -1;
    ::close(m_lockFd);
    m_lockFd = -1;
}

SingleCopy::Asked SingleCopy::ask(const std::string& path, bool abstract, std::int64_t deadlineMs, bool feedback) const
{
    const Exchange& exchange = exchangeOf(m_request);
    // Non-blocking: a copy that is stopped, or whose queue is full, never holds
    // the launch in connect() past its deadline.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return Asked::NoOne;
    sockaddr_un address;
    const socklen_t length = addressOf(path, abstract, &address);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        const int error = errno;
        ::close(fd);
        // Not listening yet or any more, or too busy: asked again. Nothing
        // there and nothing to be claimed: this launch runs alone.
        return error == ECONNREFUSED || error == EAGAIN || error == ENOENT ? Asked::Starting : Asked::NoOne;
    }
    if (!peerIsThisUser(fd)) {
        ::close(fd);
        return Asked::Stranger;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max<std::int64_t>(deadlineMs, 0));
    std::string asked = exchange.asked;
    if (feedback)
        asked.insert(asked.size() - 1,
                     feedbackWord("startup", "DESKTOP_STARTUP_ID") + feedbackWord("token", "XDG_ACTIVATION_TOKEN"));
    const bool sent = ::send(fd, asked.data(), asked.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(asked.size());
    std::string answer;
    bool hungUp = !sent;
    while (sent && (answer.empty() || answer.back() != '\n') && answer.size() < kMaxLine) {
        if (!waitFor(fd, POLLIN, deadline)) break;
        char buffer[kMaxLine];
        const ssize_t got = ::recv(fd, buffer, kMaxLine - answer.size(), 0);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (got <= 0) {
            hungUp = true;
            break;
        }
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (answer == exchange.answer) return Asked::Answered;
    // A copy that hangs up without a word is ending; one that keeps the line
    // and says nothing (or says too much) is stuck.
    return hungUp ? Asked::HungUp : Asked::Silent;
}

bool SingleCopy::listen()
{
    if (m_server) return true;
    if (m_serverFd < 0 || ::listen(m_serverFd, static_cast<int>(kMaxLines)) != 0) return false;
    m_server = new QSocketNotifier(m_serverFd, QSocketNotifier::Read, this);
    connect(m_server, &QSocketNotifier::activated, this, [this] { acceptLaunches(m_serverFd); });
    if (m_abstractFd >= 0 && ::listen(m_abstractFd, static_cast<int>(kMaxLines)) == 0) {
        m_abstractServer = new QSocketNotifier(m_abstractFd, QSocketNotifier::Read, this);
        connect(m_abstractServer, &QSocketNotifier::activated, this, [this] { acceptLaunches(m_abstractFd); });
    }
    return true;
}

void SingleCopy::acceptLaunches(int server)
{
    while (m_lines.size() < kMaxLines) {
        const int fd = ::accept4(server, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0 && errno == EINTR) continue;
        if (fd < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            setAccepting(false);
            QTimer::singleShot(kAcceptPauseMs, this, [this] {
                if (m_lines.size() < kMaxLines) setAccepting(true);
            });
        }
        if (fd < 0) return;
        // Another user may reach the abstract namespace, but never this window.
        if (m_ending || !peerIsThisUser(fd)) {
            ::close(fd);
            continue;
        }
        const std::uint64_t serial = ++m_serial;
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { hear(fd); });
        m_lines[fd] = Line{notifier, {}, serial, LaunchRequest::Show, {}, {}};
        QTimer::singleShot(kAnswerTime, this, [this, fd, serial] {
            const auto found = m_lines.find(fd);
            if (found == m_lines.end() || found->second.serial != serial) return;
            hangUp(fd);
            handOut();
        });
    }
    // The rest wait in the kernel's queue until a line is finished with.
    setAccepting(false);
}

void SingleCopy::setAccepting(bool accepting)
{
    for (QSocketNotifier* server : {m_server, m_abstractServer})
        if (server) server->setEnabled(accepting);
}

void SingleCopy::hear(int line)
{
    const auto found = m_lines.find(line);
    if (found == m_lines.end()) return;
    std::string& received = found->second.received;
    char buffer[kMaxLine];
    const ssize_t got = ::recv(line, buffer, kMaxLine - received.size(), 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got > 0) received.append(buffer, static_cast<std::size_t>(got));
    const bool whole = !received.empty() && received.back() == '\n';
    if (got > 0 && !whole && received.size() < kMaxLine) return;
    Line& heard = found->second;
    if (!parseRequest(received, &heard.request, &heard.startupId, &heard.activationToken)) {
        hangUp(line);
        handOut();
        return;
    }
    // One request a connection; it waits its turn.
    found->second.notifier->setEnabled(false);
    m_waiting.emplace_back(line, found->second.serial);
    handOut();
}

void SingleCopy::handOut()
{
    while (!m_busy && !m_waiting.empty() && !m_ending) {
        const int line = m_waiting.front().first;
        const auto found = m_lines.find(line);
        if (found == m_lines.end() || found->second.serial != m_waiting.front().second) {
            m_waiting.pop_front();
            continue;
        }
        m_busy = true;
        emit requested(found->second.request, found->second.startupId, found->second.activationToken);
        return;
    }
}

void SingleCopy::done()
{
    if (!m_busy || m_waiting.empty()) return;
    const auto [line, serial] = m_waiting.front();
    m_waiting.pop_front();
    m_busy = false;
    const auto found = m_lines.find(line);
    if (found != m_lines.end() && found->second.serial == serial) {
        sendAll(line, exchangeOf(found->second.request).answer);
        hangUp(line);
    }
    handOut();
}

void SingleCopy::hangUp(int line)
{
    const auto found = m_lines.find(line);
    if (found == m_lines.end()) return;
    if (m_busy && !m_waiting.empty() && m_waiting.front().first == line) {
        m_waiting.pop_front();
        m_busy = false;
    }
    found->second.notifier->setEnabled(false);
    found->second.notifier->deleteLater();   // its signal may still be being delivered
    ::close(line);
    m_lines.erase(found);
    if (!m_ending) setAccepting(true);
}

void SingleCopy::stopAnswering()
{
    m_ending = true;
    while (!m_lines.empty()) hangUp(m_lines.begin()->first);
    m_waiting.clear();
    m_busy = false;
    // Still accepted, and hung up on at once: the display stays claimed until this copy is gone.
    setAccepting(true);
}

}  // namespace trellum
