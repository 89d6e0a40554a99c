// SPDX-License-Identifier: MIT
// The real main window on the offscreen platform: paste in the user's locale,
// the window modes in the menus and the window flags, and the ways out.

#include <memory>

#include <QtTest>
#include <QtWidgets>

#include "shell/main_window.h"
#include "storage/settings_store.h"
#include "patience.h"

using trellum::SettingsStore;
using trellum::shell::MainWindow;
using trellum::operator""_tw;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pasteTakesTheDecimalCommaInGerman();
    void windowModes_data();
    void windowModes();
    void hideWithoutTrayMinimisesAndTrayClickRestores();
    void everyWayOutEndsOnce_data();
    void everyWayOutEndsOnce();

private:
    // Space-separated steps: a key's object name ("digit2") is clicked,
    // anything else is typed on = as QKeySequence reads it ("Num+1", "Ctrl+V").
    void play(const QString& steps)
    {
        for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (auto* button = m_window->findChild<QPushButton*>(step)) {
                QTest::mouseClick(button, Qt::LeftButton);
                continue;
            }
            const QKeyCombination stroke = QKeySequence::fromString(step)[0];
            QTest::keyClick(m_window->equalKey(), stroke.key(), stroke.keyboardModifiers());
        }
    }
    void openWindow();   // on the settings of the run before, if any
    bool onTop() const { return m_window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); }

    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<MainWindow> m_window;
};

void MainWindowTest::init()
{
    m_settings = std::make_unique<SettingsStore>();   // in memory: a first run
    openWindow();
}

void MainWindowTest::openWindow()
{
    m_window = std::make_unique<MainWindow>(*m_settings);
    m_window->calculator().start();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get(), kPatienceMs));
}

void MainWindowTest::cleanup()
{
    QLocale::setDefault(QLocale::system());
    m_window.reset();
    m_settings.reset();
}

void MainWindowTest::pasteTakesTheDecimalCommaInGerman()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QGuiApplication::clipboard()->setText(QStringLiteral("1,5"));
    QString refused;
    QObject context;  // a timer left unfired must not outlive `refused`
    QTimer::singleShot(0, &context, [&refused] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            refused = box->text();
            box->accept();
        }
    });
    play("Ctrl+V");
    QCOMPARE(refused, QString());
    QCOMPARE(m_window->lcd()->text(), QStringLiteral("1.5  "));
}

// "restart" closes the window and opens the next run's on the same settings:
// only the always-on-top choice is stored, not the top-most state compact mode
// forces, and every run starts full.
void MainWindowTest::windowModes_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<bool>("compact");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("topMost");
    QTest::newRow("always on top") << "float" << false << true << true;
    QTest::newRow("shrink forces top-most") << "shrink" << true << false << true;
    QTest::newRow("on top, shrink, restore: still top-most") << "float shrink restore" << false << true << true;
    QTest::newRow("Ctrl+S in compact mode: full and ordinary again") << "shrink Ctrl+S" << false << false << false;
    QTest::newRow("on top, compact, next run: on top and full") << "float Ctrl+S restart" << false << true << true;
    QTest::newRow("compact, next run: full and ordinary") << "Ctrl+S restart" << false << false << false;
}

void MainWindowTest::windowModes()
{
    QFETCH(QString, actions);
    QFETCH(bool, compact);
    QFETCH(bool, checked);
    QFETCH(bool, topMost);
    WId nativeWindow = m_window->windowHandle()->winId();
    for (const QString& action : actions.split(u' ')) {
        if (action == u"float") m_window->alwaysOnTopAction()->trigger();
        else if (action == u"shrink") m_window->findChild<QAction*>("shrinkAction")->trigger();
        else if (action == u"restore") QTest::mouseDClick(m_window->lcd(), Qt::LeftButton);
        else if (action == u"restart") {
            m_window->close();
            openWindow();
            nativeWindow = m_window->windowHandle()->winId();
        } else play(action);
    }
    const int frame = m_window->frameGeometry().height() - m_window->height();
    QCOMPARE(m_window->menuBar()->isVisible(), !compact);
    // 1370 twips for the whole window, but never down into the first row of keys
    // (without a frame, offscreen, the whole height would reach them).
    if (compact)
        QCOMPARE(m_window->height(), qMin(m_window->twipsScale().toPixels(1370_tw) - frame, m_window->firstKeyRowTop()));
    QCOMPARE(m_window->alwaysOnTopAction()->isChecked(), checked);
    QCOMPARE(onTop(), topMost);
    // The z-order changes on the same native window; re-creating it would flicker.
    QCOMPARE(m_window->windowHandle()->winId(), nativeWindow);
    QVERIFY(m_window->equalKey()->hasFocus());
}

void MainWindowTest::hideWithoutTrayMinimisesAndTrayClickRestores()
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) QSKIP("a notification area is present");
    auto* tray = m_window->toolkit().trayIcon();
    QVERIFY(tray);
    QCOMPARE(tray->toolTip(), QStringLiteral("Trellum"));
    play("Ctrl+H");
    QCOMPARE(tray->toolTip(), QStringLiteral("Trellum (Hide)"));
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isMinimized(), kPatienceMs);
    m_window->trayActivated(QSystemTrayIcon::Trigger);
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isMinimized(), kPatienceMs);
    QCOMPARE(tray->toolTip(), QStringLiteral("Trellum"));
}

void MainWindowTest::everyWayOutEndsOnce_data()
{
    QTest::addColumn<QString>("ways");   // in order: off, close (the close button), signal, lost
    QTest::addColumn<bool>("closed");    // the window closed and the event loop told to end
    QTest::newRow("OFF, then a signal") << "off signal" << true;
    QTest::newRow("the close button, then a signal") << "close signal" << true;
    // Nothing may touch a lost display: the window and its tray icon stay as they were.
    QTest::newRow("the display lost, then a signal") << "lost signal" << false;
}

void MainWindowTest::everyWayOutEndsOnce()
{
    QFETCH(QString, ways);
    QFETCH(bool, closed);
    QSignalSpy ending(m_window.get(), &MainWindow::ending);
    QSignalSpy closing(m_window.get(), &MainWindow::closed);
    for (const QString& way : ways.split(u' ')) {
        if (way == u"off") play("off");
        if (way == u"close") m_window->close();
        if (way == u"signal") m_window->end(MainWindow::Display::Unattended);
        if (way == u"lost") m_window->end(MainWindow::Display::Gone);
    }
    QCOMPARE(ending.count(), 1);
    QCOMPARE(closing.count(), closed ? 1 : 0);
    QCOMPARE(m_window->isVisible(), !closed);
    QCOMPARE(m_window->toolkit().trayIcon() == nullptr, closed);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
