// SPDX-License-Identifier: MIT
#pragma once
// The keypad's 40 keys, one row each: the caption, the place on the keypad,
// the runner's token, and what a screen reader says of it (its name, a note
// where the name is not enough, what SHIFT and hyp make of it). The shell
// builds its keypad and the keys' descriptions from it, the key-script runner
// reads its tokens; which keyboard key presses which key is the shell's
// business (shell/keyboard.h), as only it knows the keyboard.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/key.h"

namespace trellum {

// How a key looks on the keypad.
enum class KeyGroup { Function, Shift, Off, Digit, Operator, Clear, Equal, Entry };

struct KeyRow {
    Key key;
    const char* name;                    // the key's widget name, e.g. "squareRoot"
    const char* caption;                 // UTF-8, as printed on the key
    int16_t row;                         // 0..3 the function keys, 4..7 the lower keys
    int16_t column;                      // 0..4 from the left
    KeyGroup group;
    const char* token;                   // runner token, empty for none; MIN, MR and CO
                                         // are followed by ":" and the dialog's answer

    // Spoken texts: English source texts of the context "Keys", marked for
    // lupdate here and translated by the shell. A key without a second
    // function has neither of the last two.
    const char* accessibleName;          // "square root", not the caption's sign
    const char* note = nullptr;          // what the name leaves unsaid: modes, EXP's pi
    const char* withShift = nullptr;     // the key after SHIFT, as its legend names it
    // What SHIFT, hyp and both make of the key, one whole text for the
    // translators: "with shift: arc sine; with hyp: hyperbolic sine; ...".
    const char* secondFunctions = nullptr;
};

// Row by row from the top of the keypad, left to right: in the order of Key.
const std::array<KeyRow, kKeyCount>& keyTable();

// The row of a key.
const KeyRow& rowOf(Key key);

// The key with this runner token.
std::optional<Key> keyOfToken(std::string_view token);

}  // namespace trellum
