// The runner's own keyboard table (its KEY:n virtual-key codes, not the
// window's keys, which tests/widgets/keyboard_test.cpp types): every mapped code
// must do exactly what its on-screen key does.

#include <gtest/gtest.h>

#include <string>

#include "app/key_table.h"
#include "testing/key_sequence.h"

namespace trellum {
namespace {

using testing_support::KeySequence;
using testing_support::PrintTo;

struct KeyCase {
    const char* name;
    int code;
    const char* token;  // the on-screen key it stands for
};

class KeyboardMapTest : public testing::TestWithParam<KeyCase> {};

// Both calculators get the same history, so prefixes, entry state and pending
// operations all take part in the comparison.
TEST_P(KeyboardMapTest, ActsLikeItsKey)
{
    for (const char* history : {"", "2 + 1 . 5", "3 SHIFT HYP", "( 4 EXP 2"}) {
        KeySequence byKey, byToken;
        byKey.press(history);
        byToken.press(history);
        const std::string keyEvents = byKey.press("KEY:" + std::to_string(GetParam().code));
        const std::string tokenEvents = byToken.press(GetParam().token);
        std::string keyLine, tokenLine;
        appendRunnerLine(keyLine, "", byKey.calc, byKey.toolkit, {true, true});
        appendRunnerLine(tokenLine, "", byToken.calc, byToken.toolkit, {true, true});
        EXPECT_EQ(keyLine, tokenLine) << "after '" << history << "'";
        EXPECT_EQ(keyEvents, tokenEvents) << "after '" << history << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyboardMapTest,
    testing::Values(KeyCase{"Main0", 48, "0"}, KeyCase{"Main5", 53, "5"}, KeyCase{"Main9", 57, "9"},
                    KeyCase{"Pad0", 96, "0"}, KeyCase{"Pad7", 103, "7"}, KeyCase{"Pad9", 105, "9"},
                    KeyCase{"PadAdd", 107, "+"}, KeyCase{"PadSubtract", 109, "-"},
                    KeyCase{"PadMultiply", 106, "*"}, KeyCase{"PadDivide", 111, "/"},
                    KeyCase{"PadDecimal", 110, "."}, KeyCase{"F1Sign", 112, "NEG"}, KeyCase{"F2Square", 113, "X2"},
                    KeyCase{"F3Root", 114, "SQRT"}, KeyCase{"F4Power", 115, "^"}, KeyCase{"F5Log", 116, "LOG"},
                    KeyCase{"F6Ln", 117, "LN"}, KeyCase{"F7Sin", 118, "SIN"}, KeyCase{"F8Cos", 119, "COS"},
                    KeyCase{"F9Tan", 120, "TAN"}, KeyCase{"F11Reciprocal", 122, "INV"},
                    KeyCase{"PageDownExp", 34, "EXP"}, KeyCase{"PageUpRecall", 33, "MR:W"},
                    KeyCase{"InsertStore", 45, "MIN:W"}, KeyCase{"BackspaceDel", 8, "DEL"},
                    KeyCase{"DeleteClear", 46, "C"}, KeyCase{"HomeAllClear", 36, "AC"},
                    KeyCase{"MMode", 77, "MODE"}, KeyCase{"DAngle", 68, "DMS"}, KeyCase{"ShiftKey", 16, "SHIFT"},
                    KeyCase{"HHyp", 72, "HYP"}, KeyCase{"LeftSquareOpens", 219, "("},
                    KeyCase{"RightSquareCloses", 221, ")"}),
    testing_support::RowName());

class UnmappedKeyTest : public testing::TestWithParam<int> {};

TEST_P(UnmappedKeyTest, BeepsAndChangesNothing)
{
    KeySequence seq;
    seq.press("1 2 +");
    std::string before, after;
    appendRunnerLine(before, "", seq.calc, seq.toolkit, {true, true});
    EXPECT_EQ(seq.press("KEY:" + std::to_string(GetParam())), "beep");
    appendRunnerLine(after, "", seq.calc, seq.toolkit, {true, true});
    EXPECT_EQ(after, before);
}

// F10, F12, Enter, space, A, Z, the main "=" and "+" keys, Tab, and codes past the table.
INSTANTIATE_TEST_SUITE_P(Table, UnmappedKeyTest, testing::Values(121, 123, 13, 32, 65, 90, 187, 9, 0, 255));

TEST(KeyboardMapTest, EscapeHidesToTheTray)
{
    KeySequence seq;
    seq.press("4 2 KEY:27");
    EXPECT_FALSE(seq.toolkit.visible);
    EXPECT_EQ(seq.toolkit.trayTip, "Trellum (Hide)");
    EXPECT_EQ(seq.calc.display().lcdText, "42.  ");
}

TEST(KeyboardMapTest, EndSwitchesOffAndSavesOnce)
{
    KeySequence seq;
    seq.press("KEY:35");
    EXPECT_TRUE(seq.toolkit.windowClosed);
    EXPECT_FALSE(seq.toolkit.trayIconShown);
    EXPECT_TRUE(seq.settings.hasKey("SOFTWARE\\Quorbel\\Trellum\\Memory"));
}

}  // namespace
}  // namespace trellum
