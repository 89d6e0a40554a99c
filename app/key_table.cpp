#include "app/key_table.h"

#include <algorithm>

#include "app/calculator.h"
#include "app/virtual_keys.h"

namespace trellum {

namespace {

using G = KeyGroup;

// One handler per control; a control array's keys tell themselves apart by Index.
void shift(Calculator& c, int16_t) { c.cmdShift_Click(); }
void del(Calculator& c, int16_t) { c.cmdDel_Click(); }
void mode(Calculator& c, int16_t) { c.cmdMode_Click(); }
void angle(Calculator& c, int16_t) { c.cmdAngle_Click(); }
void off(Calculator& c, int16_t) { c.sscmdOff_Click(); }
void powers(Calculator& c, int16_t i) { c.cmdPowers_Click(i); }
void logs(Calculator& c, int16_t i) { c.cmdLogs_Click(i); }
void extended(Calculator& c, int16_t i) { c.cmdExtended_Click(i); }
void hyp(Calculator& c, int16_t) { c.cmdHyp_Click(); }
void trigFunc(Calculator& c, int16_t i) { c.cmdTrigFunc_Click(i); }
void bracket(Calculator& c, int16_t i) { c.cmdBracket_Click(i); }
void mem(Calculator& c, int16_t i) { c.cmdMem_Click(i); }
void digit(Calculator& c, int16_t i) { c.sscmdDigit_Click(i); }
void clean(Calculator& c, int16_t i) { c.sscmdClean_Click(i); }
void operation(Calculator& c, int16_t i) { c.sscmdOperator_Click(i); }
void dot(Calculator& c, int16_t) { c.sscmdDot_Click(); }
void exponent(Calculator& c, int16_t) { c.sscmdExp_Click(); }
void equal(Calculator& c, int16_t) { c.sscmdEqual_Click(); }
void constants(Calculator& c, int16_t) { c.sscmdConst_Click(); }

constexpr int16_t kNone = 0;

int16_t mainDigit(int16_t n) { return static_cast<int16_t>(VK_0 + n); }
int16_t padDigit(int16_t n) { return static_cast<int16_t>(VK_NUMPAD0 + n); }

// A digit is its own caption, token and spoken name.
KeyRow digitKey(int16_t n, int16_t row, int16_t column, const char* caption)
{
    return {"sscmdDigit", n, caption, row, column, G::Digit, {mainDigit(n), padDigit(n)}, caption, digit, caption};
}

}  // namespace

const std::array<KeyRow, kKeyCount>& KeyTable()
{
    // Each key takes two lines: where it is and what presses it, then what is
    // said of it (name, note, with shift, with hyp, with shift and hyp).
    // clang-format off
    static const std::array<KeyRow, kKeyCount> table = {{
    //   control          Index          caption        place group        keyboard keys         token    handler
        {"cmdShift",      -1,            "SHIFT",       0, 0, G::Shift,    {VK_SHIFT, kNone},    "SHIFT", shift,
            "shift", "turns the second functions of log, ln, 1/x, sin, cos and tan on or off"},
        {"cmdDel",        -1,            "DEL",         0, 1, G::Function, {VK_BACK, kNone},     "DEL",   del,
            "delete"},
        {"cmdMode",       -1,            "MODE",        0, 2, G::Function, {VK_M, kNone},        "MODE",  mode,
            "angle mode", "switches between degrees, radians and grads"},
        {"cmdAngle",      -1,            "\u00B0 ' ''", 0, 3, G::Function, {VK_D, kNone},        "DMS",   angle,
            "degrees minutes seconds"},
        {"sscmdOff",      -1,            "OFF",         0, 4, G::Off,      {VK_END, kNone},      "",      off,
            "off"},

        {"cmdPowers",     kSquare,       "X\u00B2",     1, 0, G::Function, {VK_F2, kNone},       "X2",    powers,
            "square"},
        {"cmdPowers",     kSquareRoot,   "\u221A",      1, 1, G::Function, {VK_F3, kNone},       "SQRT",  powers,
            "square root"},
        {"cmdLogs",       kLog,          "log",         1, 2, G::Function, {VK_F5, kNone},       "LOG",   logs,
            "common logarithm",  nullptr, "ten to the power x"},
        {"cmdLogs",       kLn,           "In",          1, 3, G::Function, {VK_F6, kNone},       "LN",    logs,
            "natural logarithm", nullptr, "e to the power x"},
        {"cmdPowers",     kXPowerY,      "X^y",         1, 4, G::Function, {VK_F4, kNone},       "^",     powers,
            "x to the power y"},

        {"cmdExtended",   kReciprocal,   "1/x",         2, 0, G::Function, {VK_F11, kNone},      "INV",   extended,
            "reciprocal",        nullptr, "factorial"},
        {"cmdHyp",        -1,            "hyp",         2, 1, G::Function, {VK_H, kNone},        "HYP",   hyp,
            "hyperbolic", "turns the hyperbolic forms of sin, cos and tan on or off"},
        {"cmdTrigFunc",   kSin,          "sin",         2, 2, G::Function, {VK_F7, kNone},       "SIN",   trigFunc,
            "sine",              nullptr, "arc sine",     "hyperbolic sine",    "inverse hyperbolic sine"},
        {"cmdTrigFunc",   kCos,          "cos",         2, 3, G::Function, {VK_F8, kNone},       "COS",   trigFunc,
            "cosine",            nullptr, "arc cosine",   "hyperbolic cosine",  "inverse hyperbolic cosine"},
        {"cmdTrigFunc",   kTan,          "tan",         2, 4, G::Function, {VK_F9, kNone},       "TAN",   trigFunc,
            "tangent",           nullptr, "arc tangent",  "hyperbolic tangent", "inverse hyperbolic tangent"},

        {"cmdExtended",   kChangeSign,   "+/-",         3, 0, G::Function, {VK_F1, kNone},       "NEG",   extended,
            "change sign"},
        {"cmdBracket",    kOpenBracket,  "( --",        3, 1, G::Function, {VK_OEM_4, kNone},    "(",     bracket,
            "open bracket"},
        {"cmdBracket",    kCloseBracket, "-- )",        3, 2, G::Function, {VK_OEM_6, kNone},    ")",     bracket,
            "close bracket"},
        {"cmdMem",        kMemoryIn,     "Min",         3, 3, G::Function, {VK_INSERT, kNone},   "MIN",   mem,
            "memory in"},
        {"cmdMem",        kMemoryRecall, "MR",          3, 4, G::Function, {VK_PRIOR, kNone},    "MR",    mem,
            "memory recall"},

        digitKey(7, 4, 0, "7"),
        digitKey(8, 4, 1, "8"),
        digitKey(9, 4, 2, "9"),
        {"sscmdClean",    kClearEntry,   "C",           4, 3, G::Clear,    {VK_DELETE, kNone},   "C",     clean,
            "clear"},
        {"sscmdClean",    kAllClear,     "AC",          4, 4, G::Clear,    {VK_HOME, kNone},     "AC",    clean,
            "all clear"},

        digitKey(4, 5, 0, "4"),
        digitKey(5, 5, 1, "5"),
        digitKey(6, 5, 2, "6"),
        {"sscmdOperator", kMultiply,     "\u00D7",      5, 3, G::Operator, {VK_MULTIPLY, kNone}, "*",     operation,
            "multiply"},
        {"sscmdOperator", kDivide,       "\u00F7",      5, 4, G::Operator, {VK_DIVIDE, kNone},   "/",     operation,
            "divide"},

        digitKey(1, 6, 0, "1"),
        digitKey(2, 6, 1, "2"),
        digitKey(3, 6, 2, "3"),
        {"sscmdOperator", kAdd,          "+",           6, 3, G::Operator, {VK_ADD, kNone},      "+",     operation,
            "plus"},
        {"sscmdOperator", kSubtract,     "-",           6, 4, G::Operator, {VK_SUBTRACT, kNone}, "-",     operation,
            "minus"},

        digitKey(0, 7, 0, "0"),
        {"sscmdDot",      -1,            "\u2022",      7, 1, G::Digit,    {VK_DECIMAL, kNone},  ".",     dot,
            "decimal point"},
        {"sscmdExp",      -1,            "EXP",         7, 2, G::Entry,    {VK_NEXT, kNone},     "EXP",   exponent,
            "exponent", "with nothing typed: pi"},
        // "=" holds the focus; Enter and Return press it in the shell, not through the map.
        {"sscmdEqual",    -1,            "=",           7, 3, G::Equal,    {kNone, kNone},       "=",     equal,
            "equals"},
        {"sscmdConst",    -1,            "Co",          7, 4, G::Entry,    {VK_N, kNone},        "CO",    constants,
            "constants"},
    }};
    // clang-format on
    return table;
}

const KeyRow* FindKeyByVirtualKey(int16_t code)
{
    if (code == kNone) return nullptr;
    const auto& table = KeyTable();
    const auto it = std::find_if(table.begin(), table.end(), [code](const KeyRow& key) {
        return key.virtualKeys[0] == code || key.virtualKeys[1] == code;
    });
    return it == table.end() ? nullptr : &*it;
}

const KeyRow* FindKeyByToken(std::string_view token)
{
    if (token.empty()) return nullptr;
    const auto& table = KeyTable();
    const auto it = std::find_if(table.begin(), table.end(), [token](const KeyRow& key) { return key.token == token; });
    return it == table.end() ? nullptr : &*it;
}

}  // namespace trellum
