#pragma once
// The keypad's 40 keys, one row each: the control and its Index, the caption,
// the place on the keypad, the keyboard keys that press it, the runner's token,
// its handler, and what a screen reader says of it (its name, a note where the
// name is not enough, what SHIFT and hyp make of it). The shell builds its
// keypad and the keys' descriptions from it, the keyboard map
// (sscmdEqual_KeyDown) and the key-script runner look keys up in it.

#include <array>
#include <cstdint>
#include <string_view>

namespace trellum {

class Calculator;

// How a key looks on the keypad.
enum class KeyGroup { Function, Shift, Off, Digit, Operator, Clear, Equal, Entry };

struct KeyRow {
    const char* control;                 // control name, e.g. "sscmdDigit"
    int16_t index;                       // Index in its control array, -1 for a single control
    const char* caption;                 // UTF-8, as printed on the key
    int16_t row;                         // 0..3 the function keys, 4..7 the lower keys
    int16_t column;                      // 0..4 from the left
    KeyGroup group;
    std::array<int16_t, 2> virtualKeys;  // Windows virtual-key codes; 0 for none
    const char* token;                   // runner token, empty for none; MIN, MR and CO
                                         // are followed by ":" and the dialog's answer
    void (*handler)(Calculator&, int16_t);

    // Spoken texts: English source texts, which the shell translates. A key
    // without a second function has no variants.
    const char* accessibleName;          // "square root", not the caption's sign
    const char* note = nullptr;          // what the name leaves unsaid: modes, EXP's pi
    const char* withShift = nullptr;     // the key after SHIFT
    const char* withHyp = nullptr;       // the key after hyp
    const char* withBoth = nullptr;      // the key after SHIFT and hyp

    // The key's click: its handler with its Index (0 for a single control).
    void Press(Calculator& calc) const { handler(calc, index < 0 ? int16_t{0} : index); }
};

inline constexpr std::size_t kKeyCount = 40;

// Row by row from the top of the keypad, left to right.
const std::array<KeyRow, kKeyCount>& KeyTable();

// The key a keyboard key presses, or null.
const KeyRow* FindKeyByVirtualKey(int16_t code);
// The key with this runner token, or null.
const KeyRow* FindKeyByToken(std::string_view token);

}  // namespace trellum
