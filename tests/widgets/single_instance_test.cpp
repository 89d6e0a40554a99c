// One running copy per user and display: which launches meet on one socket, a
// second launch answered by the first, and a crashed copy's socket replaced.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <future>

#include <QtTest>

#include "shell/single_instance.h"
#include "patience.h"

using trellum::shell::displayKey;
using trellum::shell::instanceSocketPath;
using trellum::shell::LaunchRequest;
using trellum::shell::SingleInstance;

Q_DECLARE_METATYPE(trellum::shell::LaunchRequest)

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void launchesMeetOnOneDisplayOnly_data();
    void launchesMeetOnOneDisplayOnly();
    void secondLaunchIsAnsweredWithItsRequest_data();
    void secondLaunchIsAnsweredWithItsRequest();
    void crashedCopysSocketDoesNotBlock();
    void launchWithoutRuntimeFolderStillMeets();

private:
    QTemporaryDir m_runtime;
};

void SingleInstanceTest::init()
{
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
}

void SingleInstanceTest::cleanup()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) qunsetenv(name);
}

// Each side: "VARIABLE=value ..." for the environment, then "|" and the arguments.
void SingleInstanceTest::launchesMeetOnOneDisplayOnly_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("meet");
    QTest::newRow("same X display") << "DISPLAY=:3|" << "DISPLAY=:3|" << true;
    QTest::newRow("screen number is the same display") << "DISPLAY=:3|" << "DISPLAY=:3.0|" << true;
    QTest::newRow("two X displays") << "DISPLAY=:3|" << "DISPLAY=:4|" << false;
    QTest::newRow("-display chooses the display") << "DISPLAY=:3|-display :4" << "DISPLAY=:4|" << true;
    QTest::newRow("--display too") << "DISPLAY=:3|--display :4" << "DISPLAY=:3|" << false;
    QTest::newRow("X11 and native Wayland") << "DISPLAY=:0 WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=xcb|"
                                            << "DISPLAY=:0 WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland|"
                                            << false;
    QTest::newRow("-platform wayland is Wayland") << "WAYLAND_DISPLAY=wayland-1|-platform wayland"
                                                  << "WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland|" << true;
    QTest::newRow("two Wayland compositors") << "WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland|"
                                             << "WAYLAND_DISPLAY=wayland-2 QT_QPA_PLATFORM=wayland|" << false;
    QTest::newRow("X11 tried first on a Wayland session") << "DISPLAY=:0 QT_QPA_PLATFORM=xcb;wayland|"
                                                          << "DISPLAY=:0|" << true;
}

void SingleInstanceTest::launchesMeetOnOneDisplayOnly()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, meet);
    const auto socketOf = [this](const QString& launch) {
        cleanup();
        for (const QString& assignment : launch.section(u'|', 0, 0).split(u' ', Qt::SkipEmptyParts))
            qputenv(assignment.section(u'=', 0, 0).toLatin1().constData(), assignment.section(u'=', 1).toLocal8Bit());
        QStringList arguments{QStringLiteral("trellum")};
        arguments += launch.section(u'|', 1).split(u' ', Qt::SkipEmptyParts);
        const QString path = instanceSocketPath(displayKey(arguments));
        if (!path.startsWith(m_runtime.path() + u'/')) qWarning("socket outside the runtime folder: %s", qPrintable(path));
        return path;
    };
    QCOMPARE(socketOf(first) == socketOf(second), meet);
}

void SingleInstanceTest::secondLaunchIsAnsweredWithItsRequest_data()
{
    QTest::addColumn<LaunchRequest>("request");
    QTest::addColumn<int>("forward");   // comeForward() signals the first copy gets
    QTest::addColumn<int>("toggles");   // toggle() signals
    QTest::newRow("plain launch brings it forward") << LaunchRequest::Show << 1 << 0;
    QTest::newRow("--toggle toggles it") << LaunchRequest::Toggle << 0 << 1;
}

void SingleInstanceTest::secondLaunchIsAnsweredWithItsRequest()
{
    QFETCH(LaunchRequest, request);
    QFETCH(int, forward);
    QFETCH(int, toggles);
    const QString path = instanceSocketPath(QStringLiteral("x11:7"));
    SingleInstance first(path);
    QVERIFY(!first.otherCopyAnswered());
    QVERIFY(first.listen());
    int forwardCalls = 0, toggleCalls = 0;
    connect(&first, &SingleInstance::comeForward, this, [&forwardCalls] { ++forwardCalls; });
    connect(&first, &SingleInstance::toggle, this, [&toggleCalls] { ++toggleCalls; });

    // The second launch waits for its answer, which the first gives from its event loop.
    auto second = std::async(std::launch::async, [path, request] {
        SingleInstance later(path, request);
        return later.otherCopyAnswered();
    });
    QTRY_VERIFY_WITH_TIMEOUT(second.wait_for(std::chrono::seconds(0)) == std::future_status::ready, kPatienceMs);
    QVERIFY(second.get());
    QCOMPARE(forwardCalls, forward);
    QCOMPARE(toggleCalls, toggles);
}

void SingleInstanceTest::crashedCopysSocketDoesNotBlock()
{
    // What a killed copy leaves: a socket file nobody listens on.
    const QString path = instanceSocketPath(QStringLiteral("x11:8"));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(path));

    SingleInstance next(path);
    QVERIFY(!next.otherCopyAnswered());
    QVERIFY(!next.otherCopySilent());
    QVERIFY(next.listen());
    // And it is the one a later launch now reaches.
    auto later = std::async(std::launch::async, [path] { return SingleInstance(path).otherCopyAnswered(); });
    QTRY_VERIFY_WITH_TIMEOUT(later.wait_for(std::chrono::seconds(0)) == std::future_status::ready, kPatienceMs);
    QVERIFY(later.get());
}

void SingleInstanceTest::launchWithoutRuntimeFolderStillMeets()
{
    qunsetenv("XDG_RUNTIME_DIR");
    const QString path = instanceSocketPath(QStringLiteral("x11:9-%1").arg(QCoreApplication::applicationPid()));
    QVERIFY(path.startsWith(QDir::tempPath()));
    QVERIFY(path.contains(QString::number(::getuid())));
    SingleInstance first(path);
    QVERIFY(first.listen());
    auto second = std::async(std::launch::async, [path] { return SingleInstance(path).otherCopyAnswered(); });
    QTRY_VERIFY_WITH_TIMEOUT(second.wait_for(std::chrono::seconds(0)) == std::future_status::ready, kPatienceMs);
    QVERIFY(second.get());
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
