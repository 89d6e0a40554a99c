#include "shell/key_codes.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "app/virtual_keys.h"

namespace trellum::shell {

namespace {

// X keysyms of the keypad (X11/keysymdef.h), so keypad keys are known even
// where a platform plugin drops the keypad modifier.
constexpr quint32 XK_KP_First = 0xff80, XK_KP_Last = 0xffbd;

int16_t keypadByKeysym(quint32 keysym)
{
    if (keysym >= 0xffb0 && keysym <= 0xffb9) return static_cast<int16_t>(VK_NUMPAD0 + (keysym - 0xffb0));
    switch (keysym) {
    case 0xffaa: return VK_MULTIPLY;
    case 0xffab: return VK_ADD;
    case 0xffac: return VK_DECIMAL;   // KP_Separator: the decimal key of comma layouts
    case 0xffad: return VK_SUBTRACT;
    case 0xffae: return VK_DECIMAL;
    case 0xffaf: return VK_DIVIDE;
    case 0xff8d: return VK_RETURN;
    // NumLock off turns the keypad into a cursor block, and End is OFF here:
    // a calculator's keypad keeps typing digits whatever the lock state.
    case 0xff95: return VK_NUMPAD0 + 7;   // KP_Home
    case 0xff96: return VK_NUMPAD0 + 4;   // KP_Left
    case 0xff97: return VK_NUMPAD0 + 8;   // KP_Up
    case 0xff98: return VK_NUMPAD0 + 6;   // KP_Right
    case 0xff99: return VK_NUMPAD0 + 2;   // KP_Down
    case 0xff9a: return VK_NUMPAD0 + 9;   // KP_Prior
    case 0xff9b: return VK_NUMPAD0 + 3;   // KP_Next
    case 0xff9c: return VK_NUMPAD0 + 1;   // KP_End
    case 0xff9d: return VK_NUMPAD0 + 5;   // KP_Begin
    case 0xff9e: return VK_NUMPAD0 + 0;   // KP_Insert
    case 0xff9f: return VK_DECIMAL;       // KP_Delete
    default: return 0;
    }
}

int16_t keypadByQtKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<int16_t>(VK_NUMPAD0 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Slash: return VK_DIVIDE;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    case Qt::Key_Enter: return VK_RETURN;
    // The cursor block the keypad becomes with NumLock off, back to its digits.
    case Qt::Key_Home: return VK_NUMPAD0 + 7;
    case Qt::Key_Left: return VK_NUMPAD0 + 4;
    case Qt::Key_Up: return VK_NUMPAD0 + 8;
    case Qt::Key_Right: return VK_NUMPAD0 + 6;
    case Qt::Key_Down: return VK_NUMPAD0 + 2;
    case Qt::Key_PageUp: return VK_NUMPAD0 + 9;
    case Qt::Key_PageDown: return VK_NUMPAD0 + 3;
    case Qt::Key_End: return VK_NUMPAD0 + 1;
    case Qt::Key_Clear: return VK_NUMPAD0 + 5;
    case Qt::Key_Insert: return VK_NUMPAD0 + 0;
    case Qt::Key_Delete: return VK_DECIMAL;
    default: return 0;
    }
}

int16_t byQtKey(int key)
{
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return static_cast<int16_t>(key);   // Qt and Windows share ASCII here
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<int16_t>(VK_F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Clear: return VK_CLEAR;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return VK_MENU;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Print: return VK_SNAPSHOT;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Help: return VK_HELP;
    case Qt::Key_Meta: return VK_LWIN;
    case Qt::Key_Menu: return VK_APPS;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_ScrollLock: return VK_SCROLL;
    // Punctuation by the US key that carries it, shifted or not.
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return VK_OEM_1;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return VK_OEM_PLUS;
    case Qt::Key_Comma:
    case Qt::Key_Less: return VK_OEM_COMMA;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return VK_OEM_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Greater: return VK_OEM_PERIOD;
    case Qt::Key_Slash:
    case Qt::Key_Question: return VK_OEM_2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return VK_OEM_6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return VK_OEM_7;
    default: return 0;
    }
}

}  // namespace

int16_t VirtualKeyOf(const KeyPress& press)
{
    if (press.xkb && press.nativeVirtualKey >= XK_KP_First && press.nativeVirtualKey <= XK_KP_Last) {
        if (const int16_t vk = keypadByKeysym(press.nativeVirtualKey)) return vk;
    }
    if (press.modifiers.testFlag(Qt::KeypadModifier)) {
        if (const int16_t vk = keypadByQtKey(press.key)) return vk;
    }
    // XKB keycodes 10..19 are the digit row "1".."9", "0" on every layout, so a
    // shifted digit (Shift+8 gives "*" on US, "(" elsewhere) is still that digit.
    if (press.xkb && press.nativeScanCode >= 10 && press.nativeScanCode <= 19) {
        return static_cast<int16_t>(press.nativeScanCode == 19 ? '0' : '1' + (press.nativeScanCode - 10));
    }
    return byQtKey(press.key);
}

int16_t VirtualKeyOf(const QKeyEvent& event)
{
    static const bool xkb = QGuiApplication::platformName() == QLatin1String("xcb") ||
                            QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    KeyPress press;
    press.key = event.key();
    press.modifiers = event.modifiers();
    press.nativeScanCode = event.nativeScanCode();
    press.nativeVirtualKey = event.nativeVirtualKey();
    press.xkb = xkb && press.nativeScanCode != 0;
    return VirtualKeyOf(press);
}

}  // namespace trellum::shell
