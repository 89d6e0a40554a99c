#include "app/key_table.h"

#include <algorithm>

#include "app/virtual_keys.h"

namespace trellum {

namespace {

using G = KeyGroup;

constexpr int16_t kNone = 0;

int16_t mainDigit(int16_t n) { return static_cast<int16_t>(VK_0 + n); }
int16_t padDigit(int16_t n) { return static_cast<int16_t>(VK_NUMPAD0 + n); }

// A digit is its own caption, token and spoken name.
KeyRow digitKey(int16_t n, int16_t row, int16_t column)
{
    static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const char* const names[] = {"digit0", "digit1", "digit2", "digit3", "digit4",
                                        "digit5", "digit6", "digit7", "digit8", "digit9"};
    return {DigitKey(n), names[n], digits[n], row, column, G::Digit, {mainDigit(n), padDigit(n)}, digits[n], digits[n]};
}

}  // namespace

const std::array<KeyRow, kKeyCount>& KeyTable()
{
    // Each key takes two lines: where it is and what presses it, then what is
    // said of it (name, note, with shift, with hyp, with shift and hyp).
    // clang-format off
    static const std::array<KeyRow, kKeyCount> table = {{
    //   key                         widget name        caption        place group        keyboard keys         token
        {Key::Shift,                 "shift",           "SHIFT",       0, 0, G::Shift,    {VK_SHIFT, kNone},    "SHIFT",
            "shift", "turns the second functions of log, ln, 1/x, sin, cos and tan on or off"},
        {Key::Delete,                "delete",          "DEL",         0, 1, G::Function, {VK_BACK, kNone},     "DEL",
            "delete"},
        {Key::Mode,                  "mode",            "MODE",        0, 2, G::Function, {VK_M, kNone},        "MODE",
            "angle mode", "switches between degrees, radians and grads"},
        {Key::DegreesMinutesSeconds, "degreesMinutesSeconds", "\u00B0 ' ''", 0, 3, G::Function, {VK_D, kNone}, "DMS",
            "degrees minutes seconds"},
        {Key::Off,                   "off",             "OFF",         0, 4, G::Off,      {VK_END, kNone},      "",
            "off"},

        {Key::Square,                "square",          "X\u00B2",     1, 0, G::Function, {VK_F2, kNone},       "X2",
            "square"},
        {Key::SquareRoot,            "squareRoot",      "\u221A",      1, 1, G::Function, {VK_F3, kNone},       "SQRT",
            "square root"},
        {Key::Log,                   "log",             "log",         1, 2, G::Function, {VK_F5, kNone},       "LOG",
            "common logarithm",  nullptr, "ten to the power x"},
        {Key::Ln,                    "ln",              "In",          1, 3, G::Function, {VK_F6, kNone},       "LN",
            "natural logarithm", nullptr, "e to the power x"},
        {Key::Power,                 "power",           "X^y",         1, 4, G::Function, {VK_F4, kNone},       "^",
            "x to the power y"},

        {Key::Reciprocal,            "reciprocal",      "1/x",         2, 0, G::Function, {VK_F11, kNone},      "INV",
            "reciprocal",        nullptr, "factorial"},
        {Key::Hyp,                   "hyp",             "hyp",         2, 1, G::Function, {VK_H, kNone},        "HYP",
            "hyperbolic", "turns the hyperbolic forms of sin, cos and tan on or off"},
        {Key::Sin,                   "sin",             "sin",         2, 2, G::Function, {VK_F7, kNone},       "SIN",
            "sine",              nullptr, "arc sine",     "hyperbolic sine",    "inverse hyperbolic sine"},
        {Key::Cos,                   "cos",             "cos",         2, 3, G::Function, {VK_F8, kNone},       "COS",
            "cosine",            nullptr, "arc cosine",   "hyperbolic cosine",  "inverse hyperbolic cosine"},
        {Key::Tan,                   "tan",             "tan",         2, 4, G::Function, {VK_F9, kNone},       "TAN",
            "tangent",           nullptr, "arc tangent",  "hyperbolic tangent", "inverse hyperbolic tangent"},

        {Key::ChangeSign,            "changeSign",      "+/-",         3, 0, G::Function, {VK_F1, kNone},       "NEG",
            "change sign"},
        {Key::OpenBracket,           "openBracket",     "( --",        3, 1, G::Function, {VK_OEM_4, kNone},    "(",
            "open bracket"},
        {Key::CloseBracket,          "closeBracket",    "-- )",        3, 2, G::Function, {VK_OEM_6, kNone},    ")",
            "close bracket"},
        {Key::MemoryIn,              "memoryIn",        "Min",         3, 3, G::Function, {VK_INSERT, kNone},   "MIN",
            "memory in"},
        {Key::MemoryRecall,          "memoryRecall",    "MR",          3, 4, G::Function, {VK_PRIOR, kNone},    "MR",
            "memory recall"},

        digitKey(7, 4, 0),
        digitKey(8, 4, 1),
        digitKey(9, 4, 2),
        {Key::Clear,                 "clear",           "C",           4, 3, G::Clear,    {VK_DELETE, kNone},   "C",
            "clear"},
        {Key::AllClear,              "allClear",        "AC",          4, 4, G::Clear,    {VK_HOME, kNone},     "AC",
            "all clear"},

        digitKey(4, 5, 0),
        digitKey(5, 5, 1),
        digitKey(6, 5, 2),
        {Key::Multiply,              "multiply",        "\u00D7",      5, 3, G::Operator, {VK_MULTIPLY, kNone}, "*",
            "multiply"},
        {Key::Divide,                "divide",          "\u00F7",      5, 4, G::Operator, {VK_DIVIDE, kNone},   "/",
            "divide"},

        digitKey(1, 6, 0),
        digitKey(2, 6, 1),
        digitKey(3, 6, 2),
        {Key::Add,                   "add",             "+",           6, 3, G::Operator, {VK_ADD, kNone},      "+",
            "plus"},
        {Key::Subtract,              "subtract",        "-",           6, 4, G::Operator, {VK_SUBTRACT, kNone}, "-",
            "minus"},

        digitKey(0, 7, 0),
        {Key::Point,                 "point",           "\u2022",      7, 1, G::Digit,    {VK_DECIMAL, kNone},  ".",
            "decimal point"},
        {Key::Exponent,              "exponent",        "EXP",         7, 2, G::Entry,    {VK_NEXT, kNone},     "EXP",
            "exponent", "with nothing typed: pi"},
        // "=" holds the focus; Enter and Return press it in the shell, not through the map.
        {Key::Equals,                "equals",          "=",           7, 3, G::Equal,    {kNone, kNone},       "=",
            "equals"},
        {Key::Constants,             "constants",       "Co",          7, 4, G::Entry,    {VK_N, kNone},        "CO",
            "constants"},
    }};
    // clang-format on
    return table;
}

const KeyRow& RowOf(Key key) { return KeyTable()[static_cast<std::size_t>(key)]; }

std::optional<Key> KeyOfVirtualKey(int16_t code)
{
    if (code == kNone) return std::nullopt;
    const auto& table = KeyTable();
    const auto it = std::find_if(table.begin(), table.end(), [code](const KeyRow& row) {
        return row.virtualKeys[0] == code || row.virtualKeys[1] == code;
    });
    return it == table.end() ? std::nullopt : std::optional(it->key);
}

std::optional<Key> KeyOfToken(std::string_view token)
{
    if (token.empty()) return std::nullopt;
    const auto& table = KeyTable();
    const auto it = std::find_if(table.begin(), table.end(), [token](const KeyRow& row) { return row.token == token; });
    return it == table.end() ? std::nullopt : std::optional(it->key);
}

}  // namespace trellum
