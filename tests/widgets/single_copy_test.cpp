// SPDX-License-Identifier: MIT
// One running copy per user and display, on the event loop: later launches
// answered one at a time, a copy that is ending, hostile peers and other users.
// Which launches meet at all is tested with the display keys (unit/start_up_test.cpp).

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
#include <vector>

#include <QtTest>

#include "patience.h"
#include "process/single_copy.h"

using trellum::LaunchRequest;
using trellum::SingleCopy;

Q_DECLARE_METATYPE(trellum::LaunchRequest)

namespace {

constexpr uid_t kNobody = 65534;

struct Address {
    sockaddr_un address{};
    socklen_t length = 0;
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

// A meeting point as SingleCopy::meetingPoint() spells it ("@" for the abstract namespace).
Address addressOf(const std::string& point)
{
    Address a;
    a.address.sun_family = AF_UNIX;
    const bool abstract = point.starts_with('@');
    std::memcpy(a.address.sun_path, point.data(), point.size());
    if (abstract) a.address.sun_path[0] = '\0';
    a.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + point.size() + (abstract ? 0 : 1));
    return a;
}

int connectTo(const Address& address)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, address.get(), address.length) == 0) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// A unique display for each test, so that runs side by side never meet.
std::string uniqueKey(const char* what) { return std::string("x11:") + what + '-' + std::to_string(::getpid()); }

std::future<bool> launch(const std::string& key, LaunchRequest request)
{
    return std::async(std::launch::async, [key, request] {
        SingleCopy later(key, request);
        return later.otherCopyAnswered() && !later.ownsName();
    });
}

bool ready(std::future<bool>& future) { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }

// As `user` in a child: `child` runs and its one-byte verdict comes back.
char asUser(uid_t user, const std::function<char()>& child)
{
    int result[2];
    if (::pipe(result) != 0) return '?';
    const pid_t pid = ::fork();
    if (pid == 0) {
        const char verdict = ::setgid(user) == 0 && ::setuid(user) == 0 ? child() : '!';
        [[maybe_unused]] const ssize_t said = ::write(result[1], &verdict, 1);
        ::_exit(0);
    }
    char verdict = '?';
    // The running copy answers from its event loop, which runs while the child's word is awaited.
    pollfd told{result[0], POLLIN, 0};
    for (int waited = 0; ::poll(&told, 1, 0) != 1 && waited < kPatienceMs; waited += 10) QTest::qWait(10);
    [[maybe_unused]] const ssize_t got = ::read(result[0], &verdict, 1);
    ::waitpid(pid, nullptr, 0);
    return verdict;
}

}  // namespace

class SingleCopyTest : public QObject {
    Q_OBJECT
private slots:
    void requestsAreActedOnOneAtATimeAndAnsweredAfter();
    void aLaunchWhileTheFirstStartsWaitsAndHandsOnItsFeedback();
    void copyThatIsEndingLetsTheNextOneStart();
    void aLineWithoutEndIsCutShort();
    void anotherUserCannotTakeTheMeetingPoint();
    void anotherUserIsNeverAnswered();
};

// A burst of launches: each request handed out once, the next only after the
// window said the last took effect, and each launch answered only then.
void SingleCopyTest::requestsAreActedOnOneAtATimeAndAnsweredAfter()
{
    const std::string key = uniqueKey("burst");
    SingleCopy first(key);
    QVERIFY(first.ownsName() && first.listen());
    int shows = 0, toggles = 0, outstanding = 0, overlaps = 0;
    connect(&first, &SingleCopy::requested, this, [&](LaunchRequest request) {
        ++(request == LaunchRequest::Toggle ? toggles : shows);
        if (outstanding++ > 0) ++overlaps;
        QTimer::singleShot(5, this, [&] {
            --outstanding;
            first.done();
        });
    });
    std::vector<std::future<bool>> launches;
    for (int i = 0; i < 20; ++i) launches.push_back(launch(key, i == 0 ? LaunchRequest::Show : LaunchRequest::Toggle));
    for (auto& later : launches) {
        QTRY_VERIFY_WITH_TIMEOUT(ready(later), kPatienceMs);
        QVERIFY(later.get());
    }
    QCOMPARE(shows, 1);
    QCOMPARE(toggles, 19);
    QCOMPARE(overlaps, 0);
}

// The launcher's startup id and activation token travel with the request.
void SingleCopyTest::aLaunchWhileTheFirstStartsWaitsAndHandsOnItsFeedback()
{
    const std::string key = uniqueKey("starting");
    SingleCopy first(key);
    QByteArray startupId, token;
    connect(&first, &SingleCopy::requested, this, [&](LaunchRequest, const QByteArray& id, const QByteArray& given) {
        startupId = id;
        token = given;
        first.done();
    });
    qputenv("DESKTOP_STARTUP_ID", "launcher-42_TIME7");
    qputenv("XDG_ACTIVATION_TOKEN", "a token with blanks is left out");
    auto second = launch(key, LaunchRequest::Show);
    QTest::qWait(50);   // the launch is refused at least once while the first cannot listen
    QVERIFY(!ready(second));
    QVERIFY(first.listen());
    QTRY_VERIFY_WITH_TIMEOUT(ready(second), kPatienceMs);
    qunsetenv("DESKTOP_STARTUP_ID");
    qunsetenv("XDG_ACTIVATION_TOKEN");
    QVERIFY(second.get());
    QCOMPARE(startupId, QByteArray("launcher-42_TIME7"));
    QCOMPARE(token, QByteArray());
}

