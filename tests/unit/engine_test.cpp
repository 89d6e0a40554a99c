// Number entry and the evaluator, driven key by key as a user would.

#include <gtest/gtest.h>

#include "tests/unit/key_sequence.h"

namespace trellum {
namespace {

using testing_support::KeySequence;

struct SequenceCase {
    const char* name;
    const char* keys;
    const char* display;  // LCD text exactly, then "E" and exponent while the label shows
    const char* events;
};

class KeySequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(KeySequenceTest, ShowsTheExpectedDisplay)
{
    KeySequence seq;
    const std::string events = seq.press(GetParam().keys);
    EXPECT_EQ(seq.shown(), GetParam().display);
    EXPECT_EQ(events, GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Entry, KeySequenceTest,
    testing::Values(
        SequenceCase{"DigitsAndPoint", "1 2 . 5", "12.5  ", ""},
        SequenceCase{"DelKeepsThePointTyped", "1 2 . 5 DEL 7", "12.7  ", ""},
        SequenceCase{"DelAfterPointResets", "5 . DEL", "0.  ", ""},
        SequenceCase{"DelWholeNumber", "1 2 3 DEL", "12.  ", ""},
        SequenceCase{"LeadingZerosIgnored", "0 0 5", "5.  ", ""},
        SequenceCase{"ZerosAfterPoint", "0 0 . 0 5", "0.05  ", ""},
        SequenceCase{"ThirteenDigitsFit", "1 2 3 4 5 6 7 8 9 0 1 2 3", "1234567890123.  ", ""},
        SequenceCase{"FourteenthDigitBeeps", "1 2 3 4 5 6 7 8 9 0 1 2 3 4", "1234567890123.  ", "beep"},
        SequenceCase{"FractionStopsAtTwelve", ". 1 2 3 4 5 6 7 8 9 0 1 2 3", "0.123456789012  ", "beep"},
        SequenceCase{"SecondPointIgnored", "1 . 2 . 3", "1.23  ", ""},
        SequenceCase{"ExponentEntry", "1 . 5 EXP 7", "1.5  E07", ""},
        SequenceCase{"ExponentKeepsTwoDigits", "1 EXP 4 2 9", "1.  E29", ""},
        SequenceCase{"PointIgnoredInExponent", "1 EXP 4 . 2", "1.  E42", ""},
        SequenceCase{"ExpAtStartEntersPi", "EXP", "3.1415926535897  ", ""},
        SequenceCase{"DelShortensExponent", "1 EXP 3 7 DEL", "1.  E03", ""},
        SequenceCase{"DelHidesZeroExponent", "1 EXP 7 DEL DEL", "1.  ", ""},
        SequenceCase{"DelOnResultShortensIt", "2 5 = DEL", "2.  ", ""},
        SequenceCase{"ClearKeepsPending", "2 + 3 C 4 =", "6.  ", ""},
        SequenceCase{"AllClearDropsPending", "2 + 3 AC 4 =", "4.  ", ""},
        SequenceCase{"DigitAfterResultStartsNew", "2 + 3 = 7", "7.  ", ""}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Evaluator, KeySequenceTest,
    testing::Values(
        SequenceCase{"Precedence", "2 + 3 * 4 =", "14.  ", ""},
        SequenceCase{"LeftToRight", "2 * 3 + 4 =", "10.  ", ""},
        SequenceCase{"SubtractionAssociatesLeft", "5 - 3 - 1 =", "1.  ", ""},
        SequenceCase{"IntermediateShown", "2 * 3 +", "6.  ", ""},
        SequenceCase{"FirstOperatorLeavesTypedText", "0 . 5 0 +", "0.50  ", ""},
        SequenceCase{"EqualsNormalises", "0 . 5 0 =", "0.5  ", ""},
        SequenceCase{"EqualsAppliesExponent", "2 EXP 3 =", "2000.  ", ""},
        SequenceCase{"Brackets", "2 * ( 3 + 4 ) =", "14.  ", ""},
        SequenceCase{"OpenBracketText", "2 * (", "(- 1", ""},
        SequenceCase{"NestedBracketText", "( (", "(- 2", ""},
        SequenceCase{"EqualsClosesBrackets", "( ( 1 + 2 =", "3.  ", ""},
        SequenceCase{"CloseWithoutOpenIgnored", "5 )", "5.  ", ""},
        SequenceCase{"OperatorAfterBracketReadsZero", "( + 3 ) =", "3.  ", ""},
        SequenceCase{"PowerChainsLeft", "2 ^ 3 ^ 2 =", "64.  ", ""},
        SequenceCase{"PowerBindsTighter", "2 * 3 ^ 2 =", "18.  ", ""},
        SequenceCase{"PowerThenDivide", "8 / 2 ^ 2 / 2 =", "1.  ", ""},
        SequenceCase{"RepeatedOperand", "2 + =", "4.  ", ""},
        SequenceCase{"SecondOperatorAddsOperation", "2 + * 3 =", "8.  ", ""},
        SequenceCase{"DisplayPrecisionLost", "1 / 3 = * 3 =", "0.9999999999999  ", ""},
        SequenceCase{"StackKeepsFullPrecision", "1 / 3 * 3 =", "1.  ", ""},
        SequenceCase{"ExponentReadOnceBeforeOperator", "2 EXP 3 * =", "4000.  ", ""},
        SequenceCase{"LargeResult", "1 EXP 9 9 =", "1.  E99", ""},
        SequenceCase{"ResultCutTo15Characters", "1 2 3 4 5 6 7 8 9 * 1 2 3 4 5 6 7 8 9 =",
                     "1.5241578750190  E16", ""},
        SequenceCase{"NegativeFifteenDigitsKeepsMagnitude", "0 - 1 2 3 4 5 6 7 8 9 0 1 2 3 * 1 0 0 =",
                     "-1.234567890123  E14", ""}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Errors, KeySequenceTest,
    testing::Values(
        SequenceCase{"DivideByZero", "1 / 0 =", "0.  ", "msg:!:Divided by Zero!"},
        SequenceCase{"DivideByZeroThenContinue", "1 / 0 + 5 =", "5.  ", "msg:!:Divided by Zero!"},
        SequenceCase{"DivideByZeroInBracket", "( 1 / 0 )", "0.  ", "msg:!:Divided by Zero!"},
        SequenceCase{"ExponentAbove99", "1 EXP 9 9 * 1 0 =", "0.  ", "msg:!:Out of Range!"},
        SequenceCase{"ExponentBelowMinus99", "1 EXP 9 9 NEG / 1 0 =", "0.  ", "msg:!:Out of Range!"},
        SequenceCase{"DoubleOverflow", "9 EXP 9 9 ^ 9 =", "0.  ", "msg:!:Out of Range!"},
        SequenceCase{"NegativeBaseFractionalPower", "0 - 8 = ^ 0 . 5 =", "0.  ", "msg:!:Out of Range!"},
        SequenceCase{"ZeroToNegativePower", "0 ^ ( 0 - 1 ) =", "0.  ", "msg:!:Out of Range!"}),
    [](const auto& info) { return info.param.name; });

TEST(EvaluatorTest, ErrorLeavesNothingPending)
{
    KeySequence seq;
    seq.press("2 + ( 3 * ( 1 / 0 )");
    EXPECT_EQ(seq.calc.OpenBrackets, 0);
    EXPECT_TRUE(seq.calc.Stack.StackIsEmpty());
    EXPECT_EQ(seq.press("7 ="), "");
    EXPECT_EQ(seq.shown(), "7.  ");
}

TEST(EvaluatorTest, StackAlternatesOperandsAndCodes)
{
    KeySequence seq;
    seq.press("2 + ( 3 * 4 ^");
    EXPECT_EQ(seq.calc.Stack.Entries(), (std::vector<double>{2, 1, 1, 0, 3, 3, 4, 5}));
    EXPECT_EQ(seq.calc.OpenBrackets, 1);
}

TEST(EntryTest, ExponentLabelOutlivesTheFirstRead)
{
    // The operator reads the exponent once; the label stays until the next entry,
    // and the second read ignores it.
    KeySequence seq;
    seq.press("2 EXP 3 *");
    EXPECT_EQ(seq.shown(), "2.  E03");
    EXPECT_FALSE(seq.calc.ExpShown);
    EXPECT_EQ(seq.calc.GetDisplayValue(), 2);
}

TEST(EntryTest, GetDisplayTextKeepsPointAndExponent)
{
    KeySequence seq;
    seq.press("4 2 =");
    EXPECT_EQ(seq.calc.GetDisplayText(), "42.");
    seq.press("1 . 5 EXP 7 NEG");
    EXPECT_EQ(seq.calc.GetDisplayText(), "1.5E-07");
}

TEST(EntryTest, DelRepeatedlyOnBracketTextResets)
{
    KeySequence seq;
    seq.press("( DEL DEL");
    EXPECT_EQ(seq.shown(), "(  ");
    seq.press("DEL");
    EXPECT_EQ(seq.shown(), "0.  ");
    EXPECT_TRUE(seq.calc.NewEntry);
}

TEST(EntryTest, UnknownTokenPressesNothing)
{
    KeySequence seq;
    EXPECT_EQ(seq.press("1 FOO"), "unknown:FOO");
    EXPECT_EQ(seq.shown(), "1.  ");
}

}  // namespace
}  // namespace trellum
