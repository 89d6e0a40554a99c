#include "shell/single_instance.h"

#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QtGlobal>

namespace trellum::shell {

namespace {

constexpr char kRequest[] = "show\n";
constexpr char kAnswer[] = "shown\n";
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

}  // namespace

QString DisplayKey(const QStringList& arguments)
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
    static const QRegularExpression screen(QStringLiteral("\\.\\d+$"));
    if (display.lastIndexOf(u':') >= 0) display.remove(screen);
    return QStringLiteral("x11") + display;
}

QString InstanceSocketPath(const QString& displayKey)
{
    QString name = displayKey;
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.:-]"));
    name.replace(unsafe, QStringLiteral("_"));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return runtime + QStringLiteral("/trellum-") + name;
    return QDir::tempPath() + QStringLiteral("/trellum-%1-").arg(::getuid()) + name;
}

SingleInstance::SingleInstance(const QString& socketPath) : m_path(socketPath)
{
    // Two launches at once must not both find nobody and both start: the one
    // that waited here finds the other listening.
    m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
    if (!m_lock->tryLock(kAnswerMilliseconds)) m_lock.reset();
    ask();
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::ask()
{
    QLocalSocket socket;
    socket.connectToServer(m_path);
    // A socket nobody listens on (a crashed copy's) refuses at once.
    if (!socket.waitForConnected(kAnswerMilliseconds)) return;
    socket.write(kRequest);
    socket.waitForBytesWritten(kAnswerMilliseconds);
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(kAnswerMilliseconds)) answer += socket.readAll();
    answer += socket.readAll();
    m_answered = answer == kAnswer;
    // A copy that hangs up without a word is ending (saving, after OFF): this
    // launch starts instead. One that keeps the line and says nothing is stuck.
    m_silent = !m_answered && socket.state() == QLocalSocket::ConnectedState;
}

bool SingleInstance::listen()
{
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::serve);
    bool listening = m_server->listen(m_path);
    if (!listening && m_server->serverError() == QAbstractSocket::AddressInUseError) {
        // Nobody answered on it: a crashed copy's socket, left behind.
        QLocalServer::removeServer(m_path);
        listening = m_server->listen(m_path);
    }
    m_lock.reset();
    return listening;
}

void SingleInstance::serve()
{
    while (QLocalSocket* client = m_server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (!client->canReadLine()) return;
            if (client->readLine() == kRequest) {
                emit comeForward();
                client->write(kAnswer);
            }
            client->disconnectFromServer();
        });
    }
}

}  // namespace trellum::shell
