// SPDX-License-Identifier: MIT
// The number a screen reader reads from the display's text. What is said of a
// key's effect, in words, is tested through the window (widgets.accessibility_test).

#include <gtest/gtest.h>

#include "app/display_speech.h"

namespace trellum {
namespace {

TEST(DisplaySpeech, NumberTextIsReadAsDigitsAndAPowerOfTen)
{
    const struct {
        const char* text;
        const char* digits;
        const char* powerOfTen;
    } rows[] = {
        {"42.  ", "42", ""},            // a whole number loses its point
        {"0.5  ", "0.5", ""},
        {"1E+100", "1", "100"},         // the plus sign goes
        {"-2.5E-07", "-2.5", "-7"},     // so do the exponent's leading zeros
        {"5.E00", "5", "0"},            // an exponent being typed
        {"5.E-00", "5", "0"},           // no minus zero
        {"-.", "-0", ""},               // only a sign left
        {"1e-0005", "1", "-5"},         // a pasted exponent, longer than two digits
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const SpokenNumber spoken = spokenNumberOf(row.text);
        EXPECT_FALSE(spoken.bracketLevel);
        EXPECT_EQ(spoken.digits, row.digits);
        EXPECT_EQ(spoken.powerOfTen, row.powerOfTen);
    }
}

TEST(DisplaySpeech, BracketLevelIsReadAsTheCountOfOpenBrackets)
{
    for (const auto& [text, count] : {std::pair("(- 1", 1), std::pair("(- 12  ", 12)}) {
        const SpokenNumber spoken = spokenNumberOf(text);
        EXPECT_TRUE(spoken.bracketLevel) << text;
        EXPECT_EQ(spoken.openBrackets, count) << text;
    }
}

}  // namespace
}  // namespace trellum
