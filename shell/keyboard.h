// SPDX-License-Identifier: MIT
#pragma once
// The keyboard: which calculator key a key typed on the "=" key (which holds
// the focus) presses. One table says it, by the key's place where the place
// counts more than what a layout prints on it:
//   - the digit row and the two keys right of P by their physical position
//     (the XKB key code, the same on X11 and Wayland), so Shift+8 is still 8
//     and "[" "]" work on German "ü" "+" and French "^" "$" alike;
//   - keypad keys as the keypad (its keysyms, or Qt::KeypadModifier), NumLock
//     on or off;
//   - the letters M, D, H, N by the letter a Latin layout prints, and on a
//     layout of another script (Russian, Hebrew, ...) by their US place;
//   - every other key by the Qt key it gives (F7, Home, ...).
// Modifiers play no part: Shift is itself the SHIFT key.

#include <optional>

#include <Qt>

#include "app/key.h"

class QKeyEvent;

namespace trellum::shell {

// What a key event carries; the native fields are 0 where the platform has none.
struct KeyPress {
    int key = 0;                                  // Qt::Key
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode = 0;                   // XKB key code on X11 and Wayland
    quint32 nativeVirtualKey = 0;                 // X keysym on X11 and Wayland
    bool xkb = false;                             // the native fields are XKB's
};

// What a typed key does: press a calculator key, hide to the tray (Esc), or
// nothing the calculator knows (which beeps).
struct Typed {
    std::optional<Key> key;
    bool escape = false;

    friend bool operator==(const Typed&, const Typed&) = default;
};

Typed typedKeyOf(const KeyPress& press);
Typed typedKeyOf(const QKeyEvent& event);

// A keyboard key's name: an English source text of the "Keys" context and its
// disambiguation where the same word also names a calculator key ("Shift").
struct KeyboardName {
    const char* text = nullptr;
    const char* disambiguation = nullptr;

    constexpr KeyboardName() = default;
    constexpr KeyboardName(const char* name) : text(name) {}  // NOLINT: table rows name keys by their text
    constexpr KeyboardName(const char* name, const char* meaning) : text(name), disambiguation(meaning) {}
};

// The keyboard key that presses `key`, as a person names it on a US keyboard
// ("F7", "keypad plus", "left square bracket"); no text for a key no keyboard
// key presses.
KeyboardName keyboardNameOf(Key key);

}  // namespace trellum::shell
