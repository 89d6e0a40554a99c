// The product's keyboard table (shell/keyboard.cpp), two ways: Qt key events
// mapped to calculator keys, where the physical key decides whenever its
// place counts (the keypad, NumLock, shifted digits, the bracket keys of
// German and French layouts), and every key of the README's keyboard tables
// typed on the real window as X11 delivers it, checked by what it does.

#include <memory>

#include <QtTest>
#include <QtWidgets>

#include "shell/keyboard.h"
#include "shell/main_window.h"
#include "storage/settings_store.h"
#include "patience.h"

using trellum::Key;
using trellum::SettingsStore;
using trellum::shell::KeyPress;
using trellum::shell::MainWindow;
using trellum::shell::Typed;
using trellum::shell::typedKeyOf;

Q_DECLARE_METATYPE(trellum::shell::KeyPress)
Q_DECLARE_METATYPE(trellum::shell::Typed)

namespace {

// A key as X11 delivers it to Qt: the Qt key and modifiers, the X key code
// (nativeScanCode), the keysym (nativeVirtualKey) and the text.
struct Stroke {
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 code;
    quint32 keysym;
    QString text;
};

// Strokes by the name a step gives them; a US layout unless a name says
// "de:" or "fr:". NumLock is on for "KP", off for "KPoff".
Stroke strokeNamed(const QString& name)
{
    static const QHash<QString, Stroke> strokes = [] {
        QHash<QString, Stroke> s;
        const Qt::KeyboardModifiers none, keypad = Qt::KeypadModifier, shift = Qt::ShiftModifier;
        const quint32 keypadCodes[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
        const int numLockOff[] = {Qt::Key_Insert, Qt::Key_End,  Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
                                  Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp};
        const quint32 numLockOffSyms[] = {0xff9e, 0xff9c, 0xff99, 0xff9b, 0xff96, 0xff9d, 0xff98, 0xff95, 0xff97, 0xff9a};
        for (int d = 0; d <= 9; ++d) {
            const QString digit = QString::number(d);
            s[digit] = {Qt::Key_0 + d, none, quint32(d == 0 ? 19 : 9 + d), quint32(0x30 + d), digit};
            s["KP" + digit] = {Qt::Key_0 + d, keypad, keypadCodes[d], quint32(0xffb0 + d), digit};
            s["KPoff" + digit] = {numLockOff[d], keypad, keypadCodes[d], numLockOffSyms[d], {}};
        }
        for (int f = 1; f <= 11; ++f)
            s[QStringLiteral("F%1").arg(f)] = {Qt::Key_F1 + f - 1, none, quint32(f <= 10 ? 66 + f : 95),
                                               quint32(0xffbd + f), {}};
        s["KP."] = {Qt::Key_Period, keypad, 91, 0xffae, "."};
        s["KP,"] = {Qt::Key_Comma, keypad, 91, 0xffac, ","};
        s["KPoff."] = {Qt::Key_Delete, keypad, 91, 0xff9f, {}};
        s["KP+"] = {Qt::Key_Plus, keypad, 86, 0xffab, "+"};
        s["KP-"] = {Qt::Key_Minus, keypad, 82, 0xffad, "-"};
        s["KP*"] = {Qt::Key_Asterisk, keypad, 63, 0xffaa, "*"};
        s["KP/"] = {Qt::Key_Slash, keypad, 106, 0xffaf, "/"};
        s["KPEnter"] = {Qt::Key_Enter, keypad, 104, 0xff8d, "\r"};
        s["Return"] = {Qt::Key_Return, none, 36, 0xff0d, "\r"};
        s["BackSpace"] = {Qt::Key_Backspace, none, 22, 0xff08, "\b"};
        s["Delete"] = {Qt::Key_Delete, none, 119, 0xffff, {}};
        s["Home"] = {Qt::Key_Home, none, 110, 0xff50, {}};
        s["End"] = {Qt::Key_End, none, 115, 0xff57, {}};
        s["PageUp"] = {Qt::Key_PageUp, none, 112, 0xff55, {}};
        s["PageDown"] = {Qt::Key_PageDown, none, 117, 0xff56, {}};
        s["Insert"] = {Qt::Key_Insert, none, 118, 0xff63, {}};
        s["Escape"] = {Qt::Key_Escape, none, 9, 0xff1b, "\x1b"};
        s["Shift"] = {Qt::Key_Shift, shift, 50, 0xffe1, {}};
        s["M"] = {Qt::Key_M, none, 58, 0x6d, "m"};
        s["N"] = {Qt::Key_N, none, 57, 0x6e, "n"};
        s["D"] = {Qt::Key_D, none, 40, 0x64, "d"};
        s["H"] = {Qt::Key_H, none, 43, 0x68, "h"};
        s["shift+H"] = {Qt::Key_H, shift, 43, 0x48, "H"};
        s["["] = {Qt::Key_BracketLeft, none, 34, 0x5b, "["};
        s["]"] = {Qt::Key_BracketRight, none, 35, 0x5d, "]"};
        s["shift+8"] = {Qt::Key_Asterisk, shift, 17, 0x2a, "*"};
        s["de:ü"] = {Qt::Key_Udiaeresis, none, 34, 0xfc, QStringLiteral("ü")};
        s["de:+"] = {Qt::Key_Plus, none, 35, 0x2b, "+"};
        s["de:shift+8"] = {Qt::Key_ParenLeft, shift, 17, 0x28, "("};
        s["fr:^"] = {Qt::Key_Dead_Circumflex, none, 34, 0xfe52, {}};
        s["fr:$"] = {Qt::Key_Dollar, none, 35, 0x24, "$"};
        s["fr:&"] = {Qt::Key_Ampersand, none, 10, 0x26, "&"};
        s["fr:à"] = {Qt::Key_Agrave, none, 19, 0xe0, QStringLiteral("à")};
        return s;
    }();
    const auto found = strokes.find(name);
    if (found == strokes.end()) qFatal("no stroke %s", qPrintable(name));
    return *found;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void typedKey_data();
    void typedKey();

    void init();
    void cleanup();
    void everyKeyDoesWhatTheReadmeSays_data();
    void everyKeyDoesWhatTheReadmeSays();

private:
    // Space-separated steps: a stroke's name, or a shortcut (Ctrl+C, ...)
    // typed through Qt's shortcut handling as the desktop's key would be.
    void type(const QString& steps);
    QString litIndicators() const;

    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_dialogTitles;   // of the modal windows the keys opened, each closed at once
    QTimer m_dialogCloser;
};

void KeyboardTest::typedKey_data()
{
    QTest::addColumn<KeyPress>("press");
    QTest::addColumn<Typed>("expected");

    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers altGr = Qt::GroupSwitchModifier;
    const Typed beep{};
    const Typed escape{std::nullopt, true};
    auto row = [](const char* name, int key, Qt::KeyboardModifiers mods, quint32 code, quint32 sym, bool xkb,
                  Typed typed) { QTest::newRow(name) << KeyPress{key, mods, code, sym, xkb} << typed; };
    auto is = [](Key key) { return Typed{key}; };

    // The digit row by position, whatever the layout prints there.
    row("main 7 without xkb", Qt::Key_7, none, 0, 0, false, is(Key::Digit7));
    row("german altgr+8 prints [ but is 8", Qt::Key_BracketLeft, altGr, 17, 0x5b, true, is(Key::Digit8));
    // Without a key code the bracket keys are known by what a US layout prints.
    row("[ without xkb", Qt::Key_BracketLeft, none, 0, 0, false, is(Key::OpenBracket));
    row("} without xkb", Qt::Key_BraceRight, shift, 0, 0, false, is(Key::CloseBracket));
    row("ü without xkb", Qt::Key_Udiaeresis, none, 0, 0, false, beep);
    row("us shift+[ prints {", Qt::Key_BraceLeft, shift, 34, 0x7b, true, is(Key::OpenBracket));
    // The keypad, known by its keysym or by Qt's keypad modifier alone.
    row("keypad 9 without xkb", Qt::Key_9, keypad, 0, 0, false, is(Key::Digit9));
    row("keypad keysym without modifier", Qt::Key_4, none, 83, 0xffb4, true, is(Key::Digit4));
    row("keypad decimal without xkb", Qt::Key_Period, keypad, 0, 0, false, is(Key::Point));
    row("keypad 2 numlock off without xkb", Qt::Key_Down, keypad, 0, 0, false, is(Key::Digit2));
    // Keys the table has no row for (A and F12 are MainWindowTest's unmapped keys).
    row("F10", Qt::Key_F10, none, 76, 0xffc7, true, beep);
    row("Escape", Qt::Key_Escape, none, 9, 0xff1b, true, escape);
    row("ctrl+M is M", Qt::Key_M, Qt::ControlModifier, 58, 0x6d, true, is(Key::Mode));
    // Main-keyboard signs are not the keypad's operators.
    row("main =", Qt::Key_Equal, none, 21, 0x3d, true, beep);
    row("main + (shift+=)", Qt::Key_Plus, shift, 21, 0x2b, true, beep);
    row("main -", Qt::Key_Minus, none, 20, 0x2d, true, beep);
    row("main .", Qt::Key_Period, none, 60, 0x2e, true, beep);
}

void KeyboardTest::typedKey()
{
    QFETCH(KeyPress, press);
    QFETCH(Typed, expected);
    const Typed typed = typedKeyOf(press);
    QCOMPARE(typed.escape, expected.escape);
    QCOMPARE(typed.key.has_value(), expected.key.has_value());
    if (expected.key) QCOMPARE(static_cast<int>(*typed.key), static_cast<int>(*expected.key));
}

void KeyboardTest::init()
{
    if (QByteArray(QTest::currentTestFunction()) == "typedKey") return;
    m_settings = std::make_unique<SettingsStore>();   // in memory: a first run
    m_window = std::make_unique<MainWindow>(*m_settings);
    m_window->calculator().start();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get(), kPatienceMs));
    m_dialogTitles.clear();
    m_dialogCloser.setInterval(10);
    m_dialogCloser.disconnect();
    connect(&m_dialogCloser, &QTimer::timeout, this, [this] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            m_dialogTitles << dialog->windowTitle();
            dialog->close();
        }
    });
}

