#pragma once
// Turns Qt key events into the Windows virtual-key codes that the calculator's
// keyboard map understands. Keys are identified physically where Qt can tell:
// keypad keys by Qt::KeypadModifier (and their X keysyms), the main keyboard's
// digit row by its XKB keycode, so Shift+8 still reads as the key "8".

#include <cstdint>

#include <Qt>

class QKeyEvent;

namespace trellum::shell {

// What a key event carries; the native fields are 0 where the platform has none.
struct KeyPress {
    int key = 0;                                  // Qt::Key
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode = 0;                   // XKB keycode on X11 and Wayland
    quint32 nativeVirtualKey = 0;                 // X keysym on X11 and Wayland
    bool xkb = false;                             // the native fields are XKB's
};

// The virtual-key code of the key, or 0 for a key without one (which beeps like
// any other code the keyboard map does not know).
int16_t VirtualKeyOf(const KeyPress& press);
int16_t VirtualKeyOf(const QKeyEvent& event);

}  // namespace trellum::shell
