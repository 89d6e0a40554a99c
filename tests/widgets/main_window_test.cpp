// SPDX-License-Identifier: MIT
// The real main window on the offscreen platform: keys clicked and typed reach
// the calculator, the display shows its state, and the window modes live in the
// menus and the window flags.

#include <memory>

#include <QtTest>
#include <QtWidgets>

#include "shell/main_window.h"
#include "shell/window_geometry.h"
#include "storage/settings_store.h"
#include "patience.h"

using trellum::SettingsStore;
using trellum::shell::LcdPanel;
using trellum::shell::MainWindow;
using trellum::operator""_tw;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void inputReachesTheCalculator_data();
    void inputReachesTheCalculator();
    void pasteAndCopy_data();
    void pasteAndCopy();
    void windowModes_data();
    void windowModes();
    void hideWithoutTrayMinimisesAndTrayClickRestores();
    void everyWayOutEndsOnce_data();
    void everyWayOutEndsOnce();
    void exponentStaysInsideThePanel_data();
    void exponentStaysInsideThePanel();
    void shortMessagesKeepTheTitleWhole_data();
    void shortMessagesKeepTheTitleWhole();
    void keyCaptionsPrint_data();
    void keyCaptionsPrint();
    void pointerAndRightClick_data();
    void pointerAndRightClick();

private:
    QPushButton* key(const QString& name) const
    {
        auto* button = m_window->findChild<QPushButton*>(name);
        if (!button) qFatal("no key %s", qPrintable(name));
        return button;
    }
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

void MainWindowTest::inputReachesTheCalculator_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("beeps");
    QTest::newRow("clicked 2 + 3 x 4 = keeps precedence")
        << "digit2 add digit3 multiply digit4 equals" << "14.  " << 0;
    QTest::newRow("space presses =") << "6 Num+* 7 Space" << "42.  " << 0;
    QTest::newRow("unmapped keys beep and change nothing") << "5 A F12" << "5.  " << 2;
}

void MainWindowTest::inputReachesTheCalculator()
{
    QFETCH(QString, steps);
    QFETCH(QString, display);
    QFETCH(int, beeps);
    const int beepsBefore = m_window->toolkit().beepCount();
    play(steps);
    QCOMPARE(m_window->lcd()->text(), display);
    QCOMPARE(m_window->toolkit().beepCount() - beepsBefore, beeps);
    QVERIFY(m_window->equalKey()->hasFocus());
}

void MainWindowTest::pasteAndCopy_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("exponent");
    QTest::addColumn<QString>("message");  // title|text of the refusal, empty for none
    QTest::addColumn<QString>("copied");   // by Ctrl+C afterwards
    QTest::addColumn<QString>("locale");   // the user's; empty: the C locale of the test
    const QString notANumber = QStringLiteral("Trellum|Importing data is not a number ");
    QTest::newRow("number with exponent") << "1.5E-07" << "1.5  " << "-07" << "" << "1.5E-07" << "";
    QTest::newRow("not a number warns and keeps the display") << "abc" << "7.  " << "" << notANumber << "7." << "";
    QTest::newRow("decimal comma in German") << "1,5" << "1.5  " << "" << "" << "1.5" << "de_DE";
    QTest::newRow("decimal comma in English") << "1,5" << "7.  " << "" << notANumber << "7." << "en_US";
}

