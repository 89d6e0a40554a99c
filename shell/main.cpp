// Trellum: starts the one window, runs its start-up sequence and the event loop.

#include <QApplication>

#include "shell/dialogs/dialogs.h"
#include "app/product.h"
#include "shell/main_window.h"
#include "storage/settings_store.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trellum"));
    QApplication::setApplicationVersion(QString::fromLatin1(trellum::kVersion));
    // The program ends when the main window closes, not when its last visible
    // window goes away: hiding into the tray or closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(trellum::shell::NewAppStyle());

    trellum::SettingsStore settings(trellum::DefaultSettingsPath());
    trellum::shell::MainWindow window(settings);
    QObject::connect(&window, &trellum::shell::MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // A session ending without a close event still saves (Form_Unload runs once).
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.calculator().Form_Unload(); });

    window.calculator().Form_Load();
    return QApplication::exec();
}
