// SPDX-License-Identifier: MIT
#include "app/key_table.h"

#include <algorithm>

#include "app/translatable.h"

namespace trellum {

namespace {

using G = KeyGroup;

// A digit is its own caption, token and spoken name.
KeyRow digitRow(int16_t n, int16_t row, int16_t column)
{
    static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const char* const names[] = {"digit0", "digit1", "digit2", "digit3", "digit4",
                                        "digit5", "digit6", "digit7", "digit8", "digit9"};
    return {digitKey(n), names[n], digits[n], row, column, G::Digit, digits[n], digits[n]};
}

}  // namespace

const std::array<KeyRow, kKeyCount>& keyTable()
{
    // Each key: where it is and how it looks, then what a screen reader says of
    // it (name, note, the second function SHIFT selects, what the prefixes make
    // of the key), each spoken text marked for translation with its comment.
    // clang-format off
    static const std::array<KeyRow, kKeyCount> table = {{
    //   key, widget name, caption, place, group, token
        {Key::Shift, "shift", "SHIFT", 0, 0, G::Shift, "SHIFT",
            //: Spoken name of the calculator's own SHIFT key on the keypad, which arms the second functions;
            //: not the keyboard's Shift key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "shift"),
            //: Spoken note on the SHIFT key. log, ln, 1/x, sin, cos and tan are the keys' captions: keep them.
            TRELLUM_TRANSLATE_NOOP("Keys", "turns the second functions of log, ln, 1/x, sin, cos and tan on or off")},
        {Key::Delete, "delete", "DEL", 0, 1, G::Function, "DEL",
            //: Spoken name of the DEL key, which removes the last typed digit. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "delete")},
        {Key::Mode, "mode", "MODE", 0, 2, G::Function, "MODE",
            //: Spoken name of the MODE key, which picks degrees, radians or grads. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "angle mode"),
            //: Spoken note on the MODE key: the three angle units it cycles through.
            TRELLUM_TRANSLATE_NOOP("Keys", "switches between degrees, radians and grads")},
        {Key::DegreesMinutesSeconds, "degreesMinutesSeconds", "\u00B0 ' ''", 0, 3, G::Function, "DMS",
            //: Spoken name of the key that turns degrees, minutes and seconds into decimal degrees. A screen
            //: reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "degrees minutes seconds")},
        {Key::Off, "off", "OFF", 0, 4, G::Off, "",
            //: Spoken name of the OFF key, which ends the program. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "off")},

        {Key::Square, "square", "X\u00B2", 1, 0, G::Function, "X2",
            //: Spoken name of the x squared key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "square")},
        {Key::SquareRoot, "squareRoot", "\u221A", 1, 1, G::Function, "SQRT",
            //: Spoken name of the square root key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "square root")},
        {Key::Log, "log", "log", 1, 2, G::Function, "LOG",
            //: Spoken name of the log key (logarithm to base 10). A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "common logarithm"),
            nullptr,
            //: Spoken name of the second function printed above the log key, which SHIFT selects.
            TRELLUM_TRANSLATE_NOOP("Keys", "ten to the power x"),
            //: Spoken part of the log key's description: what SHIFT makes of the key.
            //: "shift" and "hyp" name the calculator's SHIFT and hyp keys.
            TRELLUM_TRANSLATE_NOOP("Keys", "with shift: ten to the power x")},
        {Key::Ln, "ln", "In", 1, 3, G::Function, "LN",
            //: Spoken name of the ln key (logarithm to base e). A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "natural logarithm"),
            nullptr,
            //: Spoken name of the second function printed above the ln key, which SHIFT selects.
            TRELLUM_TRANSLATE_NOOP("Keys", "e to the power x"),
            //: Spoken part of the ln key's description: what SHIFT makes of the key.
            //: "shift" and "hyp" name the calculator's SHIFT and hyp keys.
            TRELLUM_TRANSLATE_NOOP("Keys", "with shift: e to the power x")},
        {Key::Power, "power", "X^y", 1, 4, G::Function, "^",
            //: Spoken name of the x to the power y key; x and y are the names of the two numbers. A screen
            //: reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "x to the power y")},

        {Key::Reciprocal, "reciprocal", "1/x", 2, 0, G::Function, "INV",
            //: Spoken name of the 1/x key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "reciprocal"),
            nullptr,
            //: Spoken name of the second function printed above the reciprocal key, which SHIFT selects.
            TRELLUM_TRANSLATE_NOOP("Keys", "factorial"),
            //: Spoken part of the reciprocal key's description: what SHIFT makes of the key.
            //: "shift" and "hyp" name the calculator's SHIFT and hyp keys.
            TRELLUM_TRANSLATE_NOOP("Keys", "with shift: factorial")},
        {Key::Hyp, "hyp", "hyp", 2, 1, G::Function, "HYP",
            //: Spoken name of the hyp key, which arms the hyperbolic functions. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "hyperbolic"),
            //: Spoken note on the hyp key. sin, cos and tan are the keys' captions: keep them.
            TRELLUM_TRANSLATE_NOOP("Keys", "turns the hyperbolic forms of sin, cos and tan on or off")},
        {Key::Sin, "sin", "sin", 2, 2, G::Function, "SIN",
            //: Spoken name of the sin key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "sine"),
            nullptr,
            //: Spoken name of the second function printed above the sin key, which SHIFT selects.
            TRELLUM_TRANSLATE_NOOP("Keys", "arc sine"),
            //: Spoken part of the sin key's description: what SHIFT, hyp and both together make of the key.
            //: "shift" and "hyp" name the calculator's SHIFT and hyp keys.
            TRELLUM_TRANSLATE_NOOP("Keys", "with shift: arc sine; with hyp: hyperbolic sine; "
                                           "with shift and hyp: inverse hyperbolic sine")},
        {Key::Cos, "cos", "cos", 2, 3, G::Function, "COS",
            //: Spoken name of the cos key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "cosine"),
            nullptr,
            //: Spoken name of the second function printed above the cos key, which SHIFT selects.
            TRELLUM_TRANSLATE_NOOP("Keys", "arc cosine"),
            //: Spoken part of the cos key's description: what SHIFT, hyp and both together make of the key.
            //: "shift" and "hyp" name the calculator's SHIFT and hyp keys.
            TRELLUM_TRANSLATE_NOOP("Keys", "with shift: arc cosine; with hyp: hyperbolic cosine; "
                                           "with shift and hyp: inverse hyperbolic cosine")},
        {Key::Tan, "tan", "tan", 2, 4, G::Function, "TAN",
            //: Spoken name of the tan key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "tangent"),
            nullptr,
            //: Spoken name of the second function printed above the tan key, which SHIFT selects.
            TRELLUM_TRANSLATE_NOOP("Keys", "arc tangent"),
            //: Spoken part of the tan key's description: what SHIFT, hyp and both together make of the key.
            //: "shift" and "hyp" name the calculator's SHIFT and hyp keys.
            TRELLUM_TRANSLATE_NOOP("Keys", "with shift: arc tangent; with hyp: hyperbolic tangent; "
                                           "with shift and hyp: inverse hyperbolic tangent")},

        {Key::ChangeSign, "changeSign", "+/-", 3, 0, G::Function, "NEG",
            //: Spoken name of the +/- key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "change sign")},
        {Key::OpenBracket, "openBracket", "( --", 3, 1, G::Function, "(",
            //: Spoken name of the key that opens a bracket in the calculation. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "open bracket")},
        {Key::CloseBracket, "closeBracket", "-- )", 3, 2, G::Function, ")",
            //: Spoken name of the key that closes a bracket in the calculation. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "close bracket")},
        {Key::MemoryIn, "memoryIn", "Min", 3, 3, G::Function, "MIN",
            //: Spoken name of the Min key, which stores the displayed number in a memory slot. A screen reader
            //: reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "memory in")},
        {Key::MemoryRecall, "memoryRecall", "MR", 3, 4, G::Function, "MR",
            //: Spoken name of the MR key, which puts a stored number on the display. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "memory recall")},

        digitRow(7, 4, 0),
        digitRow(8, 4, 1),
        digitRow(9, 4, 2),
        {Key::Clear, "clear", "C", 4, 3, G::Clear, "C",
            //: Spoken name of the C key, which clears the number being typed and keeps the calculation. A
            //: screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "clear")},
        {Key::AllClear, "allClear", "AC", 4, 4, G::Clear, "AC",
            //: Spoken name of the AC key, which clears everything. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "all clear")},

        digitRow(4, 5, 0),
        digitRow(5, 5, 1),
        digitRow(6, 5, 2),
        {Key::Multiply, "multiply", "\u00D7", 5, 3, G::Operator, "*",
            //: Spoken name of the multiplication key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "multiply")},
        {Key::Divide, "divide", "\u00F7", 5, 4, G::Operator, "/",
            //: Spoken name of the division key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "divide")},

        digitRow(1, 6, 0),
        digitRow(2, 6, 1),
        digitRow(3, 6, 2),
        {Key::Add, "add", "+", 6, 3, G::Operator, "+",
            //: Spoken name of the addition key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "plus")},
        {Key::Subtract, "subtract", "-", 6, 4, G::Operator, "-",
            //: Spoken name of the subtraction key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "minus")},

        digitRow(0, 7, 0),
        {Key::Point, "point", "\u2022", 7, 1, G::Digit, ".",
            //: Spoken name of the decimal point key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "decimal point")},
        {Key::Exponent, "exponent", "EXP", 7, 2, G::Entry, "EXP",
            //: Spoken name of the EXP key, which starts the power of ten of the number being typed. A screen
            //: reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "exponent"),
            //: Spoken note on the EXP key: pressed before any digit it puts pi on the display.
            TRELLUM_TRANSLATE_NOOP("Keys", "with nothing typed: pi")},
        {Key::Equals, "equals", "=", 7, 3, G::Equal, "=",
            //: Spoken name of the = key. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "equals")},
        {Key::Constants, "constants", "Co", 7, 4, G::Entry, "CO",
            //: Spoken name of the Co key, which opens the list of constants. A screen reader reads it.
            TRELLUM_TRANSLATE_NOOP("Keys", "constants")},
    }};
    // clang-format on
    return table;
}

const KeyRow& rowOf(Key key) { return keyTable()[static_cast<std::size_t>(key)]; }

std::optional<Key> keyOfToken(std::string_view token)
{
    if (token.empty()) return std::nullopt;
    const auto& table = keyTable();
    const auto it = std::find_if(table.begin(), table.end(), [token](const KeyRow& row) { return row.token == token; });
    return it == table.end() ? std::nullopt : std::optional(it->key);
}

}  // namespace trellum
