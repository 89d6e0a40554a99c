// Number entry, the evaluator and paste, driven key by key as a user would. The walks in
// tests/golden/evaluator.keys and paste.keys are not repeated here.

#include <gtest/gtest.h>

#include "testing/key_sequence.h"

namespace trellum {
namespace {

using testing_support::KeySequence;
using testing_support::PrintTo;

struct SequenceCase {
    const char* name;
    const char* keys;
    const char* display;     // LCD text exactly, then "E" and exponent while the label shows
    const char* events = "";
    char separator = '.';    // the locale's decimal separator
};

class KeySequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(KeySequenceTest, ShowsTheExpectedDisplay)
{
    KeySequence seq;
    seq.toolkit.separator = GetParam().separator;
    EXPECT_EQ(seq.press(GetParam().keys), GetParam().events);
    EXPECT_EQ(seq.shown(), GetParam().display);
}

const SequenceCase kEntry[] = {
    {"DelKeepsThePointTyped", "1 2 . 5 DEL 7", "12.7  "},
    {"DelAfterPointResets", "5 . DEL", "0.  "},
    {"DelWholeNumber", "1 2 3 DEL", "12.  "},
    {"DelOfOnlyDigitStartsNewEntry", "1 DEL 5", "5.  "},
    {"DelEmptiesBracketText", "( DEL DEL", "(  "},
    {"DelPastBracketTextResets", "( DEL DEL DEL", "0.  "},
    {"LeadingZerosIgnored", "0 0 5", "5.  "},
    {"ZerosAfterPoint", "0 0 . 0 5", "0.05  "},
    {"ThirteenDigitsFit", "1 2 3 4 5 6 7 8 9 0 1 2 3", "1234567890123.  "},
    {"FourteenthDigitBeeps", "1 2 3 4 5 6 7 8 9 0 1 2 3 4", "1234567890123.  ", "beep"},
    {"FractionStopsAtTwelve", ". 1 2 3 4 5 6 7 8 9 0 1 2 3", "0.123456789012  ", "beep"},
    {"SecondPointIgnored", "1 . 2 . 3", "1.23  "},
    {"ExponentKeepsTwoDigits", "1 EXP 4 2 9", "1.  E29"},
    {"PointIgnoredInExponent", "1 EXP 4 . 2", "1.  E42"},
    {"ExpAtStartEntersPi", "EXP", "3.1415926535897  "},
    {"DelShortensExponent", "1 EXP 3 7 DEL", "1.  E03"},
    {"DelHidesZeroExponent", "1 EXP 7 DEL DEL", "1.  "},
    {"DelOnResultShortensIt", "2 5 = DEL", "2.  "},
    {"ClearKeepsPending", "2 + 3 C 4 =", "6.  "},
    {"AllClearDropsPending", "2 + 3 AC 4 =", "4.  "},
    {"DigitAfterResultStartsNew", "2 + 3 = 7", "7.  "},
    {"CopyKeepsThePoint", "4 2 = COPY", "42.  ", "clip:42."},
    {"CopyKeepsTheExponent", "1 . 5 EXP 7 NEG COPY", "1.5  E-07", "clip:1.5E-07"},
    {"UnknownTokenPressesNothing", "1 FOO", "1.  ", "unknown:FOO"},
};
INSTANTIATE_TEST_SUITE_P(Entry, KeySequenceTest, testing::ValuesIn(kEntry), testing_support::RowName());

const SequenceCase kEvaluator[] = {
    {"FirstOperatorLeavesTypedText", "0 . 5 0 +", "0.50  "},
    {"EqualsNormalises", "0 . 5 0 =", "0.5  "},
    {"EqualsAppliesExponent", "2 EXP 3 =", "2000.  "},
    {"NestedBracketText", "( (", "(- 2"},
    {"EqualsClosesBrackets", "( ( 1 + 2 =", "3.  "},
    {"CloseWithoutOpenIgnored", "5 )", "5.  "},
    {"OperatorAfterBracketReadsZero", "( + 3 ) =", "3.  "},
    {"PowerChainsLeft", "2 ^ 3 ^ 2 =", "64.  "},
    {"PowerThenDivide", "8 / 2 ^ 2 / 2 =", "1.  "},
    {"RepeatedOperand", "2 + =", "4.  "},
    {"SecondOperatorAddsOperation", "2 + * 3 =", "8.  "},
    {"DisplayPrecisionLost", "1 / 3 = * 3 =", "0.9999999999999  "},
    {"StackKeepsFullPrecision", "1 / 3 * 3 =", "1.  "},
    // The operator reads the exponent once; its label stays until the next entry.
    {"ExponentLabelOutlivesTheRead", "2 EXP 3 *", "2.  E03"},
    {"ExponentReadOnceBeforeOperator", "2 EXP 3 * =", "4000.  "},
    {"LargeResult", "1 EXP 9 9 =", "1.  E99"},
    {"ResultCutTo15Characters", "1 2 3 4 5 6 7 8 9 * 1 2 3 4 5 6 7 8 9 =", "1.5241578750190  E16"},
    {"NegativeFifteenDigitsKeepsMagnitude", "0 - 1 2 3 4 5 6 7 8 9 0 1 2 3 * 1 0 0 =", "-1.234567890123  E14"},
};
INSTANTIATE_TEST_SUITE_P(Evaluator, KeySequenceTest, testing::ValuesIn(kEvaluator), testing_support::RowName());

// Every pair of operator levels the golden walk leaves out, each with operands for
// which the wrong order of reduction shows another number; then chains, and
// brackets that stop a reduction.
const SequenceCase kPrecedence[] = {
    {"PlusThenOver", "8 + 4 / 2 =", "10.  "},
    {"MinusThenPlus", "8 - 4 + 2 =", "6.  "},
    {"MinusThenOver", "8 - 4 / 2 =", "6.  "},
    {"MinusThenPower", "2 - 3 ^ 2 =", "-7.  "},
    {"TimesThenPlus", "8 * 4 + 2 =", "34.  "},
    {"TimesThenMinus", "8 * 4 - 2 =", "30.  "},
    {"OverThenPlus", "8 / 4 + 2 =", "4.  "},
    {"OverThenTimes", "8 / 4 * 2 =", "4.  "},
    {"OverThenOver", "8 / 4 / 2 =", "1.  "},
    {"OverThenPower", "2 / 3 ^ 2 =", "0.2222222222222  "},
    {"PowerThenPlus", "2 ^ 3 + 2 =", "10.  "},
    {"PowerThenMinus", "2 ^ 3 - 2 =", "6.  "},
    {"PowerThenOver", "2 ^ 3 / 2 =", "4.  "},
    {"ProductsBeforeTheSumAround", "1 + 2 * 3 - 4 / 2 =", "5.  "},
    {"PowerBeforeTimesBeforePlus", "2 + 3 * 2 ^ 2 =", "14.  "},
    {"PowerThenTimesUnderAMinus", "9 - 2 ^ 3 * 2 =", "-7.  "},
    {"LowLevelLeftToRight", "9 - 3 - 2 + 1 =", "5.  "},
    {"MinusAfterAProductChain", "2 * 3 * 4 - 5 =", "19.  "},
    {"PendingMinusWaitsForTheProductChain", "9 - 2 * 3 * 4 =", "-15.  "},
    {"BracketedMinusUnderMinus", "8 - ( 4 - 2 ) =", "6.  "},
    {"BracketedTimesUnderOver", "8 / ( 4 * 2 ) =", "1.  "},
    {"BracketStopsAMinusReduction", "8 - ( 4 * 2 - 1 ) =", "1.  "},
    {"NestedBracketsInAProduct", "2 * ( 3 + ( 4 - 1 ) * 2 ) =", "18.  "},
    {"CloseReducesOnlyItsBracket", "8 - 2 * ( 3 - 1 ) + 1 =", "5.  "},
    {"PowerOfABracket", "2 ^ ( 1 + 2 ) * 3 =", "24.  "},
    {"EqualsClosesBracketsAbovePendingMinus", "8 - ( 4 * ( 1 + 1 =", "0.  "},
    {"TimesLeavesAPendingMinusAlone", "5 - 2 *", "2.  "},
    {"MinusShowsTheProductBelowIt", "8 - 4 * 2 -", "0.  "},
    {"PowerLeavesAPendingTimesAlone", "2 * 3 ^", "3.  "},
    {"TimesShowsThePowerBelowIt", "2 * 3 ^ 2 *", "18.  "},
};
INSTANTIATE_TEST_SUITE_P(Precedence, KeySequenceTest, testing::ValuesIn(kPrecedence), testing_support::RowName());

const SequenceCase kErrors[] = {
    {"DivideByZero", "1 / 0 =", "0.  ", "msg:!:Divided by Zero!"},
    {"DivideByZeroInBracket", "( 1 / 0 )", "0.  ", "msg:!:Divided by Zero!"},
    // The error presses AC: nothing pending and no bracket left open.
    {"ErrorDropsPending", "2 + ( 3 * ( 1 / 0 ) 7 =", "7.  ", "msg:!:Divided by Zero!"},
    {"ErrorClosesBrackets", "( ( 1 / 0 ) (", "(- 1", "msg:!:Divided by Zero!"},
    {"ExponentAbove99", "1 EXP 9 9 * 1 0 =", "0.  ", "msg:!:Out of Range!"},
    {"ExponentBelowMinus99", "1 EXP 9 9 NEG / 1 0 =", "0.  ", "msg:!:Out of Range!"},
    {"DoubleOverflow", "9 EXP 9 9 ^ 9 =", "0.  ", "msg:!:Out of Range!"},
    {"NegativeBaseFractionalPower", "0 - 8 = ^ 0 . 5 =", "0.  ", "msg:!:Out of Range!"},
    {"ZeroToNegativePower", "0 ^ ( 0 - 1 ) =", "0.  ", "msg:!:Out of Range!"},
};
INSTANTIATE_TEST_SUITE_P(Errors, KeySequenceTest, testing::ValuesIn(kErrors), testing_support::RowName());

// Paste under the user's locale: the locale's decimal comma and the typographic
// minus sign are read as the calculator's own "." and "-"; anything else is
// judged by the exact numeric test, whatever the locale.
constexpr const char* kNotANumber = "msg:!:Importing data is not a number ";
#define MINUS "\xE2\x88\x92"   // U+2212

const SequenceCase kPastes[] = {
    {"DecimalCommaUnderCommaLocale", "7 PASTE:1,5", "1.5  ", "", ','},
    {"DecimalCommaWithExponent", "7 PASTE:-2,5E-3", "-2.5  E-3", "", ','},
    {"PointStillReadUnderCommaLocale", "7 PASTE:2.25", "2.25  ", "", ','},
    {"LeadingCommaUnderCommaLocale", "7 PASTE:,5", ".5  ", "", ','},
    {"DecimalCommaUnderPointLocale", "7 PASTE:1,5", "7.  ", kNotANumber},
    {"GroupedNumberUnderCommaLocale", "7 PASTE:1.234,5", "7.  ", kNotANumber, ','},
    {"TwoCommasUnderCommaLocale", "7 PASTE:1,2,3", "7.  ", kNotANumber, ','},
    {"CommaAloneUnderCommaLocale", "7 PASTE:,", "7.  ", kNotANumber, ','},
    {"TypographicMinusUnderPointLocale", "7 PASTE:" MINUS "5", "-5.  "},
    {"TypographicMinusUnderCommaLocale", "7 PASTE:" MINUS "0,5", "-0.5  ", "", ','},
    {"TypographicMinusInExponent", "7 PASTE:1E" MINUS "07", "1.  E-07"},
    {"TypographicMinusAlone", "7 PASTE:" MINUS, "7.  ", kNotANumber},
    {"EnDashIsNoMinus", "7 PASTE:\xE2\x80\x93" "5", "7.  ", kNotANumber},
};
INSTANTIATE_TEST_SUITE_P(Paste, KeySequenceTest, testing::ValuesIn(kPastes), testing_support::RowName());

}  // namespace
}  // namespace trellum
