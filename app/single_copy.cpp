#include "app/single_copy.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <thread>
#include <utility>

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
// Generous: the running copy may be busy starting, drawing or saving under
// load, and only a second launch ever waits this long.
constexpr auto kAnswerTime = std::chrono::milliseconds(10000);
// How often a launch looks again for a copy that is starting or ending.
constexpr auto kRetry = std::chrono::milliseconds(20);

std::string optionValue(const std::vector<std::string>& arguments, const std::string& name)
{
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "-" + name || arguments[i] == "--" + name) return arguments[i + 1];
    }
    return {};
}

std::string environment(const char* name, const char* unset = "")
{
    const char* value = std::getenv(name);
    return value ? value : unset;
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

// The first part of a list ("xcb;wayland" is tried in order; the first is the
// one a desktop would give) without its options ("wayland:option").
std::string firstPlatform(const std::string& platforms)
{
    const std::string first = platforms.substr(0, platforms.find(';'));
    return first.substr(0, first.find(':'));
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

// The abstract namespace: a leading NUL, and the length says where the name ends.
socklen_t abstractAddress(const std::string& name, sockaddr_un* address)
{
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    const std::size_t length = std::min(name.size(), sizeof address->sun_path - 1);
    std::memcpy(address->sun_path + 1, name.data(), length);
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
    if (platform.starts_with("wayland")) {
        const std::string socket = environment("WAYLAND_DISPLAY", "wayland-0");
        return "wayland-" + socket.substr(socket.rfind('/') + 1);
    }
    // These show nothing on a screen anyone shares: each run is a display of its own.
    if (platform == "offscreen" || platform == "minimal") return {};
    if (!platform.empty() && platform != "xcb") return platform;
    std::string display = optionValue(arguments, "display");
    if (display.empty()) display = environment("DISPLAY");
    return "x11" + x11Display(display);
}

std::string singleCopyName(const std::string& displayKey)
{
    if (displayKey.empty()) return {};
    std::string key = displayKey;
    for (char& c : key) {
        const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                          c == '.' || c == ':' || c == '-';
        if (!safe) c = '_';
    }
    // A long host name or socket path would not fit the address: its digest does.
    if (key.size() > 64) key = digestOf(displayKey);
    return "trellum-" + std::to_string(::getuid()) + "-" + key;
}

SingleCopy::SingleCopy(std::string name, LaunchRequest request) : m_name(std::move(name)), m_request(request)
{
    // Binding is the lock: of two launches at once exactly one gets the name,
    // and the other then waits for it to listen.
    if (m_name.empty()) return;
    const auto deadline = Clock::now() + kAnswerTime;
    for (;;) {
        if (claim()) return;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        switch (ask(static_cast<int>(left.count()))) {
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

SingleCopy::~SingleCopy()
{
    for (const auto& line : m_lines) ::close(line.first);
    if (m_serverFd >= 0) ::close(m_serverFd);
}

bool SingleCopy::claim()
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

SingleCopy::Asked SingleCopy::ask(int deadlineMs)
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
    const auto askedLength = static_cast<ssize_t>(std::strlen(exchange.asked));
    const bool sent = ::send(fd, exchange.asked, static_cast<std::size_t>(askedLength), MSG_NOSIGNAL) == askedLength;
    std::string answer;
    bool hungUp = !sent;
    while (sent && (answer.empty() || answer.back() != '\n')) {
        if (!waitFor(fd, POLLIN, deadline)) break;
        char buffer[64];
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            hungUp = true;
            break;
        }
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (answer == exchange.answer) return Asked::Answered;
    // A copy that hangs up without a word is ending; one that keeps the line
    // and says nothing is stuck.
    return hungUp ? Asked::HungUp : Asked::Silent;
}

int SingleCopy::listen()
{
    if (m_serverFd < 0) return -1;
    if (!m_listening && ::listen(m_serverFd, 8) != 0) return -1;
    m_listening = true;
    return m_serverFd;
}

int SingleCopy::acceptLaunch()
{
    for (;;) {
        const int fd = ::accept4(m_serverFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return -1;
        // Another user may reach the abstract namespace too, but never this window.
        if (m_ending || !peerIsThisUser(fd)) {
            ::close(fd);
            continue;
        }
        m_lines[fd];
        return fd;
    }
}

bool SingleCopy::hear(int line, const std::function<void(LaunchRequest)>& act)
{
    const auto found = m_lines.find(line);
    if (found == m_lines.end()) return true;
    std::string& received = found->second;
    char buffer[64];
    const ssize_t got = ::recv(line, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return false;
    if (got > 0) received.append(buffer, static_cast<std::size_t>(got));
    if (got > 0 && received.find('\n') == std::string::npos) return false;
    const auto* exchange = std::find_if(std::begin(kExchanges), std::end(kExchanges),
                                        [&received](const Exchange& e) { return received == e.asked; });
    if (exchange != std::end(kExchanges)) {
        act(exchange->request);
        // The end may have begun inside `act`, and the line closed with it.
        if (m_lines.contains(line)) sendAll(line, exchange->answer);
    }
    // One request a connection: answered (or not understood), the line is closed.
    return true;
}

void SingleCopy::hangUp(int line)
{
    if (m_lines.erase(line) > 0) ::close(line);
}

void SingleCopy::stopAnswering()
{
    m_ending = true;
    for (const auto& line : m_lines) ::close(line.first);
    m_lines.clear();
}

}  // namespace trellum
