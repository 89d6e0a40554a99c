// MODE, SHIFT and hyp, and the angle conversions the trigonometric keys rely on.
// The mode cycle and the plain arming of a prefix are walked in tests/golden/functions.keys.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "functions/functions.h"
#include "testing/key_sequence.h"

namespace trellum {
namespace {

using testing_support::KeySequence;
using testing_support::PrintTo;

struct PrefixCase {
    const char* name;
    const char* keys;
    const char* shown;
    const char* labels;
    const char* events = "";
};

class PrefixKeys : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(PrefixKeys, Indicators)
{
    const PrefixCase& c = GetParam();
    KeySequence k;
    EXPECT_EQ(k.press(c.keys), c.events);
    EXPECT_EQ(k.shown(), c.shown);
    EXPECT_EQ(k.indicators(), c.labels);
}

const PrefixCase kPrefixCases[] = {
    {"ShiftTwiceDisarms", "SHIFT SHIFT", "0.  ", "D"},
    {"DigitAfterResultDropsShift", "4 X2 SHIFT 5", "5.  ", "D"},
    {"PointAfterResultDropsHyp", "4 X2 HYP .", "0.  ", "D"},
    {"DigitDuringEntryKeepsShift", "4 SHIFT 5", "45.  ", "S D"},
    {"ClearDropsBoth", "4 SHIFT HYP C", "0.  ", "D"},
    {"ModeLeavesEntryAndPrefixes", "1 8 SHIFT HYP MODE 0", "180.  ", "S hyp R"},
    {"ModeSurvivesClearAndErrors", "MODE MODE AC 0 INV 2 SHIFT SIN", "0.  ", "G",
     "msg:!:Divided by Zero! | msg:!:Out of Range"},
};
INSTANTIATE_TEST_SUITE_P(Sequences, PrefixKeys, ::testing::ValuesIn(kPrefixCases),
                         testing_support::RowName());

// ---- Bit-exact: conversions form the product before the division ----

template <int places>
double toPlaces(double x)
{
    roundToPlaces(x, places);
    return x;
}
constexpr auto toPlaces0 = toPlaces<0>;
constexpr auto toPlaces9 = toPlaces<9>;

struct ExactCase {
    const char* name;
    double (*convert)(double);
    double argument;
    double result;
};

class BitExact : public ::testing::TestWithParam<ExactCase> {};

TEST_P(BitExact, LastBitMatches)
{
    const ExactCase& c = GetParam();
    EXPECT_EQ(c.convert(c.argument), c.result) << std::hexfloat << c.convert(c.argument);
}

const ExactCase kExactCases[] = {
    {"DegreesOneEightyIsPi", degToRad, 180, Pi},
    {"RadiansPiIsOneEighty", radToDeg, Pi, 180},
    {"GradsTwoHundredIsPi", gradToRad, 200, Pi},
    {"RadiansPiIsTwoHundredGrads", radToGrad, Pi, 200},
    // The odd arguments give a different last bit if the division came first.
    {"DegreesThirteenProductFirst", degToRad, 13, 0x1.d0ad2c7c63f75p-3},
    {"GradsThirteenProductFirst", gradToRad, 13, 0x1.a23574d659f83p-3},
    {"RadiansToDegreesProductFirst", radToDeg, 19 / 7.0, 0x1.3708c367a8ccap+7},
    {"RadiansToGradsProductFirst", radToGrad, 5 / 7.0, 0x1.6bc860cd13462p+5},
    // Inverse results are rounded: halves go towards plus infinity, then divide by the power of ten.
    {"RoundHalfGoesUp", toPlaces0, 2.5, 3},
    {"RoundNegativeHalfGoesTowardsPlusInfinity", toPlaces0, -2.5, -2},
    {"RoundConversionNoiseRemoved", toPlaces9, 45.000000000000043, 45},
    {"RoundBelowHalfOfLastPlaceIsZero", toPlaces9, 1e-10, 0},
    {"RoundNinePlacesDividedByPowerOfTen", toPlaces9, 1.5707963267948966, 1570796327.0 / 1e9},
    {"RoundNegativeNinePlaces", toPlaces9, -0.78539816339744828, -785398163.0 / 1e9},
};
INSTANTIATE_TEST_SUITE_P(Functions, BitExact, ::testing::ValuesIn(kExactCases),
                         testing_support::RowName());

}  // namespace
}  // namespace trellum
