// SPDX-License-Identifier: MIT
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace trellum {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberText, FormatsFifteenSignificantDigits)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0.0, "0"}, {-0.0, "0"}, {-2.5, "-2.5"}, {1.0 / 3, "0.333333333333333"}, {2.9999999999999996, "3"},
        {0.0001, "0.0001"}, {0.00001, "1E-05"}, {1.5e-7, "1.5E-07"}, {4.9e-324, "4.94065645841247E-324"},
        {999999999999999.0, "999999999999999"}, {1e15, "1E+15"}, {9.999999999999999e14, "1E+15"},
        {1e100, "1E+100"}, {123456789012345678.0, "1.23456789012346E+17"},
    };
    for (const auto& row : rows) EXPECT_EQ(numberText(row.value), row.text) << row.text;
}

TEST(NumberText, ValueOfTextReadsTheLeadingNumber)
{
    // 400 zeros: past the range of a double whichever side of the point they stand.
    const std::string zeros(400, '0');
    const struct {
        std::string text;
        double value;
    } rows[] = {
        {"5.", 5}, {"5.E-03", 0.005}, {"(- 1", 0}, {"5.E00", 5}, {"2.5e3", 2500}, {"12abc", 12}, {"3E", 3},
        {"  -4.5", -4.5}, {".25", 0.25}, {"1E-400", 0}, {"1E400", kInf}, {"-9E999", -kInf},
        {"0." + zeros + "1", 0}, {"0." + zeros + "1E+5", 0}, {"1" + zeros + "E-5", kInf},
        {"0." + std::string(300, '0') + "1E+300", 0.1},
    };
    for (const auto& row : rows) EXPECT_EQ(valueOfText(row.text), row.value) << row.text.substr(0, 20);
}

TEST(NumberText, IsNumericAcceptsOnlyNumberTexts)
{
    const struct {
        const char* text;
        bool numeric;
    } rows[] = {
        {"3.14", true}, {"-2.5E-3", true}, {"1e5", true}, {"42.", true}, {".5", true}, {"  7  ", true},
        {"", false}, {".", false}, {"-", false}, {"1.2.3", false}, {"1E", false}, {"1E+", false},
        {"1 2", false}, {"1,5", false}, {"inf", false}, {"--1", false},
    };
    for (const auto& row : rows) EXPECT_EQ(isNumeric(row.text), row.numeric) << '"' << row.text << '"';
}

}  // namespace
}  // namespace trellum
