// SPDX-License-Identifier: MIT
#include "shell/keyboard.h"

#include <QChar>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace trellum::shell {

namespace {

// How a row of the table is matched.
enum class By {
    Place,    // the XKB key code where known, else (a synthesised event) the Qt key
    Keypad,   // the keypad's X keysym, or the Qt key with Qt::KeypadModifier
    QtKey,    // the Qt key, whatever the modifiers
    Letter,   // the Qt key of a Latin letter; on a layout of another script, where
              // the key gives a letter of that script, the XKB key code of the
              // letter's place on a US layout
};

struct KeyboardKey {
    By by;
    quint32 native;     // Place, Letter: XKB key code; Keypad: X keysym; QtKey: unused
    int qtKey;          // Qt::Key
    Key key;
    KeyboardName name;  // what the key is called; none where an earlier row names the key
};


// A key is named by its first row that has a name. Keypad rows with NumLock
// off give the cursor block's Qt keys and keysyms, still typed as digits: a
// calculator's keypad keeps typing digits whatever the lock state (End would be OFF).
// clang-format off
constexpr KeyboardKey kKeyboard[] = {
    // The digit row ("1" is key code 10, "0" is 19) and the two keys right of P.
    {By::Place,  19, Qt::Key_0, Key::Digit0, "0"},
    {By::Place,  10, Qt::Key_1, Key::Digit1, "1"},
    {By::Place,  11, Qt::Key_2, Key::Digit2, "2"},
    {By::Place,  12, Qt::Key_3, Key::Digit3, "3"},
    {By::Place,  13, Qt::Key_4, Key::Digit4, "4"},
    {By::Place,  14, Qt::Key_5, Key::Digit5, "5"},
    {By::Place,  15, Qt::Key_6, Key::Digit6, "6"},
    {By::Place,  16, Qt::Key_7, Key::Digit7, "7"},
    {By::Place,  17, Qt::Key_8, Key::Digit8, "8"},
    {By::Place,  18, Qt::Key_9, Key::Digit9, "9"},
    //: Keyboard key "left square bracket", in the spoken description of the calculator key it presses.
    {By::Place,  34, Qt::Key_BracketLeft,  Key::OpenBracket,  QT_TRANSLATE_NOOP("Keys", "left square bracket")},
    //: Keyboard key "right square bracket", in the spoken description of the calculator key it presses.
    {By::Place,  35, Qt::Key_BracketRight, Key::CloseBracket, QT_TRANSLATE_NOOP("Keys", "right square bracket")},
    // The keypad.
    {By::Keypad, 0xffb0, Qt::Key_0, Key::Digit0, {}},
    {By::Keypad, 0xffb1, Qt::Key_1, Key::Digit1, {}},
    {By::Keypad, 0xffb2, Qt::Key_2, Key::Digit2, {}},
    {By::Keypad, 0xffb3, Qt::Key_3, Key::Digit3, {}},
    {By::Keypad, 0xffb4, Qt::Key_4, Key::Digit4, {}},
    {By::Keypad, 0xffb5, Qt::Key_5, Key::Digit5, {}},
    {By::Keypad, 0xffb6, Qt::Key_6, Key::Digit6, {}},
    {By::Keypad, 0xffb7, Qt::Key_7, Key::Digit7, {}},
    {By::Keypad, 0xffb8, Qt::Key_8, Key::Digit8, {}},
    {By::Keypad, 0xffb9, Qt::Key_9, Key::Digit9, {}},
    //: Keyboard key "keypad plus", in the spoken description of the calculator key it presses.
    {By::Keypad, 0xffab, Qt::Key_Plus,     Key::Add,      QT_TRANSLATE_NOOP("Keys", "keypad plus")},
    //: Keyboard key "keypad minus", in the spoken description of the calculator key it presses.
    {By::Keypad, 0xffad, Qt::Key_Minus,    Key::Subtract, QT_TRANSLATE_NOOP("Keys", "keypad minus")},
    //: Keyboard key "keypad multiply", in the spoken description of the calculator key it presses.
    {By::Keypad, 0xffaa, Qt::Key_Asterisk, Key::Multiply, QT_TRANSLATE_NOOP("Keys", "keypad multiply")},
    //: Keyboard key "keypad divide", in the spoken description of the calculator key it presses.
    {By::Keypad, 0xffaf, Qt::Key_Slash,    Key::Divide,   QT_TRANSLATE_NOOP("Keys", "keypad divide")},
    //: Keyboard key "keypad decimal point", in the spoken description of the calculator key it presses.
    {By::Keypad, 0xffae, Qt::Key_Period,   Key::Point,    QT_TRANSLATE_NOOP("Keys", "keypad decimal point")},
    {By::Keypad, 0xffac, Qt::Key_Comma,    Key::Point,    {}},   // KP_Separator: the decimal key of comma layouts
    {By::Keypad, 0xff9e, Qt::Key_Insert,   Key::Digit0,   {}},   // NumLock off
    {By::Keypad, 0xff9c, Qt::Key_End,      Key::Digit1,   {}},
    {By::Keypad, 0xff99, Qt::Key_Down,     Key::Digit2,   {}},
    {By::Keypad, 0xff9b, Qt::Key_PageDown, Key::Digit3,   {}},
    {By::Keypad, 0xff96, Qt::Key_Left,     Key::Digit4,   {}},
    {By::Keypad, 0xff9d, Qt::Key_Clear,    Key::Digit5,   {}},
    {By::Keypad, 0xff98, Qt::Key_Right,    Key::Digit6,   {}},
    {By::Keypad, 0xff95, Qt::Key_Home,     Key::Digit7,   {}},
    {By::Keypad, 0xff97, Qt::Key_Up,       Key::Digit8,   {}},
    {By::Keypad, 0xff9a, Qt::Key_PageUp,   Key::Digit9,   {}},
    {By::Keypad, 0xff9f, Qt::Key_Delete,   Key::Point,    {}},
    // Every other key by what Qt makes of it.
    //: The computer keyboard's Shift key, in the spoken description of the calculator key it presses; not the
    //: calculator's "shift" key. Use the name printed on keyboards in your language.
    {By::QtKey, 0, Qt::Key_Shift,      Key::Shift,        QT_TRANSLATE_NOOP3("Keys", "Shift", "keyboard key")},
    //: Keyboard key Backspace, in the spoken description of the calculator key it presses. Use the name printed
    //: on keyboards in your language.
    {By::QtKey, 0, Qt::Key_Backspace,  Key::Delete,       QT_TRANSLATE_NOOP("Keys", "Backspace")},
    //: Keyboard key M, the letter key, in the spoken description of the calculator key it presses. Keep the
    //: letter M: it is the key to press.
    {By::Letter, 58, Qt::Key_M,        Key::Mode,         QT_TRANSLATE_NOOP("Keys", "M")},
    //: Keyboard key D, the letter key, in the spoken description of the calculator key it presses. Keep the
    //: letter D: it is the key to press.
    {By::Letter, 40, Qt::Key_D,        Key::DegreesMinutesSeconds, QT_TRANSLATE_NOOP("Keys", "D")},
    //: Keyboard key End, in the spoken description of the calculator key it presses. Use the name printed on
    //: keyboards in your language.
    {By::QtKey, 0, Qt::Key_End,        Key::Off,          QT_TRANSLATE_NOOP("Keys", "End")},
    //: Keyboard key F2, a function key, in the spoken description of the calculator key it presses. Keep "F2" as
    //: printed on keyboards.
    {By::QtKey, 0, Qt::Key_F2,         Key::Square,       QT_TRANSLATE_NOOP("Keys", "F2")},
    //: Keyboard key F3, a function key, in the spoken description of the calculator key it presses. Keep "F3" as
    //: printed on keyboards.
    {By::QtKey, 0, Qt::Key_F3,         Key::SquareRoot,   QT_TRANSLATE_NOOP("Keys", "F3")},
    //: Keyboard key F5, a function key, in the spoken description of the calculator key it presses. Keep "F5" as
    //: printed on keyboards.
    {By::QtKey, 0, Qt::Key_F5,         Key::Log,          QT_TRANSLATE_NOOP("Keys", "F5")},
    //: Keyboard key F6, a function key, in the spoken description of the calculator key it presses. Keep "F6" as
    //: printed on keyboards.
    {By::QtKey, 0, Qt::Key_F6,         Key::Ln,           QT_TRANSLATE_NOOP("Keys", "F6")},
    //: Keyboard key F4, a function key, in the spoken description of the calculator key it presses. Keep "F4" as
    //: printed on keyboards.
    {By::QtKey, 0, Qt::Key_F4,         Key::Power,        QT_TRANSLATE_NOOP("Keys", "F4")},
    //: Keyboard key F11, a function key, in the spoken description of the calculator key it presses. Keep "F11"
    //: as printed on keyboards.
    {By::QtKey, 0, Qt::Key_F11,        Key::Reciprocal,   QT_TRANSLATE_NOOP("Keys", "F11")},
    //: Keyboard key H, the letter key, in the spoken description of the calculator key it presses. Keep the
    //: letter H: it is the key to press.
    {By::Letter, 43, Qt::Key_H,        Key::Hyp,          QT_TRANSLATE_NOOP("Keys", "H")},
    //: Keyboard key F7, a function key, in the spoken description of the calculator key it presses. Keep "F7" as
    //: printed on keyboards.
    {By::QtKey, 0, Qt::Key_F7,         Key::Sin,          QT_TRANSLATE_NOOP("Keys", "F7")},
    //: Keyboard key F8, a function key, in the spoken description of the calculator key it presses. Keep "F8" as
    //: printed on keyboards.
    {By::QtKey, 0, Qt::Key_F8,         Key::Cos,          QT_TRANSLATE_NOOP("Keys", "F8")},
    //: Keyboard key F9, a function key, in the spoken description of the calculator key it presses. Keep "F9" as
    //: printed on keyboards.
    {By::QtKey, 0, Qt::Key_F9,         Key::Tan,          QT_TRANSLATE_NOOP("Keys", "F9")},
    //: Keyboard key F1, a function key, in the spoken description of the calculator key it presses. Keep "F1" as
    //: printed on keyboards.
    {By::QtKey, 0, Qt::Key_F1,         Key::ChangeSign,   QT_TRANSLATE_NOOP("Keys", "F1")},
    {By::QtKey, 0, Qt::Key_BraceLeft,  Key::OpenBracket,  {}},   // Shift+[ where no place is known
    {By::QtKey, 0, Qt::Key_BraceRight, Key::CloseBracket, {}},
    //: Keyboard key Insert, in the spoken description of the calculator key it presses. Use the name printed on
    //: keyboards in your language.
    {By::QtKey, 0, Qt::Key_Insert,     Key::MemoryIn,     QT_TRANSLATE_NOOP("Keys", "Insert")},
    //: Keyboard key Page Up, in the spoken description of the calculator key it presses. Use the name printed on
    //: keyboards in your language.
    {By::QtKey, 0, Qt::Key_PageUp,     Key::MemoryRecall, QT_TRANSLATE_NOOP("Keys", "Page Up")},
    //: The computer keyboard's Delete key, in the spoken description of the calculator key it presses; not the
    //: calculator's "delete" key. Use the name printed on keyboards in your language.
    {By::QtKey, 0, Qt::Key_Delete,     Key::Clear,        QT_TRANSLATE_NOOP3("Keys", "Delete", "keyboard key")},
    //: Keyboard key Home, in the spoken description of the calculator key it presses. Use the name printed on
    //: keyboards in your language.
    {By::QtKey, 0, Qt::Key_Home,       Key::AllClear,     QT_TRANSLATE_NOOP("Keys", "Home")},
    //: Keyboard key Page Down, in the spoken description of the calculator key it presses. Use the name printed
    //: on keyboards in your language.
    {By::QtKey, 0, Qt::Key_PageDown,   Key::Exponent,     QT_TRANSLATE_NOOP("Keys", "Page Down")},
    //: Keyboard key Enter, in the spoken description of the calculator key it presses. Use the name printed on
    //: keyboards in your language.
    {By::QtKey, 0, Qt::Key_Return,     Key::Equals,       QT_TRANSLATE_NOOP("Keys", "Enter")},
    {By::QtKey, 0, Qt::Key_Enter,      Key::Equals,       {}},
    //: Keyboard key N, the letter key, in the spoken description of the calculator key it presses. Keep the
    //: letter N: it is the key to press.
    {By::Letter, 57, Qt::Key_N,        Key::Constants,    QT_TRANSLATE_NOOP("Keys", "N")},
};
// clang-format on

// The keypad's keysyms (X11/keysymdef.h), so keypad keys are known even where
// a platform plugin drops the keypad modifier.
constexpr quint32 kFirstKeypadKeysym = 0xff80, kLastKeypadKeysym = 0xffbd;

// A letter of a script other than Latin (Cyrillic, Hebrew, Arabic, Greek): its
// layout has no Latin M, D, H or N, so those keys are found by their place.
// Latin layouts keep the letter where they print it (M right of L on French).
bool isOtherScriptLetter(int qtKey)
{
    const auto c = static_cast<char32_t>(qtKey);
    return c <= QChar::LastValidCodePoint && QChar::isLetter(c) && QChar::script(c) != QChar::Script_Latin;
}

template <class Matches>
std::optional<Key> find(Matches matches)
{
    for (const KeyboardKey& row : kKeyboard)
        if (matches(row)) return row.key;
    return std::nullopt;
}

}  // namespace

