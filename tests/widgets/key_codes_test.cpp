// Qt key events to Windows virtual-key codes: the physical key decides, so the
// keypad, NumLock and shifted digits must come out as the keyboard map expects.

#include <QTest>

#include "shell/key_codes.h"

using trellum::shell::KeyPress;
using trellum::shell::VirtualKeyOf;

Q_DECLARE_METATYPE(trellum::shell::KeyPress)

class KeyCodesTest : public QObject {
    Q_OBJECT
private slots:
    void virtualKey_data();
    void virtualKey();
};

void KeyCodesTest::virtualKey_data()
{
    QTest::addColumn<KeyPress>("press");
    QTest::addColumn<int>("expected");

    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    auto row = [](const char* name, int key, Qt::KeyboardModifiers mods, quint32 scan, quint32 sym, bool xkb, int vk) {
        QTest::newRow(name) << KeyPress{key, mods, scan, sym, xkb} << vk;
    };
    // Main keyboard digits, and the digit row by position whatever it prints.
    row("main 0", Qt::Key_0, none, 19, 0x30, true, 48);
    row("main 7 without xkb", Qt::Key_7, none, 0, 0, false, 55);
    row("shift+8 is the key 8", Qt::Key_Asterisk, shift, 17, 0x2a, true, 56);
    row("azerty 1 position prints &", Qt::Key_Ampersand, none, 10, 0x26, true, 49);
    // Keypad with NumLock on.
    row("keypad 1", Qt::Key_1, keypad, 87, 0xffb1, true, 97);
    row("keypad 9 without xkb", Qt::Key_9, keypad, 0, 0, false, 105);
    row("keypad keysym without modifier", Qt::Key_4, none, 83, 0xffb4, true, 100);
    row("keypad +", Qt::Key_Plus, keypad, 86, 0xffab, true, 107);
    row("keypad -", Qt::Key_Minus, keypad, 82, 0xffad, true, 109);
    row("keypad *", Qt::Key_Asterisk, keypad, 63, 0xffaa, true, 106);
    row("keypad /", Qt::Key_Slash, keypad, 106, 0xffaf, true, 111);
    row("keypad decimal", Qt::Key_Period, keypad, 91, 0xffae, true, 110);
    row("keypad decimal, comma layout", Qt::Key_Comma, keypad, 91, 0xffac, true, 110);
    row("keypad decimal without xkb", Qt::Key_Period, keypad, 0, 0, false, 110);
    row("keypad Enter", Qt::Key_Enter, keypad, 104, 0xff8d, true, 13);
    // Keypad with NumLock off still types its digits (End would be OFF).
    row("keypad 1 numlock off", Qt::Key_End, keypad, 87, 0xff9c, true, 97);
    row("keypad 0 numlock off", Qt::Key_Insert, keypad, 90, 0xff9e, true, 96);
    row("keypad 3 numlock off", Qt::Key_PageDown, keypad, 89, 0xff9b, true, 99);
    row("keypad 5 numlock off", Qt::Key_Clear, keypad, 84, 0xff9d, true, 101);
    row("keypad 7 numlock off", Qt::Key_Home, keypad, 79, 0xff95, true, 103);
    row("keypad decimal numlock off", Qt::Key_Delete, keypad, 91, 0xff9f, true, 110);
    row("keypad 2 numlock off without xkb", Qt::Key_Down, keypad, 0, 0, false, 98);
    // Function and editing keys.
    row("F1", Qt::Key_F1, none, 67, 0xffbe, true, 112);
    row("F12", Qt::Key_F12, none, 96, 0xffc9, true, 123);
    row("Page Up", Qt::Key_PageUp, none, 112, 0xff55, true, 33);
    row("Insert", Qt::Key_Insert, none, 118, 0xff63, true, 45);
    row("Delete", Qt::Key_Delete, none, 119, 0xffff, true, 46);
    row("Home", Qt::Key_Home, none, 110, 0xff50, true, 36);
    row("End", Qt::Key_End, none, 115, 0xff57, true, 35);
    row("Backspace", Qt::Key_Backspace, none, 22, 0xff08, true, 8);
    row("Escape", Qt::Key_Escape, none, 9, 0xff1b, true, 27);
    row("Shift", Qt::Key_Shift, shift, 50, 0xffe1, true, 16);
    row("Return", Qt::Key_Return, none, 36, 0xff0d, true, 13);
    // Letters and brackets, with modifiers ignored.
    row("ctrl+M is M", Qt::Key_M, Qt::ControlModifier, 58, 0x6d, true, 77);
    row("A", Qt::Key_A, none, 38, 0x61, true, 65);
    row("[", Qt::Key_BracketLeft, none, 34, 0x5b, true, 219);
    row("shift+[ is [", Qt::Key_BraceLeft, shift, 34, 0x7b, true, 219);
    row("]", Qt::Key_BracketRight, none, 35, 0x5d, true, 221);
    // Main-keyboard signs are not the keypad's operators.
    row("main =", Qt::Key_Equal, none, 21, 0x3d, true, 187);
    row("main + (shift+=)", Qt::Key_Plus, shift, 21, 0x2b, true, 187);
    row("main -", Qt::Key_Minus, none, 20, 0x2d, true, 189);
    row("main .", Qt::Key_Period, none, 60, 0x2e, true, 190);
    row("space", Qt::Key_Space, none, 65, 0x20, true, 32);
    // Keys without a code.
    row("launch key", Qt::Key_Launch0, none, 0, 0, false, 0);
    row("! without xkb", Qt::Key_Exclam, shift, 0, 0, false, 0);
}

void KeyCodesTest::virtualKey()
{
    QFETCH(KeyPress, press);
    QFETCH(int, expected);
    QCOMPARE(int(VirtualKeyOf(press)), expected);
}

QTEST_GUILESS_MAIN(KeyCodesTest)
#include "key_codes_test.moc"