// A launch while the running copy ends (saving after OFF): hung up on, it
// waits for that copy to be gone and then starts as the one copy.
void SingleCopyTest::copyThatIsEndingLetsTheNextOneStart()
{
    const std::string key = uniqueKey("ending");
    auto ending = std::make_unique<SingleCopy>(key);
    QVERIFY(ending->listen());
    ending->stopAnswering();
    auto next = std::async(std::launch::async, [key] {
        SingleCopy later(key);
        return !later.otherCopyAnswered() && !later.otherCopySilent() && later.ownsName();
    });
    QTest::qWait(100);
    QVERIFY(!ready(next));
    ending.reset();
    QTRY_VERIFY_WITH_TIMEOUT(ready(next), kPatienceMs);
    QVERIFY(next.get());
}

// A peer that never ends its line is hung up on after a few dozen bytes, and
// the copy still answers the next launch.
void SingleCopyTest::aLineWithoutEndIsCutShort()
{
    const std::string key = uniqueKey("endless");
    SingleCopy first(key);
    QVERIFY(first.listen());
    connect(&first, &SingleCopy::requested, &first, &SingleCopy::done);
    const int peer = connectTo(addressOf(first.meetingPoint()));
    QVERIFY(peer >= 0);
    auto endless = std::async(std::launch::async, [peer] {
        const std::vector<char> block(4096, 's');
        std::size_t sent = 0;
        while (sent < (16u << 20)) {
            const ssize_t n = ::send(peer, block.data(), block.size(), MSG_NOSIGNAL);
            if (n <= 0) return true;
            sent += static_cast<std::size_t>(n);
        }
        return false;
    });
    QTRY_VERIFY_WITH_TIMEOUT(endless.wait_for(std::chrono::seconds(0)) == std::future_status::ready, kPatienceMs);
    QVERIFY(endless.get());
    ::close(peer);
    auto later = launch(key, LaunchRequest::Show);
    QTRY_VERIFY_WITH_TIMEOUT(ready(later), kPatienceMs);
    QVERIFY(later.get());
}

// Another user listening where this user's copy would once have listened, and
// answering as it would, takes nothing: the launch still becomes the running copy.
void SingleCopyTest::anotherUserCannotTakeTheMeetingPoint()
{
    if (::getuid() != 0) QSKIP("needs root to act as another user");
    const std::string key = uniqueKey("squat");
    const Address abstract = addressOf("@trellum-" + std::to_string(::getuid()) + "-" + key);
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t stranger = ::fork();
    if (stranger == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::bind(fd, abstract.get(), abstract.length) != 0 || ::listen(fd, 8) != 0) ::_exit(3);
        [[maybe_unused]] const ssize_t said = ::write(ready[1], "x", 1);
        for (;;) {
            const int line = ::accept(fd, nullptr, nullptr);
            [[maybe_unused]] const ssize_t sent = ::send(line, "shown\n", 6, MSG_NOSIGNAL);
            ::close(line);
        }
    }
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t{1});
    SingleCopy copy(key);
    const bool owns = copy.ownsName();
    ::kill(stranger, SIGKILL);
    ::waitpid(stranger, nullptr, 0);
    QVERIFY(owns);
}

// Without a private runtime folder the abstract namespace is used, which any
// user reaches: another user's launch is hung up on and brings nothing forward.
void SingleCopyTest::anotherUserIsNeverAnswered()
{
    if (::getuid() != 0) QSKIP("needs root to act as another user");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "/tmp");
    SingleCopy copy(uniqueKey("victim"));
    qputenv("XDG_RUNTIME_DIR", runtime);
    QVERIFY(copy.meetingPoint().starts_with('@'));
    QVERIFY(copy.listen());
    int calls = 0;
    connect(&copy, &SingleCopy::requested, this, [&calls] { ++calls; });
    const Address address = addressOf(copy.meetingPoint());
    const char verdict = asUser(kNobody, [&address] {
        const int fd = connectTo(address);
        if (fd < 0) return 'c';
        [[maybe_unused]] const ssize_t sent = ::send(fd, "show\n", 5, MSG_NOSIGNAL);
        char answer[16] = {};
        return ::recv(fd, answer, sizeof answer - 1, 0) > 0 ? 'a' : 'h';
    });
    QCOMPARE(verdict, 'h');
    QCOMPARE(calls, 0);
}

QTEST_GUILESS_MAIN(SingleCopyTest)
#include "single_copy_test.moc"
