// SPDX-License-Identifier: MIT
// Trellum: reads the command line, starts the one window, runs its start-up
// sequence and the event loop.

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSessionManager>
#include <QSocketNotifier>

#include "process/single_copy.h"
#include "process/start_guards.h"
#include "process/stop_signals.h"
#include "product.h"
#include "shell/app_style.h"
#include "shell/command_line.h"
#include "shell/font_preload.h"
#include "shell/i18n.h"
#include "shell/main_window.h"
#include "shell/platform.h"
#include "shell/qt_message_watch.h"
#include "storage/constants_location.h"
#include "storage/settings_store.h"

int main(int argc, char* argv[])
{
    // Before QApplication: --help and --version need no display, and the choice
    // of windowing system must be made before Qt connects to one.
    // The help speaks the user's language; the program's folder is known
    // before any application from the link the kernel keeps to it.
    const QString helpFolder = QFile::decodeName(
        trellum::programDataFolder(QFile::encodeName(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath()).toStdString())
            .c_str());
    const trellum::shell::CommandLine commandLine = trellum::shell::parseCommandLine(
        trellum::shell::argumentsOf(argc, argv), trellum::shell::commandLineTranslation(helpFolder));
    if (!commandLine.run)
        return trellum::printAndExitStatus(commandLine.output.toLocal8Bit().toStdString(),
                                           commandLine.error.toLocal8Bit().toStdString(), commandLine.exitStatus);
    trellum::ignoreUnusableScaleFactor();
    trellum::shell::preferX11(commandLine.platformGiven);
    // A second launch on this display brings the running copy forward (or with
    // --toggle hides or shows it) and ends; --toggle with none running starts it.
    // A TERM while it waits for the running copy ends it at once: it has nothing to save.
    trellum::SingleCopy singleCopy(trellum::displayKey(std::vector<std::string>(argv, argv + argc)),
                                   commandLine.toggle ? trellum::LaunchRequest::Toggle : trellum::LaunchRequest::Show);
    if (singleCopy.otherCopyAnswered()) return 0;
    if (singleCopy.otherCopySilent()) {
        std::fputs("trellum: another copy is running on this display but does not answer\n", stderr);
        return 1;
    }
    // From here on a TERM ends the program like OFF, even while Qt starts.
    trellum::StopSignals::installHandlers();

    trellum::shell::QtMessageWatch qtMessages;
    // One malloc arena for the whole program: the font preload's thread would
    // otherwise keep an arena of its own with fontconfig's data for the rest of
    // the run, 150-250 KiB of RSS (bench/RESULTS.md, start-up memory).
    mallopt(M_ARENA_MAX, 1);
    // fontconfig's reading of its files runs beside the connection to the display.
    trellum::shell::FontPreload fontPreload;
    QApplication app(argc, argv);
    qtMessages.started();
    // Beside the program in a build, in the data folder once installed.
    const std::string dataFolder =
        trellum::programDataFolder(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    trellum::shell::installTranslators(app, QFile::decodeName(dataFolder.c_str()));
    QApplication::setApplicationName(QStringLiteral("trellum"));
    // The menu entry's id: desktops match the window to its entry's name and icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.trellum.Trellum"));
    QApplication::setApplicationVersion(QString::fromLatin1(trellum::kVersion));
    // The program ends when the main window closes, not when its last visible
    // window goes away: hiding into the tray or closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(trellum::shell::newAppStyle());
    // Outlives the window, so a signal during its teardown is still only queued.
    trellum::StopSignals stopSignals;

    fontPreload.wait();
    trellum::SettingsStore settings(trellum::defaultSettingsPath());
    trellum::shell::MainWindow window(settings);
    QObject::connect(&singleCopy, &trellum::SingleCopy::requested, &window,
                     [&window, &singleCopy](trellum::LaunchRequest request, const QByteArray& startupId,
                                            const QByteArray& activationToken) {
                         // Qt's Wayland activation takes the launcher's token from here.
                         if (!activationToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", activationToken);
                         if (request == trellum::LaunchRequest::Toggle)
                             window.toggleShown();
                         else
                             window.trayActivated(QSystemTrayIcon::Trigger);
                         qunsetenv("XDG_ACTIVATION_TOKEN");
                         trellum::shell::endStartupFeedback(window, startupId);
                         singleCopy.done();
                     });
    QObject::connect(&window, &trellum::shell::MainWindow::ending, &singleCopy, &trellum::SingleCopy::stopAnswering);
    QObject::connect(&window, &trellum::shell::MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // Every way out asks the window for the end (OFF and Exit through its close):
    // a session ending without a close event, SIGTERM (logout, systemd), SIGHUP
    // and SIGINT end the program as OFF does, with exit status 0.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { window.end(trellum::shell::MainWindow::Display::Unattended); });
    if (stopSignals.socket() >= 0) {
        auto* watch = new QSocketNotifier(stopSignals.socket(), QSocketNotifier::Read, &window);
        QObject::connect(watch, &QSocketNotifier::activated, &window, [&window, &stopSignals] {
            if (stopSignals.takePending()) window.end(trellum::shell::MainWindow::Display::Unattended);
        });
    }
    // A display that goes away (the X server or the compositor ends before the
    // session's TERM comes) saves what needs no display; Qt then ends the
    // program with status 1.
    qtMessages.onDisplayLost([&window] { window.end(trellum::shell::MainWindow::Display::Gone); });
    // The session manager asks for the data before the session ends, but the
    // user may still cancel the logout (or it is a checkpoint), so the program
    // stays; the manager's "die" that follows closes the window.
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &window, [&window] { window.calculator().saveSettings(); },
        Qt::DirectConnection);

    window.calculator().start();
    // Only now, when the start can no longer block, do later launches get an answer.
    singleCopy.listen();
    const int status = QApplication::exec();
    qtMessages.onDisplayLost({});
    // Everything is saved by now. Qt 6.4's Wayland client can hang for good in
    // its own teardown (its event thread waits for a read that the main thread,
    // joining it, never makes): on Wayland the process ends here instead.
    if (QGuiApplication::platformName().startsWith(u"wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