void MainWindowTest::pasteAndCopy()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, display);
    QFETCH(QString, exponent);
    QFETCH(QString, message);
    QFETCH(QString, copied);
    QFETCH(QString, locale);
    if (!locale.isEmpty()) QLocale::setDefault(QLocale(locale));
    play("digit7");
    QGuiApplication::clipboard()->setText(clipboard);
    QString shown;
    QObject context;  // a timer left unfired must not outlive `shown`
    QTimer::singleShot(0, &context, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + u'|' + box->text();
            box->accept();
        }
    });
    play("Ctrl+V");
    QCOMPARE(shown, message);
    QCOMPARE(m_window->lcd()->text(), display);
    QCOMPARE(m_window->expLabel()->isVisible(), !exponent.isEmpty());
    if (!exponent.isEmpty()) QCOMPARE(m_window->expLabel()->text(), exponent);
    // Offscreen has no window manager to hand the focus back after a message box.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get(), kPatienceMs));
    QGuiApplication::clipboard()->clear();  // so a copy that does nothing cannot pass
    play("Ctrl+C");
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
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
    QCOMPARE(m_window->settingsMenu()->menuAction()->isVisible(), !compact);
    QCOMPARE(m_window->helpMenu()->menuAction()->isVisible(), !compact);
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
    QTest::addColumn<QString>("ways");     // in order: off, close (the close button), end (End), signal, lost
    QTest::addColumn<bool>("unsaved");     // the settings cannot be saved
    QTest::addColumn<bool>("closed");      // the window closed and the event loop told to end
    QTest::addColumn<int>("boxes");        // message boxes shown
    QTest::newRow("OFF, then a signal") << "off signal" << false << true << 0;
    QTest::newRow("the close button, then a signal") << "close signal" << false << true << 0;
    QTest::newRow("a signal, then the close button") << "signal close" << false << true << 0;
    QTest::newRow("a signal twice") << "signal signal" << false << true << 0;
    // Nothing may touch a lost display: the window and its tray icon stay as they were.
    QTest::newRow("the display lost, then a signal") << "lost signal" << false << false << 0;
    // No one may be there to answer a box after a signal: the failure goes to standard error.
    QTest::newRow("unsaved: End shows why") << "end" << true << true << 1;
    QTest::newRow("unsaved: a signal waits for no one") << "signal" << true << true << 0;
    QTest::newRow("unsaved: a signal while End's box is up") << "end signal" << true << true << 1;
}

void MainWindowTest::everyWayOutEndsOnce()
{
    QFETCH(QString, ways);
    QFETCH(bool, unsaved);
    QFETCH(bool, closed);
    QFETCH(int, boxes);
    if (unsaved) {
        m_window.reset();
        m_settings = std::make_unique<SettingsStore>("/proc/trellum-nowhere/settings");
        openWindow();
    }
    QSignalSpy ending(m_window.get(), &MainWindow::ending);
    QSignalSpy closing(m_window.get(), &MainWindow::closed);
    QStringList steps = ways.split(u' ');
    int step = 0, shown = 0;
    // A box is answered by the user, or by the signal that comes next while it is up.
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->property("seen").toBool()) return;
        box->setProperty("seen", true);
        ++shown;
        if (step + 1 < steps.size() && steps[step + 1] == u"signal") {
            steps[step + 1].clear();
            m_window->end(MainWindow::Display::Unattended);
        } else {
            box->accept();
        }
    });
    answer.start(10);
    for (; step < steps.size(); ++step) {
        const QString& way = steps[step];
        if (way == u"off") play("off");
        if (way == u"close") m_window->close();
        if (way == u"end") m_window->end();
        if (way == u"signal") m_window->end(MainWindow::Display::Unattended);
        if (way == u"lost") m_window->end(MainWindow::Display::Gone);
    }
    QCOMPARE(shown, boxes);
    QCOMPARE(ending.count(), 1);
    QCOMPARE(closing.count(), closed ? 1 : 0);
    QCOMPARE(m_window->isVisible(), !closed);
    QCOMPARE(m_window->toolkit().trayIcon() == nullptr, closed);
}

// The exponent's last digit keeps clear of the panel's right bevel: no ink in
// the pixel column next to it (also run at QT_SCALE_FACTOR=2).
void MainWindowTest::exponentStaysInsideThePanel_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("pasted");     // put on the clipboard before the keys
    QTest::addColumn<QString>("shown");      // the whole exponent text
    QTest::newRow("-99") << "digit1 exponent digit9 digit9 changeSign" << "" << "-99";
    QTest::newRow("pasted thirteen digits") << "Ctrl+V" << "2E+0000000000099" << "99";
    QTest::newRow("pasted fourteen in grads") << "mode mode Ctrl+V" << "-1.23456789012345E-00000000000007" << "-07";
    QTest::newRow("pasted long, then two digits again") << "Ctrl+V digit1 exponent digit4" << "1E-0005" << "04";
}

void MainWindowTest::exponentStaysInsideThePanel()
{
    QFETCH(QString, keys);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    if (!pasted.isEmpty()) QGuiApplication::clipboard()->setText(pasted);
    play(keys);
    QLabel* exponent = m_window->expLabel();
    QVERIFY(exponent->isVisible());
    QCOMPARE(exponent->text(), shown);
    // Nor does it cover the angle mode's letter, nor shrink.
    QVERIFY(exponent->x() > m_window->findChild<QLabel*>("gradsIndicator")->geometry().right());
    QCOMPARE(exponent->font().pointSizeF(), 7.0);
    LcdPanel* panel = m_window->lcd();
    QVERIFY(panel->rect().contains(exponent->geometry()));
    const QImage image = panel->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    // The pixel columns just inside the bevel, over the label's rows.
    const int bevel = image.width() - qCeil(ratio);
    const int top = qFloor(exponent->y() * ratio), bottom = qCeil((exponent->y() + exponent->height()) * ratio);
    int ink = 0;
    for (int x = bevel - qCeil(ratio); x < bevel; ++x)
        for (int y = top; y < bottom && y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 120) ++ink;
    QCOMPARE(ink, 0);
    // And the digits are all there: the label is at least as wide as their ink.
    const QFontMetricsF metrics(exponent->font());
    QVERIFY(metrics.boundingRect(exponent->text()).right() < exponent->width());
    QVERIFY(metrics.horizontalAdvance(exponent->text()) <= exponent->width());
    QVERIFY(exponent->font().pointSizeF() >= 4);
}

