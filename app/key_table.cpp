#include "app/key_table.h"

#include <algorithm>

#include "app/calculator.h"
#include "app/virtual_keys.h"

namespace trellum {

namespace {

using G = KeyGroup;

void digit(Calculator& c, int16_t i) { c.sscmdDigit_Click(i); }
void operation(Calculator& c, int16_t i) { c.sscmdOperator_Click(i); }

constexpr int16_t kNone = 0;

int16_t mainDigit(int16_t n) { return static_cast<int16_t>(VK_0 + n); }
int16_t padDigit(int16_t n) { return static_cast<int16_t>(VK_NUMPAD0 + n); }

KeyRow digitKey(int16_t n, int16_t row, int16_t column, const char* caption, const char* name)
{
    return {"sscmdDigit", n, caption, row, column, G::Digit, {mainDigit(n), padDigit(n)}, caption, name, digit};
}

}  // namespace

const std::array<KeyRow, kKeyCount>& KeyTable()
{
    // clang-format off
    static const std::array<KeyRow, kKeyCount> table = {{
        {"cmdShift", -1, "SHIFT", 0, 0, G::Shift, {VK_SHIFT, kNone}, "SHIFT", "shift",
         [](Calculator& c, int16_t) { c.cmdShift_Click(); }},
        {"cmdDel", -1, "DEL", 0, 1, G::Function, {VK_BACK, kNone}, "DEL", "delete",
         [](Calculator& c, int16_t) { c.cmdDel_Click(); }},
        {"cmdMode", -1, "MODE", 0, 2, G::Function, {VK_M, kNone}, "MODE", "angle mode",
         [](Calculator& c, int16_t) { c.cmdMode_Click(); }},
        {"cmdAngle", -1, "\u00B0 ' ''", 0, 3, G::Function, {VK_D, kNone}, "DMS", "degrees minutes seconds",
         [](Calculator& c, int16_t) { c.cmdAngle_Click(); }},
        {"sscmdOff", -1, "OFF", 0, 4, G::Off, {VK_END, kNone}, "", "off",
         [](Calculator& c, int16_t) { c.sscmdOff_Click(); }},

        {"cmdPowers", kSquare, "X\u00B2", 1, 0, G::Function, {VK_F2, kNone}, "X2", "square",
         [](Calculator& c, int16_t i) { c.cmdPowers_Click(i); }},
        {"cmdPowers", kSquareRoot, "\u221A", 1, 1, G::Function, {VK_F3, kNone}, "SQRT", "square root",
         [](Calculator& c, int16_t i) { c.cmdPowers_Click(i); }},
        {"cmdLogs", kLog, "log", 1, 2, G::Function, {VK_F5, kNone}, "LOG", "common logarithm",
         [](Calculator& c, int16_t i) { c.cmdLogs_Click(i); }},
        {"cmdLogs", kLn, "In", 1, 3, G::Function, {VK_F6, kNone}, "LN", "natural logarithm",
         [](Calculator& c, int16_t i) { c.cmdLogs_Click(i); }},
        {"cmdPowers", kXPowerY, "X^y", 1, 4, G::Function, {VK_F4, kNone}, "^", "x to the power y",
         [](Calculator& c, int16_t i) { c.cmdPowers_Click(i); }},

        {"cmdExtended", kReciprocal, "1/x", 2, 0, G::Function, {VK_F11, kNone}, "INV", "reciprocal",
         [](Calculator& c, int16_t i) { c.cmdExtended_Click(i); }},
        {"cmdHyp", -1, "hyp", 2, 1, G::Function, {VK_H, kNone}, "HYP", "hyperbolic",
         [](Calculator& c, int16_t) { c.cmdHyp_Click(); }},
        {"cmdTrigFunc", kSin, "sin", 2, 2, G::Function, {VK_F7, kNone}, "SIN", "sine",
         [](Calculator& c, int16_t i) { c.cmdTrigFunc_Click(i); }},
        {"cmdTrigFunc", kCos, "cos", 2, 3, G::Function, {VK_F8, kNone}, "COS", "cosine",
         [](Calculator& c, int16_t i) { c.cmdTrigFunc_Click(i); }},
        {"cmdTrigFunc", kTan, "tan", 2, 4, G::Function, {VK_F9, kNone}, "TAN", "tangent",
         [](Calculator& c, int16_t i) { c.cmdTrigFunc_Click(i); }},

        {"cmdExtended", kChangeSign, "+/-", 3, 0, G::Function, {VK_F1, kNone}, "NEG", "change sign",
         [](Calculator& c, int16_t i) { c.cmdExtended_Click(i); }},
        {"cmdBracket", kOpenBracket, "( --", 3, 1, G::Function, {VK_OEM_4, kNone}, "(", "open bracket",
         [](Calculator& c, int16_t i) { c.cmdBracket_Click(i); }},
        {"cmdBracket", kCloseBracket, "-- )", 3, 2, G::Function, {VK_OEM_6, kNone}, ")", "close bracket",
         [](Calculator& c, int16_t i) { c.cmdBracket_Click(i); }},
        {"cmdMem", kMemoryIn, "Min", 3, 3, G::Function, {VK_INSERT, kNone}, "MIN", "memory in",
         [](Calculator& c, int16_t i) { c.cmdMem_Click(i); }},
        {"cmdMem", kMemoryRecall, "MR", 3, 4, G::Function, {VK_PRIOR, kNone}, "MR", "memory recall",
         [](Calculator& c, int16_t i) { c.cmdMem_Click(i); }},

        digitKey(7, 4, 0, "7", "7"),
        digitKey(8, 4, 1, "8", "8"),
        digitKey(9, 4, 2, "9", "9"),
        {"sscmdClean", kClearEntry, "C", 4, 3, G::Clear, {VK_DELETE, kNone}, "C", "clear",
         [](Calculator& c, int16_t i) { c.sscmdClean_Click(i); }},
        {"sscmdClean", kAllClear, "AC", 4, 4, G::Clear, {VK_HOME, kNone}, "AC", "all clear",
         [](Calculator& c, int16_t i) { c.sscmdClean_Click(i); }},

        digitKey(4, 5, 0, "4", "4"),
        digitKey(5, 5, 1, "5", "5"),
        digitKey(6, 5, 2, "6", "6"),
        {"sscmdOperator", kMultiply, "\u00D7", 5, 3, G::Operator, {VK_MULTIPLY, kNone}, "*", "multiply", operation},
        {"sscmdOperator", kDivide, "\u00F7", 5, 4, G::Operator, {VK_DIVIDE, kNone}, "/", "divide", operation},

        digitKey(1, 6, 0, "1", "1"),
        digitKey(2, 6, 1, "2", "2"),
        digitKey(3, 6, 2, "3", "3"),
        {"sscmdOperator", kAdd, "+", 6, 3, G::Operator, {VK_ADD, kNone}, "+", "plus", operation},
        {"sscmdOperator", kSubtract, "-", 6, 4, G::Operator, {VK_SUBTRACT, kNone}, "-", "minus", operation},

        digitKey(0, 7, 0, "0", "0"),
        {"sscmdDot", -1, "\u2022", 7, 1, G::Digit, {VK_DECIMAL, kNone}, ".", "decimal point",
         [](Calculator& c, int16_t) { c.sscmdDot_Click(); }},
        {"sscmdExp", -1, "EXP", 7, 2, G::Entry, {VK_NEXT, kNone}, "EXP", "exponent",
         [](Calculator& c, int16_t) { c.sscmdExp_Click(); }},
        // "=" holds the focus; Enter and Return press it in the shell, not through the map.
        {"sscmdEqual", -1, "=", 7, 3, G::Equal, {kNone, kNone}, "=", "equals",
         [](Calculator& c, int16_t) { c.sscmdEqual_Click(); }},
        {"sscmdConst", -1, "Co", 7, 4, G::Entry, {VK_N, kNone}, "CO", "constants",
         [](Calculator& c, int16_t) { c.sscmdConst_Click(); }},
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
