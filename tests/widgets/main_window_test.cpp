// The real main window on the offscreen platform: keys clicked and typed reach
// the calculator, the display shows its state, and the window modes live in the
// menus and the window flags.

#include <memory>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "shell/main_window.h"
#include "storage/registry.h"

using trellum::Registry;
using trellum::shell::MainWindow;

namespace {

struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// Answers the next message box with OK and keeps its text.
void answerNextMessageBox(QString* text)
{
    QTimer::singleShot(0, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
}

}  // namespace

Q_DECLARE_METATYPE(QList<KeyStroke>)

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUpShowsClearedDisplayInDegrees();
    void clickedKeysEvaluateWithPrecedence();
    void keysTypedOnEqualReachTheKeyboardMap_data();
    void keysTypedOnEqualReachTheKeyboardMap();
    void unmappedKeyBeepsAndChangesNothing();
    void clicksOnDisplayReturnFocusToEqual();
    void rightClickOnKeypadOpensSettingsMenu();
    void copyAndPasteThroughShortcuts();
    void pasteOfNonNumberWarnsAndKeepsDisplay();
    void windowModes_data();
    void windowModes();
    void hideWithoutTrayMinimisesAndTrayClickRestores();
    void offUnloadsOnceAndRemovesTrayIcon();
    void keypadShowsHandCursorDisplayDoesNot();

private:
    QPushButton* key(const char* name) const
    {
        auto* button = m_window->findChild<QPushButton*>(QLatin1String(name));
        if (!button) qFatal("no key %s", name);
        return button;
    }
    void click(std::initializer_list<const char*> names)
    {
        for (const char* name : names) QTest::mouseClick(key(name), Qt::LeftButton);
    }
    bool onTop() const
    {
        return m_window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    }

    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<MainWindow> m_window;
};

void MainWindowTest::init()
{
    m_registry = std::make_unique<Registry>();   // in memory: a first run
    m_window = std::make_unique<MainWindow>(*m_registry);
    m_window->calculator().Form_Load();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void MainWindowTest::cleanup()
{
    m_window.reset();
    m_registry.reset();
}

void MainWindowTest::startUpShowsClearedDisplayInDegrees()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Trellum"));
    QCOMPARE(m_window->lcd()->text(), QStringLiteral("0.  "));
    QVERIFY(m_window->findChild<QLabel*>("lblModeDisplay_0")->isVisible());
    QVERIFY(!m_window->findChild<QLabel*>("lblModeDisplay_1")->isVisible());
    QVERIFY(!m_window->expLabel()->isVisible());
    QVERIFY(!m_window->floatAction()->isChecked());
    QVERIFY(!onTop());
    QVERIFY(m_window->equalKey()->hasFocus());
    QCOMPARE(m_window->keys().size(), std::size_t{40});
    // The client area below the menu bar has the design size.
    const auto& tw = m_window->twips();
    QCOMPARE(m_window->centralWidget()->size(), QSize(tw.toPixels(3135), tw.toPixels(4560)));
    QCOMPARE(key("sscmdEqual")->geometry().topLeft(), QPoint(tw.toPixels(2040), tw.toPixels(3240)));
}

void MainWindowTest::clickedKeysEvaluateWithPrecedence()
{
    click({"sscmdDigit_2", "sscmdOperator_1", "sscmdDigit_3", "sscmdOperator_3", "sscmdDigit_4", "sscmdEqual"});
    QCOMPARE(m_window->lcd()->text(), QStringLiteral("14.  "));
    QVERIFY(m_window->equalKey()->hasFocus());

    // Entry with an exponent shows the exponent label.
    click({"sscmdDigit_1", "sscmdDot", "sscmdDigit_5", "sscmdExp", "cmdExtended_0", "sscmdDigit_7"});
    QCOMPARE(m_window->lcd()->text(), QStringLiteral("1.5  "));
    QVERIFY(m_window->expLabel()->isVisible());
    QCOMPARE(m_window->expLabel()->text(), QStringLiteral("-07"));
}

