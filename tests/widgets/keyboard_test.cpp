// SPDX-License-Identifier: MIT
// The keyboard as X11 delivers it, mapped to calculator keys: the physical key
// decides wherever its place counts (the digit row, the two keys right of P,
// the keypad with NumLock on or off), every other key by what Qt makes of it.

#include <QtTest>

#include "app/key_table.h"
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
    const Qt::KeyboardModifiers none, keypad = Qt::KeypadModifier, shift = Qt::ShiftModifier;
    const Typed beep{};
    // X key code (nativeScanCode) and keysym (nativeVirtualKey); a code of 0 is
    // a platform that gives neither.
    auto row = [](const char* name, int key, Qt::KeyboardModifiers mods, quint32 code, quint32 sym, Typed typed) {
        QTest::newRow(name) << KeyPress{key, mods, code, sym, code != 0} << typed;
    };
    auto is = [](Key key) { return Typed{key}; };

    // The digit row and the keys right of P by place, whatever the layout prints.
    row("us 1", Qt::Key_1, none, 10, 0x31, is(Key::Digit1));
    row("us shift+8 is 8", Qt::Key_Asterisk, shift, 17, 0x2a, is(Key::Digit8));
    row("de shift+8 is 8", Qt::Key_ParenLeft, shift, 17, 0x28, is(Key::Digit8));
    row("fr & is 1", Qt::Key_Ampersand, none, 10, 0x26, is(Key::Digit1));
    row("fr a-grave is 0", Qt::Key_Agrave, none, 19, 0xe0, is(Key::Digit0));
    row("us [ opens", Qt::Key_BracketLeft, none, 34, 0x5b, is(Key::OpenBracket));
    row("de u-umlaut opens", Qt::Key_Udiaeresis, none, 34, 0xfc, is(Key::OpenBracket));
    row("fr dead circumflex opens", Qt::Key_Dead_Circumflex, none, 34, 0xfe52, is(Key::OpenBracket));
    row("de + closes", Qt::Key_Plus, none, 35, 0x2b, is(Key::CloseBracket));
    row("fr $ closes", Qt::Key_Dollar, none, 35, 0x24, is(Key::CloseBracket));
    // Without a key code: what a US layout prints.
    row("7 without a code", Qt::Key_7, none, 0, 0, is(Key::Digit7));
    row("} without a code", Qt::Key_BraceRight, shift, 0, 0, is(Key::CloseBracket));
    row("u-umlaut without a code", Qt::Key_Udiaeresis, none, 0, 0, beep);
    // The keypad by keysym, by Qt's keypad modifier alone, NumLock on and off.
    row("keypad 1", Qt::Key_1, keypad, 87, 0xffb1, is(Key::Digit1));
    row("keypad 4 without modifier", Qt::Key_4, none, 83, 0xffb4, is(Key::Digit4));
    row("keypad 9 without a code", Qt::Key_9, keypad, 0, 0, is(Key::Digit9));
    row("keypad 1 numlock off", Qt::Key_End, keypad, 87, 0xff9c, is(Key::Digit1));
    row("keypad 5 numlock off", Qt::Key_Clear, keypad, 84, 0xff9d, is(Key::Digit5));
    row("keypad 2 numlock off without a code", Qt::Key_Down, keypad, 0, 0, is(Key::Digit2));
    row("keypad point", Qt::Key_Period, keypad, 91, 0xffae, is(Key::Point));
    row("keypad comma", Qt::Key_Comma, keypad, 91, 0xffac, is(Key::Point));
    row("keypad point numlock off", Qt::Key_Delete, keypad, 91, 0xff9f, is(Key::Point));
    row("keypad +", Qt::Key_Plus, keypad, 86, 0xffab, is(Key::Add));
    row("keypad Enter", Qt::Key_Enter, keypad, 104, 0xff8d, is(Key::Equals));
    // Main-keyboard signs are not the keypad's operators.
    row("main -", Qt::Key_Minus, none, 20, 0x2d, beep);
    row("main .", Qt::Key_Period, none, 60, 0x2e, beep);
    // Every other key by what it is.
    row("Return", Qt::Key_Return, none, 36, 0xff0d, is(Key::Equals));
    row("F5", Qt::Key_F5, none, 71, 0xffc2, is(Key::Log));
    row("F6", Qt::Key_F6, none, 72, 0xffc3, is(Key::Ln));
    row("F10", Qt::Key_F10, none, 76, 0xffc7, beep);
    row("M", Qt::Key_M, none, 58, 0x6d, is(Key::Mode));
    // On a layout of another script, the letters' US places.
    row("fr M right of L", Qt::Key_M, none, 47, 0x6d, is(Key::Mode));
    row("fr comma at the US place of M", Qt::Key_Comma, none, 58, 0x2c, beep);
    row("ru soft sign at the place of M", 0x42c, none, 58, 0x6d8, is(Key::Mode));
    row("ar alef at the place of H", 0x627, none, 43, 0x5c7, is(Key::Hyp));
    row("Shift", Qt::Key_Shift, shift, 50, 0xffe1, is(Key::Shift));
    row("Escape", Qt::Key_Escape, none, 9, 0xff1b, Typed{std::nullopt, true});
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

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
