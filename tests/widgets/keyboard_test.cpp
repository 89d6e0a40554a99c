// SPDX-License-Identifier: MIT
// The keyboard as X11 delivers it, mapped to calculator keys: the physical key
// decides wherever its place counts (the digit row, the two keys right of P,
// the keypad with NumLock on or off), every other key by what Qt makes of it;
// and the README and the manual page naming each key as the table does.

#include <algorithm>

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
    void readmeAndManualNameEveryKey();
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
    row("keypad -", Qt::Key_Minus, keypad, 82, 0xffad, is(Key::Subtract));
    row("keypad *", Qt::Key_Asterisk, keypad, 63, 0xffaa, is(Key::Multiply));
    row("keypad /", Qt::Key_Slash, keypad, 106, 0xffaf, is(Key::Divide));
    row("keypad Enter", Qt::Key_Enter, keypad, 104, 0xff8d, is(Key::Equals));
    // Main-keyboard signs are not the keypad's operators.
    row("main -", Qt::Key_Minus, none, 20, 0x2d, beep);
    row("main .", Qt::Key_Period, none, 60, 0x2e, beep);
    // Every other key by what it is.
    row("Return", Qt::Key_Return, none, 36, 0xff0d, is(Key::Equals));
    row("Backspace", Qt::Key_Backspace, none, 22, 0xff08, is(Key::Delete));
    row("Delete", Qt::Key_Delete, none, 119, 0xffff, is(Key::Clear));
    row("Home", Qt::Key_Home, none, 110, 0xff50, is(Key::AllClear));
    row("End", Qt::Key_End, none, 115, 0xff57, is(Key::Off));
    row("Insert", Qt::Key_Insert, none, 118, 0xff63, is(Key::MemoryIn));
    row("Page Up", Qt::Key_PageUp, none, 112, 0xff55, is(Key::MemoryRecall));
    row("Page Down", Qt::Key_PageDown, none, 117, 0xff56, is(Key::Exponent));
    row("F1", Qt::Key_F1, none, 67, 0xffbe, is(Key::ChangeSign));
    row("F2", Qt::Key_F2, none, 68, 0xffbf, is(Key::Square));
    row("F3", Qt::Key_F3, none, 69, 0xffc0, is(Key::SquareRoot));
    row("F4", Qt::Key_F4, none, 70, 0xffc1, is(Key::Power));
    row("F5", Qt::Key_F5, none, 71, 0xffc2, is(Key::Log));
    row("F6", Qt::Key_F6, none, 72, 0xffc3, is(Key::Ln));
    row("F7", Qt::Key_F7, none, 73, 0xffc4, is(Key::Sin));
    row("F8", Qt::Key_F8, none, 74, 0xffc5, is(Key::Cos));
    row("F9", Qt::Key_F9, none, 75, 0xffc6, is(Key::Tan));
    row("F10", Qt::Key_F10, none, 76, 0xffc7, beep);
    row("F11", Qt::Key_F11, none, 95, 0xffc8, is(Key::Reciprocal));
    row("M", Qt::Key_M, none, 58, 0x6d, is(Key::Mode));
    row("ctrl+M", Qt::Key_M, Qt::ControlModifier, 58, 0x6d, is(Key::Mode));
    row("N", Qt::Key_N, none, 57, 0x6e, is(Key::Constants));
    row("D", Qt::Key_D, none, 40, 0x64, is(Key::DegreesMinutesSeconds));
    row("shift+H", Qt::Key_H, shift, 43, 0x48, is(Key::Hyp));
    // On a layout of another script, the letters' US places.
    row("fr M right of L", Qt::Key_M, none, 47, 0x6d, is(Key::Mode));
    row("fr comma at the US place of M", Qt::Key_Comma, none, 58, 0x2c, beep);
    row("ru soft sign at the place of M", 0x42c, none, 58, 0x6d8, is(Key::Mode));
    row("he gimel at the place of D", 0x5d2, none, 40, 0xce2, is(Key::DegreesMinutesSeconds));
    row("ar alef at the place of H", 0x627, none, 43, 0x5c7, is(Key::Hyp));
    row("el nu at the place of N", 0x39d, none, 57, 0x7ed, is(Key::Constants));
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

void KeyboardTest::readmeAndManualNameEveryKey()
{
    const auto read = [](const char* path) {
        QFile file(QStringLiteral(TRELLUM_SOURCE_DIR "/%1").arg(QLatin1String(path)));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QStringList readme = read("README.md").split(u'\n');
    const QString manual = read("packaging/trellum.1").replace(QStringLiteral("\\-"), QStringLiteral("-"))
                               .replace(QStringLiteral("\\(aq"), QStringLiteral("'"));
    QVERIFY(!readme.isEmpty() && !manual.isEmpty());
    for (const trellum::KeyRow& row : trellum::keyTable()) {
        const QString name = QString::fromUtf8(trellum::shell::keyboardNameOf(row.key).text);
        const QString caption = QString::fromUtf8(row.caption);
        if (name.isEmpty() || name == caption) continue;   // a digit
        const bool inReadme = std::any_of(readme.begin(), readme.end(), [&](const QString& line) {
            return line.startsWith(QStringLiteral("| %1 ").arg(name)) &&
                   line.endsWith(QStringLiteral("| %1 |").arg(caption));
        });
        QVERIFY2(inReadme, qPrintable(QStringLiteral("README: | %1 | %2 |").arg(name, caption)));
        QVERIFY2(manual.contains(QStringLiteral(".B %1\n%2\n").arg(name, caption)),
                 qPrintable(QStringLiteral("trellum.1: %1 %2").arg(name, caption)));
    }
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
