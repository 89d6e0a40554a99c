// SPDX-License-Identifier: MIT
#include "engine/number_text.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "testing/row_name.h"

namespace trellum {
namespace {

using testing_support::PrintTo;

constexpr double kInf = std::numeric_limits<double>::infinity();

struct NumberTextCase {
    const char* name;
    double value;
    const char* text;
};

class NumberTextTest : public testing::TestWithParam<NumberTextCase> {};

TEST_P(NumberTextTest, FormatsFifteenSignificantDigits)
{
    EXPECT_EQ(numberText(GetParam().value), GetParam().text);
}

const NumberTextCase kNumberTexts[] = {
    {"Zero", 0.0, "0"}, {"NegativeZero", -0.0, "0"}, {"NegativeFraction", -2.5, "-2.5"},
    {"OneThird", 1.0 / 3, "0.333333333333333"}, {"NearlyThree", 2.9999999999999996, "3"},
    {"SmallestPlain", 0.0001, "0.0001"}, {"FirstScientificBelow", 0.00001, "1E-05"},
    {"NegativeExponent", 1.5e-7, "1.5E-07"}, {"DenormalRange", 4.9e-324, "4.94065645841247E-324"},
    {"LargestPlain", 999999999999999.0, "999999999999999"}, {"FirstScientificAbove", 1e15, "1E+15"},
    {"RoundingCarriesIntoExponent", 9.999999999999999e14, "1E+15"}, {"ThreeDigitExponent", 1e100, "1E+100"},
    {"RoundsToFifteenDigits", 123456789012345678.0, "1.23456789012346E+17"},
};
INSTANTIATE_TEST_SUITE_P(Table, NumberTextTest, testing::ValuesIn(kNumberTexts), testing_support::RowName());

struct ValueCase {
    const char* name;
    std::string text;
    double value;
};

class ValueOfTextTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueOfTextTest, ReadsTheLeadingNumber)
{
    EXPECT_EQ(valueOfText(GetParam().text), GetParam().value);
}

// 400 zeros: past the range of a double whichever side of the point they stand.
const std::string kZeros(400, '0');

const ValueCase kValues[] = {
    {"WholeWithPoint", "5.", 5}, {"PointThenExponent", "5.E-03", 0.005}, {"BracketText", "(- 1", 0}, {"ExponentZero", "5.E00", 5}, {"LowercaseExponent", "2.5e3", 2500}, {"TrailingGarbage", "12abc", 12}, {"DanglingExponent", "3E", 3},
    {"LeadingBlanks", "  -4.5", -4.5}, {"LeadingPoint", ".25", 0.25},
    {"Underflow", "1E-400", 0}, {"Overflow", "1E400", kInf}, {"NegativeOverflow", "-9E999", -kInf},
    {"LongFractionUnderflows", "0." + kZeros + "1", 0},
    {"TinyDespitePositiveExponent", "0." + kZeros + "1E+5", 0},
    {"HugeDespiteNegativeExponent", "1" + kZeros + "E-5", kInf},
    {"LongFractionInRange", "0." + std::string(300, '0') + "1E+300", 0.1},
};
INSTANTIATE_TEST_SUITE_P(Table, ValueOfTextTest, testing::ValuesIn(kValues), testing_support::RowName());

struct NumericCase {
    const char* name;
    const char* text;
    bool numeric;
};

class IsNumericTest : public testing::TestWithParam<NumericCase> {};

TEST_P(IsNumericTest, AcceptsOnlyNumberTexts)
{
    EXPECT_EQ(isNumeric(GetParam().text), GetParam().numeric);
}

const NumericCase kNumericTexts[] = {
    {"Plain", "3.14", true}, {"Exponent", "-2.5E-3", true}, {"LowerExponentNoSign", "1e5", true},
    {"TrailingPoint", "42.", true}, {"LeadingPoint", ".5", true}, {"Blanks", "  7  ", true},
    {"Empty", "", false}, {"PointOnly", ".", false}, {"SignOnly", "-", false}, {"TwoPoints", "1.2.3", false},
    {"ExponentWithoutDigits", "1E", false}, {"ExponentSignOnly", "1E+", false}, {"InnerBlank", "1 2", false},
    {"DecimalComma", "1,5", false}, {"Infinity", "inf", false},
    {"DoubleSign", "--1", false},
};
INSTANTIATE_TEST_SUITE_P(Table, IsNumericTest, testing::ValuesIn(kNumericTexts), testing_support::RowName());

}  // namespace
}  // namespace trellum
