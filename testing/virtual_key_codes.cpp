// SPDX-License-Identifier: MIT
#include "testing/virtual_key_codes.h"

#include <optional>

#include "app/calculator.h"

namespace trellum {

namespace {

constexpr int kEscape = 27;
constexpr int kMainDigit0 = 48;     // "0".."9" are 48..57, as in ASCII
constexpr int kKeypadDigit0 = 96;   // keypad 0..9 are 96..105

struct VirtualKey {
    int code;
    Key key;
};

// clang-format off
constexpr VirtualKey kVirtualKeys[] = {
    {16, Key::Shift},        {8, Key::Delete},        {77, Key::Mode},        {68, Key::DegreesMinutesSeconds},
    {35, Key::Off},          {113, Key::Square},      {114, Key::SquareRoot}, {116, Key::Log},
    {117, Key::Ln},          {115, Key::Power},       {122, Key::Reciprocal}, {72, Key::Hyp},
    {118, Key::Sin},         {119, Key::Cos},         {120, Key::Tan},        {112, Key::ChangeSign},
    {219, Key::OpenBracket}, {221, Key::CloseBracket}, {45, Key::MemoryIn},   {33, Key::MemoryRecall},
    {46, Key::Clear},        {36, Key::AllClear},     {106, Key::Multiply},   {111, Key::Divide},
    {107, Key::Add},         {109, Key::Subtract},    {110, Key::Point},      {34, Key::Exponent},
    {78, Key::Constants},
};
// clang-format on

std::optional<Key> keyOf(int code)
{
    if (code >= kMainDigit0 && code <= kMainDigit0 + 9) return digitKey(code - kMainDigit0);
    if (code >= kKeypadDigit0 && code <= kKeypadDigit0 + 9) return digitKey(code - kKeypadDigit0);
    for (const VirtualKey& entry : kVirtualKeys)
        if (entry.code == code) return entry.key;
    return std::nullopt;
}

}  // namespace

void typeVirtualKey(Calculator& calc, int code)
{
    if (code == kEscape) return calc.typeEscape();
    calc.typeKey(keyOf(code));
}

}  // namespace trellum