void MainWindowTest::keysTypedOnEqualReachTheKeyboardMap_data()
{
    QTest::addColumn<QList<KeyStroke>>("strokes");
    QTest::addColumn<QString>("display");
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("keypad 1 + 2 Enter") << QList<KeyStroke>{{Qt::Key_1, keypad}, {Qt::Key_Plus, keypad},
                                                             {Qt::Key_2, keypad}, {Qt::Key_Enter, keypad}}
                                        << "3.  ";
    QTest::newRow("main row 2 F4 3 Return is 2^3")
        << QList<KeyStroke>{{Qt::Key_2, none}, {Qt::Key_F4, none}, {Qt::Key_3, none}, {Qt::Key_Return, none}}
        << "8.  ";
    QTest::newRow("space presses =") << QList<KeyStroke>{{Qt::Key_6, none}, {Qt::Key_Asterisk, keypad},
                                                          {Qt::Key_7, none}, {Qt::Key_Space, none}}
                                     << "42.  ";
    QTest::newRow("Backspace removes the last digit")
        << QList<KeyStroke>{{Qt::Key_1, none}, {Qt::Key_2, none}, {Qt::Key_Backspace, none}} << "1.  ";
    QTest::newRow("keypad decimal with NumLock on")
        << QList<KeyStroke>{{Qt::Key_0, keypad}, {Qt::Key_Period, keypad}, {Qt::Key_5, keypad}} << "0.5  ";
    QTest::newRow("keypad with NumLock off still types a number")
        << QList<KeyStroke>{{Qt::Key_Left, keypad}, {Qt::Key_Delete, keypad}, {Qt::Key_End, keypad}}
        << "4.1  ";
    QTest::newRow("brackets from [ and ]")
        << QList<KeyStroke>{{Qt::Key_2, none}, {Qt::Key_Asterisk, keypad}, {Qt::Key_BracketLeft, none},
                            {Qt::Key_1, none}, {Qt::Key_Plus, keypad}, {Qt::Key_3, none},
                            {Qt::Key_BracketRight, none}, {Qt::Key_Enter, keypad}}
        << "8.  ";
    QTest::newRow("Home clears all") << QList<KeyStroke>{{Qt::Key_9, none}, {Qt::Key_Home, none}} << "0.  ";
}

void MainWindowTest::keysTypedOnEqualReachTheKeyboardMap()
{
    QFETCH(QList<KeyStroke>, strokes);
    QFETCH(QString, display);
    for (const KeyStroke& stroke : strokes) QTest::keyClick(m_window->equalKey(), stroke.key, stroke.modifiers);
    QCOMPARE(m_window->lcd()->text(), display);
    QVERIFY(m_window->equalKey()->hasFocus());
}

void MainWindowTest::unmappedKeyBeepsAndChangesNothing()
{
    QTest::keyClick(m_window->equalKey(), Qt::Key_5);
    const int beeps = m_window->toolkit().BeepCount();
    QTest::keyClick(m_window->equalKey(), Qt::Key_A);
    QTest::keyClick(m_window->equalKey(), Qt::Key_F12);
    QCOMPARE(m_window->toolkit().BeepCount(), beeps + 2);
    QCOMPARE(m_window->lcd()->text(), QStringLiteral("5.  "));
}

