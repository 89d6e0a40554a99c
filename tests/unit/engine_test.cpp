// SPDX-License-Identifier: MIT
// What the golden key scripts cannot set up: paste under a decimal-comma locale,
// and the keyboard focus each key hands back to "=".

#include <gtest/gtest.h>

#include <string>

#include "app/key_table.h"
#include "testing/key_sequence.h"

namespace trellum {
namespace {

using testing_support::KeySequence;

// The locale's decimal comma is read as the calculator's "."; a typographic
// minus as "-"; anything else is judged by the exact numeric test.
TEST(Paste, UnderACommaLocale)
{
    const struct {
        const char* text;
        const char* shown;
        const char* events;
    } rows[] = {
        {"-2,5E-3", "-2.5  E-3", ""},
        {"2.25", "2.25  ", ""},
        {"\xE2\x88\x92" "0,5", "-0.5  ", ""},
        {"1.234,5", "7.  ", "msg:!:Importing data is not a number "},
    };
    for (const auto& row : rows) {
        KeySequence seq;
        seq.toolkit.separator = ',';
        EXPECT_EQ(seq.press(std::string("7 PASTE:") + row.text), row.events) << row.text;
        EXPECT_EQ(seq.shown(), row.shown) << row.text;
    }
}

// Every key hands the keyboard back to "=" exactly once, whatever its command
// did on the way (an error report, a refused point, a dialog); OFF closes the
// window instead.
TEST(Keys, GiveTheFocusBackOnce)
{
    for (const KeyRow& row : keyTable()) {
        for (const char* before : {"2 EXP", "2 / 0"}) {
            KeySequence k;
            k.toolkit.folder = "/nonexistent-trellum-folder";
            k.press(before);
            const int focus = k.toolkit.focusCount;
            k.calc.press(row.key);
            EXPECT_EQ(k.toolkit.focusCount, focus + (row.key == Key::Off ? 0 : 1)) << row.name << " after " << before;
        }
    }
}

}  // namespace
}  // namespace trellum
