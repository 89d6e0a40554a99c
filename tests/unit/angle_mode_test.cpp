// MODE, SHIFT and hyp, and the angle conversions the trigonometric keys rely on.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "engine/number_text.h"
#include "functions/functions.h"
#include "key_sequence.h"

namespace trellum {
namespace {

using testing_support::KeySequence;

TEST(Mode, CyclesThroughRadiansAndGradsBackToDegrees)
{
    KeySequence k;
    const std::array<std::array<bool, 3>, 4> expected{{{true, false, false},
                                                        {false, true, false},
                                                        {false, false, true},
                                                        {true, false, false}}};
    const std::array<int16_t, 4> modes{0, 1, 2, 0};
    for (std::size_t press = 0; press < expected.size(); ++press) {
        EXPECT_EQ(k.calc.AngleMode, modes[press]) << "after " << press << " presses";
        EXPECT_EQ(k.calc.ModeDisplayVisible, expected[press]) << "after " << press << " presses";
        k.press("MODE");
    }
}

TEST(Mode, LeavesDisplayEntryAndPrefixesAlone)
{
    KeySequence k;
    k.press("1 8 SHIFT HYP MODE");
    EXPECT_EQ(k.calc.LcdText, "18.  ");
    EXPECT_FALSE(k.calc.NewEntry);
    EXPECT_TRUE(k.calc.ShiftIndicatorVisible);
    EXPECT_TRUE(k.calc.HypIndicatorVisible);
    k.press("SHIFT HYP 0");
    EXPECT_EQ(k.calc.LcdText, "180.  ");
}

TEST(Mode, AppliesToTheNextTrigKey)
{
    KeySequence k;
    k.press("1 8 0 MODE SIN");
    EXPECT_NEAR(ValueOfText(k.calc.GetDisplayText()), std::sin(180.0), 1e-11);
}

TEST(Mode, SurvivesClearAndErrors)
{
    KeySequence k;
    k.press("MODE MODE AC 0 INV 2 SHIFT SIN");
    EXPECT_EQ(k.calc.AngleMode, 2);
    EXPECT_EQ(k.calc.ModeDisplayVisible, (std::array<bool, 3>{false, false, true}));
}

TEST(Mode, DamagedModeRestartsAtDegrees)
{
    KeySequence k;
    k.calc.AngleMode = 9;
    k.press("MODE");
    EXPECT_EQ(k.calc.AngleMode, 0);
    EXPECT_EQ(k.calc.ModeDisplayVisible, (std::array<bool, 3>{true, false, false}));
}

struct PrefixCase {
    const char* name;
    const char* keys;
    const char* shown;
    bool shift;
    bool hyp;
};

class PrefixKeys : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(PrefixKeys, IndicatorsFollowFlags)
{
    const PrefixCase& c = GetParam();
    KeySequence k;
    EXPECT_EQ(k.press(c.keys), "");
    EXPECT_EQ(k.shown(), c.shown);
    EXPECT_EQ(k.calc.ShiftOn, c.shift);
    EXPECT_EQ(k.calc.ShiftIndicatorVisible, c.shift);
    EXPECT_EQ(k.calc.HypOn, c.hyp);
    EXPECT_EQ(k.calc.HypIndicatorVisible, c.hyp);
}

const PrefixCase kPrefixCases[] = {
    {"ShiftArms", "SHIFT", "0.  ", true, false},
    {"ShiftTwiceDisarms", "SHIFT SHIFT", "0.  ", false, false},
    {"HypArms", "HYP", "0.  ", false, true},
    {"HypTwiceDisarms", "HYP HYP", "0.  ", false, false},
    {"BothArmedAtOnce", "SHIFT HYP", "0.  ", true, true},
    {"HypIgnoredByLog", "1 0 0 HYP LOG", "2.  ", false, true},
    {"ShiftSurvivesSquareThenSelectsPowerOfTen", "2 SHIFT X2", "4.  ", true, false},
    {"PowerOfTenAfterSquare", "2 SHIFT X2 LOG", "10000.  ", false, false},
    {"DigitAfterResultDropsShift", "4 X2 SHIFT 5", "5.  ", false, false},
    {"PointAfterResultDropsHyp", "4 X2 HYP .", "0.  ", false, false},
    {"DigitDuringEntryKeepsShift", "4 SHIFT 5", "45.  ", true, false},
    {"ClearDropsBoth", "4 SHIFT HYP C", "0.  ", false, false},
};
INSTANTIATE_TEST_SUITE_P(Sequences, PrefixKeys, ::testing::ValuesIn(kPrefixCases),
                         [](const ::testing::TestParamInfo<PrefixCase>& info) { return std::string(info.param.name); });

TEST(PrefixKeys, EveryKeyGivesFocusBack)
{
    KeySequence k;
    const int before = k.toolkit.FocusCount;
    k.press("MODE SHIFT HYP");
    EXPECT_EQ(k.toolkit.FocusCount, before + 3);
}

// ---- Conversions: bit-exact, because the product is formed before the division ----

struct ConversionCase {
    const char* name;
    double (*convert)(double);
    double argument;
    double result;
};

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, BitExact)
{
    const ConversionCase& c = GetParam();
    EXPECT_EQ(c.convert(c.argument), c.result) << std::hexfloat << c.convert(c.argument);
}

// The odd arguments give a different last bit if the division came first.
const ConversionCase kConversionCases[] = {
    {"DegreesOneEightyIsPi", DegToRad, 180, Pi},
    {"RadiansPiIsOneEighty", RadToDeg, Pi, 180},
    {"GradsTwoHundredIsPi", GradToRad, 200, Pi},
    {"RadiansPiIsTwoHundredGrads", RadToGrad, Pi, 200},
    {"DegreesThirteenProductFirst", DegToRad, 13, 0x1.d0ad2c7c63f75p-3},
    {"GradsThirteenProductFirst", GradToRad, 13, 0x1.a23574d659f83p-3},
    {"RadiansToDegreesProductFirst", RadToDeg, 19 / 7.0, 0x1.3708c367a8ccap+7},
    {"RadiansToGradsProductFirst", RadToGrad, 5 / 7.0, 0x1.6bc860cd13462p+5},
};
INSTANTIATE_TEST_SUITE_P(Angles, Conversion, ::testing::ValuesIn(kConversionCases),
                         [](const ::testing::TestParamInfo<ConversionCase>& info) {
                             return std::string(info.param.name);
                         });

struct RoundCase {
    const char* name;
    double value;
    int16_t places;
    double result;
};

class Rounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(Rounding, BitExact)
{
    const RoundCase& c = GetParam();
    double x = c.value;
    RoundToPlaces(x, c.places);
    EXPECT_EQ(x, c.result) << std::hexfloat << x;
}

const RoundCase kRoundCases[] = {
    {"HalfGoesUp", 2.5, 0, 3},
    {"NegativeHalfGoesTowardsPlusInfinity", -2.5, 0, -2},
    {"ConversionNoiseRemoved", 45.000000000000043, 9, 45},
    {"BelowHalfOfLastPlaceIsZero", 1e-10, 9, 0},
    {"NinePlacesDividedByPowerOfTen", 1.5707963267948966, 9, 1570796327.0 / 1e9},
    {"NegativeNinePlaces", -0.78539816339744828, 9, -785398163.0 / 1e9},
};
INSTANTIATE_TEST_SUITE_P(Places, Rounding, ::testing::ValuesIn(kRoundCases),
                         [](const ::testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trellum