Typed typedKeyOf(const KeyPress& press)
{
    if (press.xkb && press.nativeVirtualKey >= kFirstKeypadKeysym && press.nativeVirtualKey <= kLastKeypadKeysym) {
        const auto key = find([&](const KeyboardKey& row) {
            return row.by == By::Keypad && row.native == press.nativeVirtualKey;
        });
        if (key) return {key};
    }
    if (press.modifiers.testFlag(Qt::KeypadModifier)) {
        const auto key = find([&](const KeyboardKey& row) { return row.by == By::Keypad && row.qtKey == press.key; });
        if (key) return {key};
    }
    if (press.xkb) {
        const auto key = find([&](const KeyboardKey& row) {
            return row.by == By::Place && row.native == press.nativeScanCode;
        });
        if (key) return {key};
    }
    if (press.xkb && isOtherScriptLetter(press.key)) {
        const auto key = find([&](const KeyboardKey& row) {
            return row.by == By::Letter && row.native == press.nativeScanCode;
        });
        if (key) return {key};
    }
    if (press.key == Qt::Key_Escape) return {std::nullopt, true};
    // Without a key code a placed key is known by what it printed (US layout).
    return {find([&](const KeyboardKey& row) { return row.by != By::Keypad && row.qtKey == press.key; })};
}

Typed typedKeyOf(const QKeyEvent& event)
{
    // The offscreen platform makes no native codes of its own: those an event
    // there carries were given as X11's (by a test typing as X11 would).
    static const bool xkb = QGuiApplication::platformName() == QLatin1String("xcb") ||
                            QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
                            QGuiApplication::platformName() == QLatin1String("offscreen");
    KeyPress press;
    press.key = event.key();
    press.modifiers = event.modifiers();
    press.nativeScanCode = event.nativeScanCode();
    press.nativeVirtualKey = event.nativeVirtualKey();
    press.xkb = xkb && press.nativeScanCode != 0;
    return typedKeyOf(press);
}

KeyboardName keyboardNameOf(Key key)
{
    for (const KeyboardKey& row : kKeyboard)
        if (row.key == key && row.name.text) return row.name;
    return {};
}

}  // namespace trellum::shell