void MainWindowTest::shortMessagesKeepTheTitleWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("raisedIn");   // the window the box belongs over, or "hidden": none shows
    QTest::newRow("out of range") << "Out of Range!" << "window";
    QTest::newRow("raised in a dialog") << "Fill in name and value of the constant." << "dialog";
    QTest::newRow("window hidden in a corner") << "Settings could not be saved." << "hidden";
}

// A window manager cuts a title its frame cannot hold beside its buttons. The
// box opens over the window that raised it, or in the middle of the screen.
void MainWindowTest::shortMessagesKeepTheTitleWhole()
{
    QFETCH(QString, text);
    QFETCH(QString, raisedIn);
    QDialog dialog(m_window.get());
    if (raisedIn == u"dialog") dialog.open();
    if (raisedIn == u"hidden") {
        m_window->move(0, 0);
        m_window->hide();
    }
    int width = 0, least = 0;
    QWidget* over = nullptr;
    QPoint centre;
    QObject context;
    QTimer::singleShot(0, &context, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            width = box->width();
            least = trellum::shell::titleWidth(box) + trellum::shell::TwipsScale::of(box).toPixels(1500_tw);
            over = box->parentWidget();
            centre = box->geometry().center();
            box->accept();
        }
    });
    m_window->toolkit().showMessageBox(text, trellum::MessageIcon::Exclamation);
    QVERIFY(least > 0);
    QVERIFY2(width >= least, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(least)));
    QWidget* const wanted = raisedIn == u"dialog" ? &dialog : nullptr;
    QCOMPARE(over, raisedIn == u"window" ? m_window.get() : wanted);
    if (!over) QVERIFY((centre - m_window->screen()->availableGeometry().center()).manhattanLength() < 60);
}

namespace {

// The ink of a key's light print on its face, by rows and columns of device
// pixels: the gray of the brightest pixel of each row, and the print's box.
struct Print {
    QImage face;
    int paper;   // the face's gray beside the print
    QRect ink;
    QList<int> rowPeak;   // per row of `ink`
    bool inked(int x, int y) const { return qGray(face.pixel(x, y)) > paper + 40; }
};

Print printOf(QPushButton* key)
{
    Print print{key->grab().toImage(), 0, {}, {}};
    // The rounded border and bevel lie within two device pixels of the edge.
    const int edge = qCeil(2 * print.face.devicePixelRatio());
    print.paper = qGray(print.face.pixel(edge + 1, print.face.height() / 2));
    for (int y = edge; y < print.face.height() - edge; ++y)
        for (int x = edge; x < print.face.width() - edge; ++x)
            if (print.inked(x, y)) print.ink |= QRect(x, y, 1, 1);
    for (int y = print.ink.top(); y <= print.ink.bottom(); ++y) {
        int peak = 0;
        for (int x = print.ink.left(); x <= print.ink.right(); ++x) peak = std::max(peak, qGray(print.face.pixel(x, y)));
        print.rowPeak.append(peak);
    }
    return print;
}

}  // namespace

void MainWindowTest::keyCaptionsPrint_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("degree ring small and raised") << "degreesMinutesSeconds";
    QTest::newRow("root as tall as letters") << "squareRoot";
    QTest::newRow("plus bars on whole pixels") << "add";
    QTest::newRow("minus bar on whole pixels") << "subtract";
    QTest::newRow("divide bar on whole pixels") << "divide";
}

