// One running copy per user and display, on the event loop: a second launch
// answered by the first, a copy that is ending, and other users. Which
// launches meet on one socket is tested with the names (unit/start_up_test.cpp).

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <future>

#include <QtTest>

#include "shell/single_instance.h"
#include "patience.h"

using trellum::LaunchRequest;
using trellum::shell::SingleInstance;

Q_DECLARE_METATYPE(trellum::LaunchRequest)

namespace {

constexpr uid_t kNobody = 65534;

// A copy's name as an address of the abstract namespace, made before any fork.
struct Address {
    sockaddr_un address{};
    socklen_t length = 0;
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

Address addressOf(const std::string& name)
{
    Address a;
    a.address.sun_family = AF_UNIX;
    std::memcpy(a.address.sun_path + 1, name.data(), name.size());
    a.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return a;
}

// A socket of the test's own at a copy's name, as another program would hold it.
int listenAt(const Address& address)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::bind(fd, address.get(), address.length) != 0 || ::listen(fd, 8) != 0) return -1;
    return fd;
}

bool readable(int fd)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, kPatienceMs) == 1;
}

// A unique display for each test, so that runs side by side never meet.
std::string uniqueName(const char* what)
{
    return trellum::singleCopyName(std::string("x11:") + what + '-' + std::to_string(::getpid()));
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondLaunchIsAnsweredWithItsRequest_data();
    void secondLaunchIsAnsweredWithItsRequest();
    void copyThatIsEndingLetsTheNextOneStart();
    void anotherUsersSocketNeverAnswers();
    void anotherUserIsNeverAnswered();
};

void SingleInstanceTest::secondLaunchIsAnsweredWithItsRequest_data()
{
    QTest::addColumn<LaunchRequest>("request");
    QTest::addColumn<bool>("starting");  // the first copy holds the name but listens once its window is up
    QTest::addColumn<int>("forward");    // comeForward() signals the first copy gets
    QTest::addColumn<int>("toggles");    // toggle() signals
    QTest::newRow("plain launch brings it forward") << LaunchRequest::Show << false << 1 << 0;
    QTest::newRow("--toggle toggles it") << LaunchRequest::Toggle << false << 0 << 1;
    QTest::newRow("a launch while the first starts waits for it") << LaunchRequest::Show << true << 1 << 0;
}

void SingleInstanceTest::secondLaunchIsAnsweredWithItsRequest()
{
    QFETCH(LaunchRequest, request);
    QFETCH(bool, starting);
    QFETCH(int, forward);
    QFETCH(int, toggles);
    const std::string name = uniqueName("forward");
    SingleInstance first(name);
    QVERIFY(!first.otherCopyAnswered());
    QVERIFY(first.ownsName());
    if (!starting) QVERIFY(first.listen());
    int forwardCalls = 0, toggleCalls = 0;
    connect(&first, &SingleInstance::comeForward, this, [&forwardCalls] { ++forwardCalls; });
    connect(&first, &SingleInstance::toggle, this, [&toggleCalls] { ++toggleCalls; });

    // The second launch waits for its answer, which the first gives from its event loop.
    std::atomic<pid_t> thread{0};
    auto second = std::async(std::launch::async, [name, request, &thread] {
        thread = ::gettid();
        SingleInstance later(name, request);
        return later.otherCopyAnswered() && !later.ownsName();
    });
    if (starting) {
        // The launch has been refused once and waits to ask again: it sleeps.
        const auto waitingToAskAgain = [&thread] {
            QFile syscall(QStringLiteral("/proc/self/task/%1/syscall").arg(thread.load()));
            const QByteArray call = thread != 0 && syscall.open(QIODevice::ReadOnly) ? syscall.readAll() : QByteArray();
            return call.startsWith("230 ") || call.startsWith("35 ");   // clock_nanosleep, nanosleep
        };
        QTRY_VERIFY_WITH_TIMEOUT(waitingToAskAgain(), kPatienceMs);
        QVERIFY(first.listen());
    }
    QTRY_VERIFY_WITH_TIMEOUT(second.wait_for(std::chrono::seconds(0)) == std::future_status::ready, kPatienceMs);
    QVERIFY(second.get());
    QCOMPARE(forwardCalls, forward);
    QCOMPARE(toggleCalls, toggles);
}

