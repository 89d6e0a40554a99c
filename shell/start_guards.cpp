#include "shell/start_guards.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <QByteArray>
#include <QtGlobal>

namespace trellum::shell {

namespace {

QString fileProblem(const QString& what, const QString& path, qint64 maxBytes)
{
    const QByteArray local = path.toLocal8Bit();
    struct stat info {};
    // A missing file is Qt's to ignore, as it always has.
    if (::stat(local.constData(), &info) != 0) return {};
    if (!S_ISREG(info.st_mode)) return QStringLiteral("the %1 '%2' is not a regular file").arg(what, path);
    if (info.st_size > maxBytes) return QStringLiteral("the %1 '%2' is larger than %3 bytes").arg(what, path).arg(maxBytes);
    return {};
}

}  // namespace

QString styleSheetProblem(const QString& path)
{
    return fileProblem(QStringLiteral("style sheet"), path, kMaxStyleSheetBytes);
}

QString windowIconProblem(const QString& path)
{
    return fileProblem(QStringLiteral("window icon"), path, kMaxWindowIconBytes);
}

void ignoreUnusableScaleFactor()
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    const QByteArray text = qgetenv("QT_SCALE_FACTOR");
    // Empty counts as unset, as it does for Qt.
    if (text.trimmed().isEmpty()) return;
    bool ok = false;
    const double factor = text.toDouble(&ok);
    if (ok && std::isfinite(factor) && factor >= kMinScaleFactor && factor <= kMaxScaleFactor) return;
    std::fprintf(stderr, "trellum: ignoring QT_SCALE_FACTOR=%s (a number from %g to %g is used)\n",
                 text.constData(), kMinScaleFactor, kMaxScaleFactor);
    qunsetenv("QT_SCALE_FACTOR");
}

int printAndExitStatus(const QString& output, const QString& error, int status)
{
    const QByteArray out = output.toLocal8Bit();
    const QByteArray err = error.toLocal8Bit();
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    // A full disk or a closed pipe shows only when the buffer is flushed.
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int writeError = errno;
    std::fwrite(err.constData(), 1, static_cast<std::size_t>(err.size()), stderr);
    if (written) return status;
    std::fprintf(stderr, "trellum: write error: %s\n", std::strerror(writeError));
    return 1;
}

}  // namespace trellum::shell
