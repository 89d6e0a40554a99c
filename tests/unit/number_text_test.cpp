#include "engine/number_text.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace trellum {
namespace {

struct NumberTextCase {
    const char* name;
    double value;
    const char* text;
};

class NumberTextTest : public testing::TestWithParam<NumberTextCase> {};

TEST_P(NumberTextTest, FormatsFifteenSignificantDigits)
{
    EXPECT_EQ(NumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberTextTest,
    testing::Values(NumberTextCase{"Zero", 0.0, "0"}, NumberTextCase{"NegativeZero", -0.0, "0"},
                    NumberTextCase{"Whole", 5, "5"}, NumberTextCase{"NegativeFraction", -2.5, "-2.5"},
                    NumberTextCase{"OneThird", 1.0 / 3, "0.333333333333333"},
                    NumberTextCase{"SmallestPlain", 0.0001, "0.0001"},
                    NumberTextCase{"FirstScientificBelow", 0.00001, "1E-05"},
                    NumberTextCase{"NegativeExponent", 1.5e-7, "1.5E-07"},
                    NumberTextCase{"LargestPlain", 999999999999999.0, "999999999999999"},
                    NumberTextCase{"FirstScientificAbove", 1e15, "1E+15"},
                    NumberTextCase{"RoundsToFifteenDigits", 123456789012345678.0, "1.23456789012346E+17"},
                    NumberTextCase{"ThreeDigitExponent", 1e100, "1E+100"},
                    NumberTextCase{"RoundingCarriesIntoExponent", 9.999999999999999e14, "1E+15"},
                    NumberTextCase{"NearlyThree", 2.9999999999999996, "3"},
                    NumberTextCase{"PlainWithFraction", 12345.678, "12345.678"},
                    NumberTextCase{"NegativeSmall", -0.000123, "-0.000123"},
                    NumberTextCase{"DenormalRange", 4.9e-324, "4.94065645841247E-324"}),
    [](const auto& info) { return info.param.name; });

struct ValueCase {
    const char* name;
    std::string text;
    double value;
};

// 400 zeros: past the range of a double whichever side of the point they stand.
const std::string kZeros(400, '0');

class ValueOfTextTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueOfTextTest, ReadsTheLeadingNumber)
{
    EXPECT_EQ(ValueOfText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueOfTextTest,
    testing::Values(ValueCase{"WholeWithPoint", "5.", 5}, ValueCase{"PointThenExponent", "5.E-03", 0.005},
                    ValueCase{"ResetDisplay", "0.", 0}, ValueCase{"BracketText", "(- 1", 0},
                    ValueCase{"Empty", "", 0}, ValueCase{"ExponentZero", "5.E00", 5},
                    ValueCase{"LowercaseExponent", "2.5e3", 2500}, ValueCase{"PlusSign", "+7", 7},
                    ValueCase{"TrailingGarbage", "12abc", 12}, ValueCase{"DanglingExponent", "3E", 3},
                    ValueCase{"LeadingBlanks", "  -4.5", -4.5}, ValueCase{"PointOnly", ".", 0},
                    ValueCase{"LeadingPoint", ".25", 0.25}, ValueCase{"Underflow", "1E-400", 0},
                    ValueCase{"Overflow", "1E400", std::numeric_limits<double>::infinity()},
                    ValueCase{"NegativeOverflow", "-9E999", -std::numeric_limits<double>::infinity()},
                    ValueCase{"LongFractionUnderflows", "0." + kZeros + "1", 0},
                    ValueCase{"TinyDespitePositiveExponent", "0." + kZeros + "1E+5", 0},
                    ValueCase{"HugeDespiteNegativeExponent", "1" + kZeros + "E-5",
                              std::numeric_limits<double>::infinity()},
                    ValueCase{"LongFractionInRange", "0." + std::string(300, '0') + "1E+300", 0.1}),
    [](const auto& info) { return info.param.name; });

TEST(ValueOfTextTest, IgnoresTheLocaleDecimalComma)
{
    // Qt applications switch LC_NUMERIC to the user's locale; texts keep ".".
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C.UTF-8");
    EXPECT_EQ(ValueOfText("1.5"), 1.5);
    EXPECT_EQ(NumberText(1.5), "1.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct NumericCase {
    const char* name;
    const char* text;
    bool numeric;
};

class IsNumericTest : public testing::TestWithParam<NumericCase> {};

TEST_P(IsNumericTest, AcceptsOnlyNumberTexts)
{
    EXPECT_EQ(IsNumeric(GetParam().text), GetParam().numeric);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsNumericTest,
    testing::Values(NumericCase{"Plain", "3.14", true}, NumericCase{"Exponent", "-2.5E-3", true},
                    NumericCase{"LowerExponentNoSign", "1e5", true}, NumericCase{"TrailingPoint", "42.", true},
                    NumericCase{"LeadingPoint", ".5", true}, NumericCase{"Blanks", "  7  ", true},
                    NumericCase{"TrailingNewline", "7\n", true}, NumericCase{"Empty", "", false},
                    NumericCase{"OnlyBlanks", "   ", false}, NumericCase{"Word", "abc", false},
                    NumericCase{"PointOnly", ".", false}, NumericCase{"SignOnly", "-", false},
                    NumericCase{"TwoPoints", "1.2.3", false}, NumericCase{"ExponentWithoutDigits", "1E", false},
                    NumericCase{"ExponentSignOnly", "1E+", false}, NumericCase{"InnerBlank", "1 2", false},
                    NumericCase{"DecimalComma", "1,5", false}, NumericCase{"Hex", "0x1F", false},
                    NumericCase{"Infinity", "inf", false}, NumericCase{"DoubleSign", "--1", false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace trellum
