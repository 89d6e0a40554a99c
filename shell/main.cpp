// Trellum: reads the command line, starts the one window, runs its start-up
// sequence and the event loop.

#include <malloc.h>

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QSessionManager>

#include "product.h"
#include "shell/app_style.h"
#include "shell/command_line.h"
#include "shell/font_preload.h"
#include "shell/i18n.h"
#include "shell/main_window.h"
#include "shell/platform.h"
#include "shell/qt_message_watch.h"
#include "shell/session_end.h"
#include "shell/single_instance.h"
#include "shell/start_guards.h"
#include "shell/unix_signals.h"
#include "storage/settings_store.h"

int main(int argc, char* argv[])
{
    // Before QApplication: --help and --version need no display, and the choice
    // of windowing system must be made before Qt connects to one.
    const trellum::shell::CommandLine commandLine = trellum::shell::parseCommandLine(trellum::shell::argumentsOf(argc, argv));
    if (!commandLine.run)
        return trellum::shell::printAndExitStatus(commandLine.output, commandLine.error, commandLine.exitStatus);
    // From here on a TERM ends the program like OFF, even while Qt starts.
    trellum::shell::UnixSignals::installHandlers();
    trellum::shell::ignoreUnusableScaleFactor();
    trellum::shell::preferX11(commandLine.platformGiven);
    // A second launch on this display brings the running copy forward and ends.
    trellum::shell::SingleInstance instance(
        trellum::shell::instanceSocketPath(trellum::shell::displayKey(trellum::shell::argumentsOf(argc, argv))));
    if (instance.otherCopyAnswered()) return 0;
    if (instance.otherCopySilent()) {
        std::fputs("trellum: another copy is running on this display but does not answer\n", stderr);
        return 1;
    }

    trellum::shell::QtMessageWatch qtMessages;
    // One malloc arena for the whole program: the font preload's thread would
    // otherwise keep an arena of its own with fontconfig's data for the rest of
    // the run, 150-250 KiB of RSS (bench/RESULTS.md, start-up memory).
    mallopt(M_ARENA_MAX, 1);
    // fontconfig's reading of its files runs beside the connection to the display.
    trellum::shell::FontPreload fontPreload;
    QApplication app(argc, argv);
    qtMessages.started();
    instance.listen();
    trellum::shell::installTranslators(app, QCoreApplication::applicationDirPath());
    QApplication::setApplicationName(QStringLiteral("trellum"));
    // The menu entry's id: desktops match the window to its entry's name and icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.trellum.Trellum"));
    QApplication::setApplicationVersion(QString::fromLatin1(trellum::kVersion));
    // The program ends when the main window closes, not when its last visible
    // window goes away: hiding into the tray or closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(trellum::shell::newAppStyle());
    // Outlives the window, so a signal during its teardown is still only queued.
    trellum::shell::UnixSignals unixSignals;

    fontPreload.wait();
    trellum::SettingsStore settings(trellum::defaultSettingsPath());
    trellum::shell::MainWindow window(settings);
    QObject::connect(&instance, &trellum::shell::SingleInstance::comeForward, &window,
                     [&window] { window.trayActivated(QSystemTrayIcon::Trigger); });
    QObject::connect(&window, &trellum::shell::MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // A session ending without a close event still saves (shutdown runs once).
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.calculator().shutdown(); });

    // SIGTERM (logout, systemd), SIGHUP and SIGINT end the program as OFF does:
    // settings saved, tray icon removed, exit status 0. Only the first counts.
    bool ending = false;
    const auto endLikeOff = [&window, &ending] {
        if (ending) return;
        ending = true;
        trellum::shell::cancelOpenDialogs();
        window.forward([&window] { window.calculator().switchOff(); });
    };
    QObject::connect(&unixSignals, &trellum::shell::UnixSignals::received, &window, endLikeOff);
    // The session manager asks for the data before the session ends, but the
    // user may still cancel the logout (or it is a checkpoint), so the program
    // stays; the manager's "die" that follows closes the window, which unloads
    // it like OFF.
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &window, [&window] { window.calculator().saveSettings(); },
        Qt::DirectConnection);

    // A display that goes away (the X server ends before the session's TERM
    // comes) unloads as OFF does; Qt then ends the program with status 1.
    // Everything is written before the tray icon goes, the first request to
    // the display: one that finds it gone ends the process in Xlib.
    qtMessages.onDisplayLost([&window] {
        trellum::shell::cancelOpenDialogModels();
        window.calculator().shutdown();
    });

    window.calculator().start();
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