void KeyboardTest::cleanup()
{
    m_window.reset();
    m_settings.reset();
}

void KeyboardTest::type(const QString& steps)
{
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_window->equalKey();
        if (step.startsWith(u"Ctrl+")) {
            const QKeyCombination stroke = QKeySequence::fromString(step)[0];
            QTest::keyClick(target, stroke.key(), stroke.keyboardModifiers());
            continue;
        }
        // A key that opens a dialog comes back from its modal loop only: the
        // closer closes the dialog as soon as it is there, which answers nothing.
        m_dialogCloser.start();
        const Stroke s = strokeNamed(step);
        QKeyEvent press(QEvent::KeyPress, s.key, s.modifiers, s.code, s.keysym, 0, s.text);
        QApplication::sendEvent(target, &press);
        m_dialogCloser.stop();
        QKeyEvent release(QEvent::KeyRelease, s.key, s.modifiers, s.code, s.keysym, 0, s.text);
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : target, &release);
    }
}

QString KeyboardTest::litIndicators() const
{
    QStringList lit;
    const std::pair<const char*, const char*> indicators[] = {
        {"shiftIndicator", "S"},   {"hypIndicator", "hyp"},     {"memoryIndicator", "M"},
        {"degreesIndicator", "D"}, {"radiansIndicator", "R"}, {"gradsIndicator", "G"}};
    for (const auto& [name, letter] : indicators)
        if (!m_window->findChild<QLabel*>(name)->isHidden()) lit << letter;
    return lit.join(u' ');
}

