// SPDX-License-Identifier: MIT
#pragma once
// The calculator's 40 keys, named by what they are. The key table
// (key_table.h) says how each looks, where it sits and what it is called.

#include <cstddef>
#include <cstdint>

namespace trellum {

// Row by row from the top of the keypad, left to right.
enum class Key : uint8_t {
    Shift, Delete, Mode, DegreesMinutesSeconds, Off,
    Square, SquareRoot, Log, Ln, Power,
    Reciprocal, Hyp, Sin, Cos, Tan,
    ChangeSign, OpenBracket, CloseBracket, MemoryIn, MemoryRecall,
    Digit7, Digit8, Digit9, Clear, AllClear,
    Digit4, Digit5, Digit6, Multiply, Divide,
    Digit1, Digit2, Digit3, Add, Subtract,
    Digit0, Point, Exponent, Equals, Constants,
};

inline constexpr std::size_t kKeyCount = 40;

// The key of a digit 0..9.
constexpr Key digitKey(int digit)
{
    constexpr Key digits[] = {Key::Digit0, Key::Digit1, Key::Digit2, Key::Digit3, Key::Digit4,
                              Key::Digit5, Key::Digit6, Key::Digit7, Key::Digit8, Key::Digit9};
    return digits[digit];
}

}  // namespace trellum
