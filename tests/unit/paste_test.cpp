// Paste under the user's locale: the locale's decimal comma and the typographic
// minus sign are read as the calculator's own "." and "-"; anything else is
// judged by the exact numeric test, whatever the locale.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "testing/key_sequence.h"

namespace trellum {
namespace {

constexpr const char* kNotANumber = "msg:!:Importing data is not a number ";
#define MINUS "\xE2\x88\x92"   // U+2212

struct PasteCase {
    const char* name;
    char separator;        // the locale's decimal separator
    const char* pasted;
    const char* shown;     // mantissa, then "E" and the exponent while shown
    const char* events = "";
};

void PrintTo(const PasteCase& row, std::ostream* os) { *os << row.pasted; }

class Paste : public testing::TestWithParam<PasteCase> {};

TEST_P(Paste, ReadsTheLocalesFormsAndNoOthers)
{
    const PasteCase& row = GetParam();
    testing_support::KeySequence k;
    k.toolkit.separator = row.separator;
    k.press("7");
    EXPECT_EQ(k.press(std::string("PASTE:") + row.pasted), row.events);
    EXPECT_EQ(k.shown(), row.shown);
}

const PasteCase kPastes[] = {
    {"DecimalCommaUnderCommaLocale", ',', "1,5", "1.5  "},
    {"DecimalCommaWithExponent", ',', "-2,5E-3", "-2.5  E-3"},
    {"PointStillReadUnderCommaLocale", ',', "2.25", "2.25  "},
    {"LeadingCommaUnderCommaLocale", ',', ",5", ".5  "},
    {"DecimalCommaUnderPointLocale", '.', "1,5", "7.  ", kNotANumber},
    {"GroupedNumberUnderCommaLocale", ',', "1.234,5", "7.  ", kNotANumber},
    {"TwoCommasUnderCommaLocale", ',', "1,2,3", "7.  ", kNotANumber},
    {"CommaAloneUnderCommaLocale", ',', ",", "7.  ", kNotANumber},
    {"TypographicMinusUnderPointLocale", '.', MINUS "5", "-5.  "},
    {"TypographicMinusUnderCommaLocale", ',', MINUS "0,5", "-0.5  "},
    {"TypographicMinusInExponent", '.', "1E" MINUS "07", "1.  E-07"},
    {"TypographicMinusAlone", '.', MINUS, "7.  ", kNotANumber},
    {"EnDashIsNoMinus", '.', "\xE2\x80\x93" "5", "7.  ", kNotANumber},
};
INSTANTIATE_TEST_SUITE_P(Table, Paste, testing::ValuesIn(kPastes), testing_support::RowName());

}  // namespace
}  // namespace trellum