// One row for each line of the README's keyboard tables (and each layout of
// the table of places), with what it must do. `effect` is what besides the
// display shows it: "dialog:TITLE", "hidden", "closed" (the window ended and
// its tray icon gone, as OFF ends it), or nothing. Copy, paste and compact
// mode's Ctrl keys are main_window_test's (pasteAndCopy, windowModes).
void KeyboardTest::everyKeyDoesWhatTheReadmeSays_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("exponent");     // empty: none shown
    QTest::addColumn<QString>("indicators");   // lit, as the runner lists them
    QTest::addColumn<QString>("effect");
    auto row = [](const char* name, const char* steps, const char* display, const char* indicators = "D",
                  const char* effect = "", const char* exponent = "") {
        QTest::newRow(name) << QString::fromUtf8(steps) << QString::fromUtf8(display) << QString::fromUtf8(exponent)
                            << QString::fromUtf8(indicators) << QString::fromUtf8(effect);
    };
    // Places: the digit row and the two keys right of P on three layouts.
    row("digit row us, 1 to 0", "1 2 3 4 5 6 7 8 9 0", "1234567890.  ");
    row("digit row us, shift+8 is 8", "shift+8", "8.  ");
    row("digit row german, shift+8 is 8", "de:shift+8", "8.  ");
    row("digit row french, & and a-grave are 1 and 0", "fr:& fr:à", "10.  ");
    row("right of P us, [ opens", "[", "(- 1");
    row("right of P german, u-umlaut opens", "de:ü", "(- 1");
    row("right of P french, dead circumflex opens", "fr:^", "(- 1");
    row("right of P us, ] closes", "[ 2 KP+ 3 ]", "5.  ");
    row("right of P german, + closes", "de:ü 2 KP+ 3 de:+", "5.  ");
    row("right of P french, dollar closes", "fr:^ 2 KP+ 3 fr:$", "5.  ");
    // The keypad, NumLock on and off.
    row("keypad digits numlock on", "KP1 KP2 KP3 KP4 KP5 KP6 KP7 KP8 KP9 KP0", "1234567890.  ");
    row("keypad digits numlock off", "KPoff1 KPoff2 KPoff3 KPoff4 KPoff5 KPoff6 KPoff7 KPoff8 KPoff9 KPoff0",
        "1234567890.  ");
    row("keypad point", "KP1 KP. KP5", "1.5  ");
    row("keypad comma of comma layouts", "KP1 KP, KP5", "1.5  ");
    row("keypad point numlock off", "KPoff1 KPoff. KPoff5", "1.5  ");
    row("keypad plus", "6 KP+ 2 KPEnter", "8.  ");
    row("keypad minus", "6 KP- 2 KPEnter", "4.  ");
    row("keypad multiply", "6 KP* 2 KPEnter", "12.  ");
    row("keypad divide", "6 KP/ 2 KPEnter", "3.  ");
    // Every other key by what it is.
    row("Return is =", "2 KP+ 3 Return", "5.  ");
    row("Backspace is DEL", "1 2 3 BackSpace", "12.  ");
    row("Delete is C, the pending sum kept", "2 KP+ 3 Delete 4 Return", "6.  ");
    row("Home is AC, the pending sum dropped", "2 KP+ 3 Home 4 Return", "4.  ");
    row("F1 is +/-", "5 F1", "-5.  ");
    row("End is OFF", "End", "0.  ", "D", "closed");
    row("F2 is X squared", "3 F2", "9.  ");
    row("F3 is square root", "9 F3", "3.  ");
    row("F4 is X^y", "2 F4 3 Return", "8.  ");
    row("Page Down is EXP", "1 PageDown 5", "1.  ", "D", "", "05");
    row("F5 is log", "1 0 0 F5", "2.  ");
    row("F6 is ln", "1 0 0 F6", "4.6051701859880  ");
    row("Insert is Min", "4 Insert", "4.  ", "D", "dialog:Save a number");
    row("Page Up is MR", "4 PageUp", "4.  ", "D", "dialog:Retrieve a number");
    row("F7 is sin", "3 0 F7", "0.5  ");
    row("F8 is cos", "6 0 F8", "0.5000000000000  ");
    row("F9 is tan", "4 5 F9", "0.9999999999999  ");
    row("M is MODE", "M", "0.  ", "R");
    row("N is Co", "N", "0.  ", "D", "dialog:Load a constant");
    row("D is degrees minutes seconds", "1 D 3 0 D", "1.5  ");
    row("F11 is 1/x", "4 F11", "0.25  ");
    row("Shift is SHIFT", "Shift", "0.  ", "S D");
    row("H is hyp", "H", "0.  ", "hyp D");
    row("shift+H is hyp after SHIFT", "Shift shift+H", "0.  ", "S hyp D");
    row("Esc hides", "7 Escape", "7.  ", "D", "hidden");
    row("Ctrl+H hides", "Ctrl+H", "0.  ", "D", "hidden");
}

