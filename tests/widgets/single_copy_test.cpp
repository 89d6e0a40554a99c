// SPDX-License-Identifier: MIT
// One running copy per user and display, on the event loop: launches answered
// one at a time, a copy ending or stuck, hostile peers, other users, the previous
// release. Which launches meet at all: the display keys (unit/start_up_test.cpp).

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <poll.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <future>
#include <memory>
#include <tuple>
#include <vector>

#include <QtTest>

#include "patience.h"
#include "process/single_copy.h"

using trellum::LaunchRequest;
using trellum::SingleCopy;

namespace {

constexpr uid_t kNobody = 65534;

// `fd` connected to a meeting point as SingleCopy::meetingPoint() spells it ("@"
// for the abstract namespace), or with `listen` listening there; -1 when refused.
int socketAt(const std::string& point, bool listen = false, int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
{
    sockaddr_un address{AF_UNIX, {}};
    std::memcpy(address.sun_path, point.data(), point.size());
    if (point.starts_with('@')) address.sun_path[0] = '\0';
    const socklen_t length = offsetof(sockaddr_un, sun_path) + point.size() + !point.starts_with('@');
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    if (listen ? ::bind(fd, at, length) == 0 && ::listen(fd, 8) == 0 : ::connect(fd, at, length) == 0) return fd;
    ::close(fd);
    return -1;
}

// A unique display for each test, so that runs side by side never meet.
std::string uniqueKey(const char* what) { return std::string("x11:") + what + '-' + std::to_string(::getpid()); }

// Where the previous release met, and where a copy with the private folder listens too.
std::string previousName(const std::string& key) { return "@trellum-" + std::to_string(::getuid()) + "-" + key; }

// A launch in a thread: 'a' when the running copy answered it, 'o' when it became the running copy.
std::future<char> launch(const std::string& key, LaunchRequest request = LaunchRequest::Show)
{
    return std::async(std::launch::async, [key, request] {
        const SingleCopy later(key, request);
        return later.otherCopyAnswered() ? 'a' : later.ownsName() ? 'o' : later.otherCopySilent() ? 's' : '-';
    });
}

// The previous release's launch over `fd`: 'a' when its bare request was
// answered, 'h' when it was hung up on, 'c' when it could not connect.
char showOver(int fd)
{
    char answer[8] = {};
    const bool answered = fd >= 0 && ::send(fd, "show\n", 5, MSG_NOSIGNAL) == 5 && ::recv(fd, answer, 7, 0) > 0;
    if (fd >= 0) ::close(fd);
    return fd < 0 ? 'c' : answered && std::strcmp(answer, "shown\n") == 0 ? 'a' : 'h';
}

// True when the peer hung up on `fd` before a 16 MiB line without end was through.
bool cutShort(int fd)
{
    const std::string line(16u << 20, 's');
    return fd >= 0 && ::send(fd, line.data(), line.size(), MSG_NOSIGNAL) < static_cast<ssize_t>(line.size());
}

template <typename T>
bool ready(std::future<T>& future) { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }

// As `user` in a child: the first byte `child` writes to the pipe end it is
// given comes back, the event loop running meanwhile (the copy under test
// answers from it); `meanwhile` then runs, and the child is ended.
char asUser(uid_t user, const std::function<char(int told)>& child, const std::function<void()>& meanwhile = [] {})
{
    int told[2];
    if (::pipe(told) != 0) return '?';
    const pid_t pid = ::fork();
    if (pid == 0) {
        const char verdict = user == ::getuid() || (::setgid(user) == 0 && ::setuid(user) == 0) ? child(told[1]) : '!';
        ::_exit(::write(told[1], &verdict, 1) == 1 ? 0 : 1);
    }
    ::close(told[1]);
    char verdict = '?';
    pollfd said{told[0], POLLIN, 0};
    for (int waited = 0; ::poll(&said, 1, 0) != 1 && waited < kPatienceMs; waited += 10) QTest::qWait(10);
    [[maybe_unused]] const ssize_t got = ::read(told[0], &verdict, 1);
    meanwhile();
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ::close(told[0]);
    return verdict;
}

}  // namespace

class SingleCopyTest : public QObject {
    Q_OBJECT
private slots:
    void requestsAreActedOnOneAtATimeAndAnsweredAfter();
    void copyThatIsEndingLetsTheNextOneStart();
    void aLineWithoutEndIsCutShort();
    void launchesGiveUpOnACopyThatTakesNone();
    void outOfDescriptorsTheCopyRestsThenAnswers();
    void theAbstractNameMeetsThePreviousReleaseAndNoOtherUser();
};

// A burst of launches while the first copy still starts: each waits for it to
// listen, each request is handed out once with its launcher's feedback, the
// next only after the window said the last took effect, and each launch is
// answered only then.
void SingleCopyTest::requestsAreActedOnOneAtATimeAndAnsweredAfter()
{
    const std::string key = uniqueKey("burst");
    SingleCopy first(key);
    int shows = 0, toggles = 0, outstanding = 0, overlaps = 0;
    QByteArrayList feedback;
    connect(&first, &SingleCopy::requested, this,
            [&](LaunchRequest request, const QByteArray& id, const QByteArray& token) {
                ++(request == LaunchRequest::Toggle ? toggles : shows);
                feedback << id + token;
                if (outstanding++ > 0) ++overlaps;
                QTimer::singleShot(5, this, [&] {
                    --outstanding;
                    first.done();
                });
            });
    qputenv("DESKTOP_STARTUP_ID", "launcher-42_TIME7");
    qputenv("XDG_ACTIVATION_TOKEN", "a token with blanks is left out");
    std::vector<std::future<char>> launches;
    for (int i = 0; i < 20; ++i) launches.push_back(launch(key, i == 0 ? LaunchRequest::Show : LaunchRequest::Toggle));
    QTest::qWait(50);   // each launch is refused at least once while the first cannot listen
    QVERIFY(first.listen());
    for (auto& later : launches) {
        QTRY_VERIFY_WITH_TIMEOUT(ready(later), kPatienceMs);
        QCOMPARE(later.get(), 'a');
    }
    qunsetenv("DESKTOP_STARTUP_ID");
    qunsetenv("XDG_ACTIVATION_TOKEN");
    QCOMPARE(std::tuple(shows, toggles, overlaps), std::tuple(1, 19, 0));
    QCOMPARE(feedback, QByteArrayList(20, "launcher-42_TIME7"));
}

// A launch while the running copy ends (saving after OFF): hung up on, it
// waits for that copy to be gone and then starts as the one copy.
void SingleCopyTest::copyThatIsEndingLetsTheNextOneStart()
{
    const std::string key = uniqueKey("ending");
    auto ending = std::make_unique<SingleCopy>(key);
    QVERIFY(ending->listen());
    ending->stopAnswering();
    auto next = launch(key);
    QTest::qWait(100);   // hung up on at least once while the first ends
    ending.reset();
    QTRY_VERIFY_WITH_TIMEOUT(ready(next), kPatienceMs);
    QCOMPARE(next.get(), 'o');
}

// A peer that never ends its line is hung up on after a few dozen bytes, and
// the copy still answers the next launch; a launch answered that way (here by
// a stranger posing as the previous release) gives up as soon.
void SingleCopyTest::aLineWithoutEndIsCutShort()
{
    const std::string key = uniqueKey("endless");
    SingleCopy first(key);
    QVERIFY(first.listen());
    connect(&first, &SingleCopy::requested, &first, &SingleCopy::done);
    const int peer = socketAt(first.meetingPoint());
    auto endless = std::async(std::launch::async, cutShort, peer);
    QTRY_VERIFY_WITH_TIMEOUT(ready(endless), kPatienceMs);
    QVERIFY(endless.get());
    ::close(peer);
    auto later = launch(key);
    QTRY_VERIFY_WITH_TIMEOUT(ready(later), kPatienceMs);
    QCOMPARE(later.get(), 'a');

    const int listener = socketAt(previousName(uniqueKey("endless-answer")), true);
    auto answering = std::async(std::launch::async, [listener] {
        const int asking = ::accept(listener, nullptr, nullptr);
        const bool cut = cutShort(asking);
        if (asking >= 0) ::close(asking);
        return cut;
    });
    QVERIFY(SingleCopy(uniqueKey("endless-answer")).ownsName());
    ::shutdown(listener, SHUT_RDWR);   // a launch that never asked would leave accept() waiting
    QVERIFY(answering.get());
    ::close(listener);
}

// A running copy that takes no launches (stopped, or its event loop stuck): a
// burst larger than its queue gives up at the deadline, none waits in
// connect() for good.
void SingleCopyTest::launchesGiveUpOnACopyThatTakesNone()
{
    const std::string key = uniqueKey("stuck");
    std::vector<std::future<char>> launches;   // outlives the copy, whose end frees a launch stuck anyway
    SingleCopy stuck(key);
    QVERIFY(stuck.listen());
    for (int i = 0; i < 20; ++i) launches.push_back(launch(key));
    for (auto& later : launches)   // without the event loop: nothing is accepted meanwhile
        QVERIFY(later.wait_for(std::chrono::milliseconds(2 * kPatienceMs)) == std::future_status::ready);
}

// Out of descriptors, the copy rests from accepting instead of spinning on the
// waiting launch, and answers it once descriptors are free again.
void SingleCopyTest::outOfDescriptorsTheCopyRestsThenAnswers()
{
    SingleCopy copy(uniqueKey("emfile"));
    QVERIFY(copy.listen());
    connect(&copy, &SingleCopy::requested, &copy, &SingleCopy::done);
    int tries = 0;
    for (QSocketNotifier* server : copy.findChildren<QSocketNotifier*>())
        connect(server, &QSocketNotifier::activated, this, [&tries] { ++tries; });
    // Asked before the event loop runs, so the copy accepts it only once the
    // limit is down. No thread meanwhile: the sanitizers' own checks need
    // descriptors too.
    const int peer = socketAt(copy.meetingPoint());
    QVERIFY(peer >= 0 && ::send(peer, "show\n", 5, MSG_NOSIGNAL) == 5);
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    const rlimit none{static_cast<rlim_t>(peer) + 1, limit.rlim_max};   // every lower one is taken
    ::setrlimit(RLIMIT_NOFILE, &none);
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(300);
    ::setrlimit(RLIMIT_NOFILE, &limit);
    QVERIFY2(tries < 10 + clock.elapsed() / 50, QByteArray::number(tries));
    pollfd answered{peer, POLLIN, 0};
    QTRY_VERIFY_WITH_TIMEOUT(::poll(&answered, 1, 0) == 1, kPatienceMs);
    char answer[8] = {};
    QVERIFY(::recv(peer, answer, 7, 0) > 0);
    ::close(peer);
    QCOMPARE(QByteArray(answer), QByteArray("shown\n"));
}

// The abstract name, held beside the socket: a copy of the previous release
// running there is met with the bare request it knows, and its launch is
// answered; another user there is neither asked nor answered, and the launch
// then becomes the running copy anyway.
void SingleCopyTest::theAbstractNameMeetsThePreviousReleaseAndNoOtherUser()
{
    for (const uid_t user : {::getuid(), kNobody}) {
        if (user != ::getuid() && ::getuid() != 0) QSKIP("needs root to act as another user");
        const bool same = user == ::getuid();
        const std::string key = uniqueKey(same ? "previous" : "stranger"), name = previousName(key);
        std::unique_ptr<SingleCopy> copy;
        asUser(
            user,
            [&name](int told) {
                const int fd = socketAt(name, true);
                if (fd < 0 || ::write(told, "x", 1) != 1) return 'c';
                for (int peer; (peer = ::accept(fd, nullptr, nullptr)) >= 0; ::close(peer))
                    if (char line[8] = {}; ::recv(peer, line, 7, 0) == 5 && std::strcmp(line, "show\n") == 0)
                        ::send(peer, "shown\n", 6, MSG_NOSIGNAL);
                return 'c';
            },
            [&] {
                qputenv("DESKTOP_STARTUP_ID", "launcher-1");
                copy = std::make_unique<SingleCopy>(key);
                qunsetenv("DESKTOP_STARTUP_ID");
            });
        QCOMPARE(copy->otherCopyAnswered(), same);
        QCOMPARE(copy->ownsName(), !same);
        SingleCopy running(key + "-running");
        QVERIFY(running.listen());
        connect(&running, &SingleCopy::requested, &running, &SingleCopy::done);
        QCOMPARE(asUser(user, [&name](int) { return showOver(socketAt(name + "-running")); }), same ? 'a' : 'h');
    }
}

QTEST_GUILESS_MAIN(SingleCopyTest)
#include "single_copy_test.moc"