// A launch while the running copy ends (saving after OFF): hung up on, it
// waits for that copy to be gone and then starts as the one copy, never
// giving up with "does not answer".
void SingleInstanceTest::copyThatIsEndingLetsTheNextOneStart()
{
    const std::string name = uniqueName("ending");
    const int ending = listenAt(addressOf(name));
    QVERIFY(ending >= 0);
    auto next = std::async(std::launch::async, [name] {
        SingleInstance later(name);
        return !later.otherCopyAnswered() && !later.otherCopySilent() && later.ownsName();
    });
    // Hung up on twice while the ending copy still holds the name, then it goes.
    for (int hangUps = 0; hangUps < 2; ++hangUps) {
        QVERIFY(readable(ending));
        const int line = ::accept(ending, nullptr, nullptr);
        QVERIFY(line >= 0);
        ::close(line);
    }
    ::close(ending);
    QVERIFY(next.wait_for(std::chrono::milliseconds(kPatienceMs)) == std::future_status::ready);
    QVERIFY(next.get());
}

// Another user holding this user's name answers as a running copy would: the
// launch starts anyway and does not end.
void SingleInstanceTest::anotherUsersSocketNeverAnswers()
{
    if (::getuid() != 0) QSKIP("needs root to act as another user");
    const std::string name = uniqueName("stranger");
    const Address address = addressOf(name);
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t stranger = ::fork();
    if (stranger == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
        const int fd = listenAt(address);
        if (fd < 0) ::_exit(3);
        [[maybe_unused]] const ssize_t said = ::write(ready[1], "x", 1);
        for (;;) {
            const int line = ::accept(fd, nullptr, nullptr);
            char request[16];
            [[maybe_unused]] const ssize_t got = ::recv(line, request, sizeof request, 0);
            [[maybe_unused]] const ssize_t sent = ::send(line, "shown\n", 6, MSG_NOSIGNAL);
            ::close(line);
        }
    }
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t{1});
    SingleInstance launch(name);
    const bool answered = launch.otherCopyAnswered(), silent = launch.otherCopySilent();
    ::kill(stranger, SIGKILL);
    ::waitpid(stranger, nullptr, 0);
    QVERIFY(!answered);
    QVERIFY(!silent);
}

// Another user's launch reaching this user's copy is not answered and does not
// bring the window forward.
void SingleInstanceTest::anotherUserIsNeverAnswered()
{
    if (::getuid() != 0) QSKIP("needs root to act as another user");
    const std::string name = uniqueName("victim");
    SingleInstance copy(name);
    QVERIFY(copy.listen());
    int calls = 0;
    connect(&copy, &SingleInstance::comeForward, this, [&calls] { ++calls; });
    const Address address = addressOf(name);
    int result[2];
    QCOMPARE(::pipe(result), 0);
    const pid_t stranger = ::fork();
    if (stranger == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, address.get(), address.length) != 0) ::_exit(3);
        [[maybe_unused]] const ssize_t sent = ::send(fd, "show\n", 5, MSG_NOSIGNAL);
        char answer[16] = {};
        const ssize_t got = ::recv(fd, answer, sizeof answer - 1, 0);
        [[maybe_unused]] const ssize_t said = ::write(result[1], got > 0 ? "a" : "h", 1);
        ::_exit(0);
    }
    // The copy answers from its event loop, which runs while the stranger's word is awaited.
    const auto told = [&result] {
        pollfd p{result[0], POLLIN, 0};
        return ::poll(&p, 1, 0) == 1;
    };
    QTRY_VERIFY_WITH_TIMEOUT(told(), kPatienceMs);
    char byte = 0;
    QCOMPARE(::read(result[0], &byte, 1), ssize_t{1});
    ::waitpid(stranger, nullptr, 0);
    QCOMPARE(byte, 'h');
    QCOMPARE(calls, 0);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