void KeyboardTest::everyKeyDoesWhatTheReadmeSays()
{
    QFETCH(QString, steps);
    QFETCH(QString, display);
    QFETCH(QString, exponent);
    QFETCH(QString, indicators);
    QFETCH(QString, effect);
    QSignalSpy closed(m_window.get(), &MainWindow::closed);
    const int beepsBefore = m_window->toolkit().beepCount();
    QVERIFY(m_window->toolkit().trayIcon());   // placed, so that OFF has one to remove

    type(steps);

    QCOMPARE(m_window->lcd()->text(), display);
    QCOMPARE(m_window->expLabel()->isVisible() ? m_window->expLabel()->text() : QString(), exponent);
    QCOMPARE(litIndicators(), indicators);
    // The Ctrl key itself is a key the calculator has no key for: it beeps.
    QCOMPARE(m_window->toolkit().beepCount() - beepsBefore, int(steps.count(u"Ctrl+")));
    // A message box ("Trellum") may come first: a test run has no constants file.
    m_dialogTitles.removeAll(QStringLiteral("Trellum"));
    QCOMPARE(m_dialogTitles.join(u'|'), effect.startsWith(u"dialog:") ? effect.mid(7) : QString());
    QCOMPARE(closed.count(), effect == u"closed" ? 1 : 0);
    QCOMPARE(m_window->toolkit().trayIcon() == nullptr, effect == u"closed");
    const bool shown = m_window->isVisible() && !m_window->isMinimized();
    QCOMPARE(shown, effect != u"hidden" && effect != u"closed");
    QVERIFY(m_window->settingsMenu()->menuAction()->isVisible());
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