// Also run at one and a half and twice the scale.
void MainWindowTest::keyCaptionsPrint()
{
    QFETCH(QString, key);
    const Print print = printOf(this->key(key));
    QVERIFY(!print.ink.isEmpty());
    const Print letters = printOf(this->key("ln"));   // "In": a capital's height
    if (key == u"degreesMinutesSeconds") {
        // The ring: the ink left of the first blank column.
        QRect ring;
        for (int x = print.ink.left(); x <= print.ink.right() && (ring.isEmpty() || ring.right() == x - 1); ++x)
            for (int y = print.ink.top(); y <= print.ink.bottom(); ++y)
                if (print.inked(x, y)) ring |= QRect(x, y, 1, 1);
        QVERIFY2(ring.top() <= print.ink.top() + 1 && 4 * ring.height() <= 3 * letters.ink.height(),
                 qPrintable(QStringLiteral("ring rows %1..%2, marks from %3, letters %4 high")
                                .arg(ring.top()).arg(ring.bottom()).arg(print.ink.top()).arg(letters.ink.height())));
    } else if (key == u"squareRoot") {
        QVERIFY2(print.ink.height() >= letters.ink.height(), qPrintable(QString::number(print.ink.height())));
        // As heavy: a stroke of the letters' weight, not a hairline.
        const auto inked = [](const Print& p) {
            int n = 0;
            for (int y = p.ink.top(); y <= p.ink.bottom(); ++y)
                for (int x = p.ink.left(); x <= p.ink.right(); ++x) n += p.inked(x, y);
            return n;
        };
        QVERIFY2(inked(print) >= inked(letters) / 2,
                 qPrintable(QStringLiteral("%1 of %2").arg(inked(print)).arg(inked(letters))));
    } else {
        // Every row of a bar as bright as the brightest: none half lit (the
        // rows between the divide sign's dots and bar hold no ink at all).
        const int peak = *std::max_element(print.rowPeak.begin(), print.rowPeak.end());
        for (int row = 0; row < print.rowPeak.size(); ++row)
            QVERIFY2(print.rowPeak[row] <= print.paper + 20 || print.rowPeak[row] >= peak - 20,
                     qPrintable(QStringLiteral("row %1: %2 of %3").arg(row).arg(print.rowPeak[row]).arg(peak)));
    }
}

// The pointer a user sees is that of the widget the mouse would reach there:
// the keypad's hand over the keypad and its keys, the arrow over the display
// and over a legend or an indicator. The right button opens Settings on the
// keypad between the keys, a legend passing the press on, never on a key.
void MainWindowTest::pointerAndRightClick_data()
{
    QTest::addColumn<QString>("target");   // an object name; the frames are pointed at in their corner
    QTest::addColumn<bool>("hand");
    QTest::addColumn<bool>("opens");
    QTest::newRow("keypad between the keys") << "keypad" << true << true;
    QTest::newRow("digit key") << "digit7" << true << false;
    QTest::newRow("function key") << "sin" << true << false;
    QTest::newRow("display") << "display" << false << false;
    QTest::newRow("legend") << "arcSineLegend" << false << true;
    QTest::newRow("indicator") << "degreesIndicator" << false << false;
}

void MainWindowTest::pointerAndRightClick()
{
    QFETCH(QString, target);
    QFETCH(bool, hand);
    QFETCH(bool, opens);
    // Set right after the window's first paint.
    QTRY_COMPARE_WITH_TIMEOUT(m_window->keypadFrame()->cursor().shape(), Qt::BitmapCursor, kPatienceMs);
    for (QPushButton* key : m_window->keys()) QCOMPARE(key->cursor().shape(), Qt::BitmapCursor);
    auto* widget = m_window->findChild<QWidget*>(target);
    QVERIFY(widget);
    const bool frame = target == u"keypad" || target == u"displayFrame";
    const QPoint at = widget->mapTo(m_window.get(), frame ? QPoint(3, 3) : widget->rect().center());
    QWidget* under = m_window->childAt(at);
    QVERIFY(under);
    QCOMPARE(under->cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
    if (hand) QCOMPARE(under->cursor().hotSpot(), QPoint(12, 1));

    QSignalSpy shown(m_window->settingsMenu(), &QMenu::aboutToShow);
    QTest::mouseClick(under, Qt::RightButton, {}, under->mapFrom(m_window.get(), at));
    if (opens) QTRY_VERIFY_WITH_TIMEOUT(m_window->settingsMenu()->isVisible(), kPatienceMs);
    m_window->settingsMenu()->close();
    QCOMPARE(shown.count(), opens ? 1 : 0);
    QCOMPARE(m_window->lcd()->text(), QStringLiteral("0.  "));
    // A left click anywhere hands the keyboard back to "=".
    m_window->equalKey()->clearFocus();
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(m_window.get(), at));
    QVERIFY(m_window->equalKey()->hasFocus());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
