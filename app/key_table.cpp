#include "app/key_table.h"

#include <algorithm>


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
    // Each key takes two lines: where it is and how it looks, then what is
    // said of it (name, note, with shift, with hyp, with shift and hyp).
    // clang-format off
    static const std::array<KeyRow, kKeyCount> table = {{
    //   key                         widget name        caption        place group        token
        {Key::Shift,                 "shift",           "SHIFT",       0, 0, G::Shift,    "SHIFT",
            "shift", "turns the second functions of log, ln, 1/x, sin, cos and tan on or off"},
        {Key::Delete,                "delete",          "DEL",         0, 1, G::Function, "DEL",
            "delete"},
        {Key::Mode,                  "mode",            "MODE",        0, 2, G::Function, "MODE",
            "angle mode", "switches between degrees, radians and grads"},
        {Key::DegreesMinutesSeconds, "degreesMinutesSeconds", "\u00B0 ' ''", 0, 3, G::Function, "DMS",
            "degrees minutes seconds"},
        {Key::Off,                   "off",             "OFF",         0, 4, G::Off,      "",
            "off"},

        {Key::Square,                "square",          "X\u00B2",     1, 0, G::Function, "X2",
            "square"},
        {Key::SquareRoot,            "squareRoot",      "\u221A",      1, 1, G::Function, "SQRT",
            "square root"},
        {Key::Log,                   "log",             "log",         1, 2, G::Function, "LOG",
            "common logarithm",  nullptr, "ten to the power x"},
        {Key::Ln,                    "ln",              "In",          1, 3, G::Function, "LN",
            "natural logarithm", nullptr, "e to the power x"},
        {Key::Power,                 "power",           "X^y",         1, 4, G::Function, "^",
            "x to the power y"},

        {Key::Reciprocal,            "reciprocal",      "1/x",         2, 0, G::Function, "INV",
            "reciprocal",        nullptr, "factorial"},
        {Key::Hyp,                   "hyp",             "hyp",         2, 1, G::Function, "HYP",
            "hyperbolic", "turns the hyperbolic forms of sin, cos and tan on or off"},
        {Key::Sin,                   "sin",             "sin",         2, 2, G::Function, "SIN",
            "sine",              nullptr, "arc sine",     "hyperbolic sine",    "inverse hyperbolic sine"},
        {Key::Cos,                   "cos",             "cos",         2, 3, G::Function, "COS",
            "cosine",            nullptr, "arc cosine",   "hyperbolic cosine",  "inverse hyperbolic cosine"},
        {Key::Tan,                   "tan",             "tan",         2, 4, G::Function, "TAN",
            "tangent",           nullptr, "arc tangent",  "hyperbolic tangent", "inverse hyperbolic tangent"},

        {Key::ChangeSign,            "changeSign",      "+/-",         3, 0, G::Function, "NEG",
            "change sign"},
        {Key::OpenBracket,           "openBracket",     "( --",        3, 1, G::Function, "(",
            "open bracket"},
        {Key::CloseBracket,          "closeBracket",    "-- )",        3, 2, G::Function, ")",
            "close bracket"},
        {Key::MemoryIn,              "memoryIn",        "Min",         3, 3, G::Function, "MIN",
            "memory in"},
        {Key::MemoryRecall,          "memoryRecall",    "MR",          3, 4, G::Function, "MR",
            "memory recall"},

        digitRow(7, 4, 0),
        digitRow(8, 4, 1),
        digitRow(9, 4, 2),
        {Key::Clear,                 "clear",           "C",           4, 3, G::Clear,    "C",
            "clear"},
        {Key::AllClear,              "allClear",        "AC",          4, 4, G::Clear,    "AC",
            "all clear"},

        digitRow(4, 5, 0),
        digitRow(5, 5, 1),
        digitRow(6, 5, 2),
        {Key::Multiply,              "multiply",        "\u00D7",      5, 3, G::Operator, "*",
            "multiply"},
        {Key::Divide,                "divide",          "\u00F7",      5, 4, G::Operator, "/",
            "divide"},

        digitRow(1, 6, 0),
        digitRow(2, 6, 1),
        digitRow(3, 6, 2),
        {Key::Add,                   "add",             "+",           6, 3, G::Operator, "+",
            "plus"},
        {Key::Subtract,              "subtract",        "-",           6, 4, G::Operator, "-",
            "minus"},

        digitRow(0, 7, 0),
        {Key::Point,                 "point",           "\u2022",      7, 1, G::Digit,    ".",
            "decimal point"},
        {Key::Exponent,              "exponent",        "EXP",         7, 2, G::Entry,    "EXP",
            "exponent", "with nothing typed: pi"},
        {Key::Equals,                "equals",          "=",           7, 3, G::Equal,    "=",
            "equals"},
        {Key::Constants,             "constants",       "Co",          7, 4, G::Entry,    "CO",
            "constants"},
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