void MainWindowTest::clicksOnDisplayReturnFocusToEqual()
{
    m_window->equalKey()->clearFocus();
    QTest::mouseClick(m_window->lcd(), Qt::LeftButton);
    QVERIFY(m_window->equalKey()->hasFocus());
    m_window->equalKey()->clearFocus();
    QTest::mouseClick(m_window->displayFrame(), Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(m_window->equalKey()->hasFocus());
    m_window->equalKey()->clearFocus();
    QTest::mouseClick(m_window->keypadFrame(), Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(m_window->equalKey()->hasFocus());
}

void MainWindowTest::rightClickOnKeypadOpensSettingsMenu()
{
    QTest::mouseClick(m_window->keypadFrame(), Qt::RightButton, {}, QPoint(3, 3));
    QTRY_VERIFY(m_window->settingsMenu()->isVisible());
    m_window->settingsMenu()->hide();
}

void MainWindowTest::copyAndPasteThroughShortcuts()
{
    click({"sscmdDigit_4", "sscmdDigit_2"});
    QTest::keyClick(m_window->equalKey(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("42."));

    QGuiApplication::clipboard()->setText(QStringLiteral("1.5E-07"));
    QTest::keyClick(m_window->equalKey(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_window->lcd()->text(), QStringLiteral("1.5  "));
    QCOMPARE(m_window->expLabel()->text(), QStringLiteral("-07"));
    QVERIFY(m_window->expLabel()->isVisible());
    QTest::keyClick(m_window->equalKey(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1.5E-07"));
}

void MainWindowTest::pasteOfNonNumberWarnsAndKeepsDisplay()
{
    click({"sscmdDigit_7"});
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QString shown;
    answerNextMessageBox(&shown);
    QTest::keyClick(m_window->equalKey(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(shown, QStringLiteral("Trellum|Importing data is not a number "));
    QCOMPARE(m_window->lcd()->text(), QStringLiteral("7.  "));
}

void MainWindowTest::windowModes_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("compact");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("topMost");
    QTest::newRow("always on top") << QStringList{"float"} << false << true << true;
    QTest::newRow("always on top twice") << QStringList{"float", "float"} << false << false << false;
    QTest::newRow("shrink forces top-most") << QStringList{"shrink"} << true << false << true;
    QTest::newRow("shrink twice stays compact") << QStringList{"shrink", "shrink"} << true << false << true;
    QTest::newRow("shrink, restore: ordinary again") << QStringList{"shrink", "restore"} << false << false << false;
    QTest::newRow("on top, shrink, restore: still top-most")
        << QStringList{"float", "shrink", "restore"} << false << true << true;
    QTest::newRow("restore in full mode changes nothing") << QStringList{"restore"} << false << false << false;
    QTest::newRow("shortcut Ctrl+S in compact mode") << QStringList{"shrink", "ctrl+s"} << true << false << true;
}

void MainWindowTest::windowModes()
{
    QFETCH(QStringList, actions);
    QFETCH(bool, compact);
    QFETCH(bool, checked);
    QFETCH(bool, topMost);
    const WId nativeWindow = m_window->windowHandle()->winId();
    for (const QString& action : actions) {
        if (action == "float") m_window->floatAction()->trigger();
        if (action == "shrink") m_window->findChild<QAction*>("mnuShrink")->trigger();
        if (action == "restore") QTest::mouseDClick(m_window->lcd(), Qt::LeftButton);
        if (action == "ctrl+s") QTest::keyClick(m_window->equalKey(), Qt::Key_S, Qt::ControlModifier);
    }
    const auto& tw = m_window->twips();
    const int frame = m_window->frameGeometry().height() - m_window->height();
    QCOMPARE(m_window->settingsMenu()->menuAction()->isVisible(), !compact);
    QCOMPARE(m_window->helpMenu()->menuAction()->isVisible(), !compact);
    QCOMPARE(m_window->menuBar()->isVisible(), !compact);
    if (compact) QCOMPARE(m_window->height() + frame, tw.toPixels(1370));
    QCOMPARE(m_window->floatAction()->isChecked(), checked);
    QCOMPARE(onTop(), topMost);
    // The z-order changes on the same native window; re-creating it would flicker.
    QCOMPARE(m_window->windowHandle()->winId(), nativeWindow);
    QVERIFY(m_window->equalKey()->hasFocus());
}

void MainWindowTest::hideWithoutTrayMinimisesAndTrayClickRestores()
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) QSKIP("a notification area is present");
    auto* tray = m_window->toolkit().Tray();
    QVERIFY(tray);
    QCOMPARE(tray->toolTip(), QStringLiteral("Trellum"));
    QTest::keyClick(m_window->equalKey(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(tray->toolTip(), QStringLiteral("Trellum (Hide)"));
    QTRY_VERIFY(m_window->isMinimized());
    m_window->trayActivated(QSystemTrayIcon::Trigger);
    QTRY_VERIFY(!m_window->isMinimized());
    QCOMPARE(tray->toolTip(), QStringLiteral("Trellum"));
}

void MainWindowTest::offUnloadsOnceAndRemovesTrayIcon()
{
    QSignalSpy closed(m_window.get(), &MainWindow::closed);
    click({"sscmdDigit_3", "sscmdOperator_1"});
    click({"sscmdOff"});
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_window->toolkit().Tray() == nullptr);
}

void MainWindowTest::keypadShowsHandCursorDisplayDoesNot()
{
    QCOMPARE(m_window->keypadFrame()->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(m_window->keypadFrame()->cursor().hotSpot(), QPoint(12, 1));
    for (QPushButton* key : m_window->keys()) QCOMPARE(key->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(m_window->lcd()->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(m_window->displayFrame()->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
