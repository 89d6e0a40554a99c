// Qt key events to calculator keys: the physical key decides where its place
// counts, so the keypad, NumLock, shifted digits and the bracket keys of
// German and French layouts must come out as the keys a US keyboard has there.

#include <QTest>

#include "shell/keyboard.h"

using trellum::Key;
using trellum::shell::KeyPress;
using trellum::shell::Typed;
using trellum::shell::typedKeyOf;

Q_DECLARE_METATYPE(trellum::shell::KeyPress)
Q_DECLARE_METATYPE(trellum::shell::Typed)

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void typedKey_data();
    void typedKey();
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
    row("main 0", Qt::Key_0, none, 19, 0x30, true, is(Key::Digit0));
    row("main 7 without xkb", Qt::Key_7, none, 0, 0, false, is(Key::Digit7));
    row("shift+8 is the key 8", Qt::Key_Asterisk, shift, 17, 0x2a, true, is(Key::Digit8));
    row("azerty 1 position prints &", Qt::Key_Ampersand, none, 10, 0x26, true, is(Key::Digit1));
    row("german altgr+8 prints [ but is 8", Qt::Key_BracketLeft, altGr, 17, 0x5b, true, is(Key::Digit8));
    // The two keys right of P open and close brackets on every layout.
    row("us [", Qt::Key_BracketLeft, none, 34, 0x5b, true, is(Key::OpenBracket));
    row("us shift+[ prints {", Qt::Key_BraceLeft, shift, 34, 0x7b, true, is(Key::OpenBracket));
    row("us ]", Qt::Key_BracketRight, none, 35, 0x5d, true, is(Key::CloseBracket));
    row("german ü", Qt::Key_Udiaeresis, none, 34, 0xfc, true, is(Key::OpenBracket));
    row("german +", Qt::Key_Plus, none, 35, 0x2b, true, is(Key::CloseBracket));
    row("french dead ^", Qt::Key_Dead_Circumflex, none, 34, 0xfe52, true, is(Key::OpenBracket));
    row("french $", Qt::Key_Dollar, none, 35, 0x24, true, is(Key::CloseBracket));
    row("[ without xkb", Qt::Key_BracketLeft, none, 0, 0, false, is(Key::OpenBracket));
    row("} without xkb", Qt::Key_BraceRight, shift, 0, 0, false, is(Key::CloseBracket));
    row("ü without xkb", Qt::Key_Udiaeresis, none, 0, 0, false, beep);
    // Keypad with NumLock on.
    row("keypad 1", Qt::Key_1, keypad, 87, 0xffb1, true, is(Key::Digit1));
    row("keypad 9 without xkb", Qt::Key_9, keypad, 0, 0, false, is(Key::Digit9));
    row("keypad keysym without modifier", Qt::Key_4, none, 83, 0xffb4, true, is(Key::Digit4));
    row("keypad +", Qt::Key_Plus, keypad, 86, 0xffab, true, is(Key::Add));
    row("keypad -", Qt::Key_Minus, keypad, 82, 0xffad, true, is(Key::Subtract));
    row("keypad *", Qt::Key_Asterisk, keypad, 63, 0xffaa, true, is(Key::Multiply));
    row("keypad /", Qt::Key_Slash, keypad, 106, 0xffaf, true, is(Key::Divide));
    row("keypad decimal", Qt::Key_Period, keypad, 91, 0xffae, true, is(Key::Point));
    row("keypad decimal, comma layout", Qt::Key_Comma, keypad, 91, 0xffac, true, is(Key::Point));
    row("keypad decimal without xkb", Qt::Key_Period, keypad, 0, 0, false, is(Key::Point));
    row("keypad Enter", Qt::Key_Enter, keypad, 104, 0xff8d, true, is(Key::Equals));
    // Keypad with NumLock off still types its digits (End would be OFF).
    row("keypad 1 numlock off", Qt::Key_End, keypad, 87, 0xff9c, true, is(Key::Digit1));
    row("keypad 0 numlock off", Qt::Key_Insert, keypad, 90, 0xff9e, true, is(Key::Digit0));
    row("keypad 3 numlock off", Qt::Key_PageDown, keypad, 89, 0xff9b, true, is(Key::Digit3));
    row("keypad 5 numlock off", Qt::Key_Clear, keypad, 84, 0xff9d, true, is(Key::Digit5));
    row("keypad 7 numlock off", Qt::Key_Home, keypad, 79, 0xff95, true, is(Key::Digit7));
    row("keypad decimal numlock off", Qt::Key_Delete, keypad, 91, 0xff9f, true, is(Key::Point));
    row("keypad 2 numlock off without xkb", Qt::Key_Down, keypad, 0, 0, false, is(Key::Digit2));
    // Function and editing keys by what Qt makes of them.
    row("F1", Qt::Key_F1, none, 67, 0xffbe, true, is(Key::ChangeSign));
    row("F12", Qt::Key_F12, none, 96, 0xffc9, true, beep);
    row("Page Up", Qt::Key_PageUp, none, 112, 0xff55, true, is(Key::MemoryRecall));
    row("Insert", Qt::Key_Insert, none, 118, 0xff63, true, is(Key::MemoryIn));
    row("Delete", Qt::Key_Delete, none, 119, 0xffff, true, is(Key::Clear));
    row("Home", Qt::Key_Home, none, 110, 0xff50, true, is(Key::AllClear));
    row("End", Qt::Key_End, none, 115, 0xff57, true, is(Key::Off));
    row("Backspace", Qt::Key_Backspace, none, 22, 0xff08, true, is(Key::Delete));
    row("Escape", Qt::Key_Escape, none, 9, 0xff1b, true, escape);
    row("Shift", Qt::Key_Shift, shift, 50, 0xffe1, true, is(Key::Shift));
    row("Return", Qt::Key_Return, none, 36, 0xff0d, true, is(Key::Equals));
    row("ctrl+M is M", Qt::Key_M, Qt::ControlModifier, 58, 0x6d, true, is(Key::Mode));
    row("A", Qt::Key_A, none, 38, 0x61, true, beep);
    // Main-keyboard signs are not the keypad's operators.
    row("main =", Qt::Key_Equal, none, 21, 0x3d, true, beep);
    row("main + (shift+=)", Qt::Key_Plus, shift, 21, 0x2b, true, beep);
    row("main -", Qt::Key_Minus, none, 20, 0x2d, true, beep);
    row("main .", Qt::Key_Period, none, 60, 0x2e, true, beep);
    row("space", Qt::Key_Space, none, 65, 0x20, true, beep);
    row("launch key", Qt::Key_Launch0, none, 0, 0, false, beep);
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

QTEST_GUILESS_MAIN(KeyboardTest)
#include "keyboard_test.moc"
