// The function keys driven through key tokens, as a user presses them: what the
// display shows afterwards, which message appeared, and which indicators stay lit
// (MODE, SHIFT and hyp among them); and the angle conversions the trigonometric keys rely on.
// Sequences already walked through in tests/golden/functions.keys and dms.keys are not repeated.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/key_table.h"
#include "engine/number_text.h"
#include "functions/functions.h"
#include "testing/key_sequence.h"

namespace trellum {
namespace {

constexpr const char* kTrigFailure = "msg:!:Out of Range";  // the trig keys' own text, without "!"
constexpr const char* kRange = "msg:!:Out of Range!";
constexpr const char* kNotInteger = "msg:!:Not a positive integer!";

using Keypad = testing_support::KeySequence;

// ---- Shown text, message and indicators after a key sequence ----

struct Row {
    const char* name;
    const char* keys;
    const char* shown;
    const char* events = "";      // "" when nothing but the display changed
    const char* indicators = "D";  // lit afterwards
};

void PrintTo(const Row& r, std::ostream* os) { *os << r.keys; }

class Shown : public testing::TestWithParam<Row> {};

TEST_P(Shown, DisplayMessageAndIndicators)
{
    const Row& r = GetParam();
    Keypad k;
    EXPECT_EQ(k.press(r.keys), r.events);
    EXPECT_EQ(k.shown(), r.shown);
    EXPECT_EQ(k.indicators(), r.indicators);
}

const Row kTrig[] = {
    // Inverse results are rounded to 9 places, which hides the short Pi.
    {"AcosHalfDegrees", "0 . 5 SHIFT COS", "60.  "},
    {"AsinOneEndPoint", "1 SHIFT SIN", "90.  "},
    {"AsinMinusOneEndPoint", "1 NEG SHIFT SIN", "-90.  "},
    {"AcosOneEndPoint", "1 SHIFT COS", "0.  "},
    {"AcosMinusOneEndPoint", "1 NEG SHIFT COS", "180.  "},
    {"AsinJustBelowMinusOneFails", "1 . 0 0 0 0 0 0 1 NEG SHIFT SIN", "0.  ", kTrigFailure},
    {"AcosTwoFails", "2 SHIFT COS", "0.  ", kTrigFailure},
    {"AsinTinyRadiansRoundsToZero", "MODE 1 EXP 1 0 NEG SHIFT SIN", "0.  ", "", "R"},
    {"AsinOneGrads", "MODE MODE 1 SHIFT SIN", "100.  ", "", "G"},
    {"TanFortyFiveIsNotOne", "4 5 TAN", "0.9999999999999  "},
    {"CoshOneClearsHyp", "1 HYP COS", "1.5430806348152  "},
    {"SinhBeyondNegativeLimitFails", "2 3 0 . 0 0 0 1 NEG HYP SIN", "0.  ", kTrigFailure},
    {"CoshBeyondLimitFails", "2 3 0 . 0 0 0 1 HYP COS", "0.  ", kTrigFailure},
    {"TanhZero", "0 HYP TAN", "0.  "},
    {"TanhSaturates", "7 0 9 HYP TAN", "1.  "},
    {"TanhExponentialOverflowFails", "7 1 0 HYP TAN", "0.  ", kTrigFailure},
    {"AcoshBelowOneFails", "0 . 5 SHIFT HYP COS", "0.  ", kTrigFailure},
    {"AcoshMinusTwoFails", "2 NEG SHIFT HYP COS", "0.  ", kTrigFailure},
    {"AtanhOneFails", "1 SHIFT HYP TAN", "0.  ", kTrigFailure},
    {"AtanhMinusOneFails", "1 NEG SHIFT HYP TAN", "0.  ", kTrigFailure},
    {"AtanhHalfRounded", "0 . 5 SHIFT HYP TAN", "0.549306144  "},
    {"AsinhOneRounded", "1 SHIFT HYP SIN", "0.881373587  "},
    {"InverseHyperbolicIgnoresAngleMode", "MODE 1 SHIFT HYP SIN", "0.881373587  ", "", "R"},
    // Beyond 2^63 radians no digit of a sine is meaningful.
    {"SinBeyondReductionRangeFails", "MODE 1 EXP 1 9 SIN", "0.  ", kTrigFailure, "R"},
    {"CosOfHugeDegreesFails", "1 EXP 2 1 COS", "0.  ", kTrigFailure},
    // A failure presses AC: pending operations and open brackets are gone.
    {"FailureDropsPendingOperations", "2 + ( 3 * ( 7 1 0 HYP TAN 4 + 1 =", "5.  ", kTrigFailure},
    {"FailureClosesBrackets", "( ( 7 1 0 HYP TAN (", "(- 1", kTrigFailure},
};
INSTANTIATE_TEST_SUITE_P(Trig, Shown, testing::ValuesIn(kTrig), testing_support::RowName());

const Row kLogs[] = {
    {"LogOfNegativeFailsAndClearsHyp", "5 NEG HYP LOG", "0.  ", kRange},
    {"LnOne", "1 LN", "0.  "},
    {"LnOfZeroFails", "0 LN", "0.  ", kRange},
    {"TenToTwoClearsShiftKeepsHyp", "2 SHIFT HYP LOG", "100.  ", "", "hyp D"},
    {"TenToLimitIsIncluded", "9 9 SHIFT LOG", "1.  E99"},
    {"TenBeyondLimitFails", "9 9 . 5 SHIFT LOG", "0.  ", kRange},
    {"TenToMinusTenRoundsToZero", "1 0 NEG SHIFT LOG", "0.  "},
    {"EToOneRounded", "1 SHIFT LN", "2.718281828  "},
    {"EBeyondLimitFails", "2 3 0 . 5 SHIFT LN", "0.  ", kRange},
    {"EToMinusTwentyFiveRoundsToZero", "2 5 NEG SHIFT LN", "0.  "},
};
INSTANTIATE_TEST_SUITE_P(Logs, Shown, testing::ValuesIn(kLogs), testing_support::RowName());

const Row kPowers[] = {
    {"SquareOfNegative", "3 NEG X2", "9.  "},
    {"SquareKeepsPrefixes", "3 SHIFT HYP X2", "9.  ", "", "S hyp D"},
    {"RootOfZero", "0 SQRT", "0.  "},
    {"RootOfTwoKeepsPrefixes", "2 SHIFT HYP SQRT", "1.4142135623731  ", "", "S hyp D"},
    {"ReciprocalKeepsHyp", "4 HYP INV", "0.25  ", "", "hyp D"},
    {"FactorialOfFiveKeepsHyp", "5 HYP SHIFT INV", "120.  ", "", "hyp D"},
    {"FactorialOfZero", "0 SHIFT INV", "1.  "},
    {"FactorialOfNegativeFailsAndClearsBoth", "2 NEG HYP SHIFT INV", "0.  ", kNotInteger},
    {"FactorialOfNegativeHalfIsNotPositive", "0 . 5 NEG SHIFT INV", "0.  ", kNotInteger},
    {"FactorialOfSeventyRefusedByDisplay", "7 0 SHIFT INV", "0.  ", kRange},
    {"FactorialOfLimitRefusedByDisplay", "7 9 SHIFT INV", "0.  ", kRange},
    // Whole-number test at magnitudes no 32-bit or 64-bit integer holds.
    {"FactorialOfLargeFractionFails", "4 2 9 4 9 6 7 2 9 6 . 5 SHIFT INV", "0.  ", kNotInteger},
    {"FactorialOfHugeWholeFails", "9 . 5 EXP 9 9 SHIFT INV", "0.  ", kRange},
};
INSTANTIATE_TEST_SUITE_P(Powers, Shown, testing::ValuesIn(kPowers), testing_support::RowName());

const Row kSignAndDms[] = {
    {"SignOfZeroUnchanged", "NEG", "0.  "},
    {"SignOfResultExponent", "1 . 5 EXP 2 0 = NEG", "1.5  E-20"},
    {"SignLeavesResultFinished", "2 X2 NEG 5", "5.  "},
    {"SignKeepsPrefixes", "5 SHIFT HYP NEG", "-5.  ", "", "S hyp D"},
    {"DmsPointKeepsTheStep", "1 0 DMS . 5 DMS", "10.008333333333  "},
    {"DmsResultAsNextPart", "1 0 DMS 3 X2 DMS", "10.15  "},
    {"DmsKeepsPrefixes", "3 0 DMS 1 5 SHIFT HYP DMS", "30.25  ", "", "S hyp D"},
    // The step moves on before the total is shown, so the refusal's AC abandons the angle.
    {"DmsRefusedTotalAbandonsAngle", "9 . 9 EXP 9 9 DMS 9 EXP 9 9 DMS 3 0 DMS 1 5 DMS", "30.25  ", kRange},
};
INSTANTIATE_TEST_SUITE_P(SignAndDms, Shown, testing::ValuesIn(kSignAndDms), testing_support::RowName());

// MODE, SHIFT and hyp themselves; the mode cycle and the plain arming of a
// prefix are walked in tests/golden/functions.keys.
const Row kPrefixes[] = {
    {"ShiftTwiceDisarms", "SHIFT SHIFT", "0.  "},
    {"DigitAfterResultDropsShift", "4 X2 SHIFT 5", "5.  "},
    {"PointAfterResultDropsHyp", "4 X2 HYP .", "0.  "},
    {"DigitDuringEntryKeepsShift", "4 SHIFT 5", "45.  ", "", "S D"},
    {"ClearDropsBoth", "4 SHIFT HYP C", "0.  "},
    {"ModeLeavesEntryAndPrefixes", "1 8 SHIFT HYP MODE 0", "180.  ", "", "S hyp R"},
    {"ModeSurvivesClearAndErrors", "MODE MODE AC 0 INV 2 SHIFT SIN", "0.  ",
     "msg:!:Divided by Zero! | msg:!:Out of Range", "G"},
};
INSTANTIATE_TEST_SUITE_P(Prefixes, Shown, testing::ValuesIn(kPrefixes), testing_support::RowName());

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

// Forward results whose last digits come from the maths library: compared by value.
TEST(Forward, ShownValueNearLibraryResult)
{
    const struct {
        const char* name;
        const char* keys;
        double value;
        double relativeError;
    } rows[] = {
        {"SinThirtyDegrees", "3 0 SIN", 0.5, 1e-15},
        // The short Pi leaves its error in forward results: not 0, not 1.
        {"CosNinetyDegrees", "9 0 COS", 1.6155445744325867e-15, 1e-6},
        {"TanNinetyDegreesNoMessage", "9 0 TAN", 6.189863905346e+14, 1e-6},
        {"SinOneEightyRadians", "MODE 1 8 0 SIN", -0.80115263573383, 1e-11},
        {"SinTwoHundredGrads", "MODE MODE 2 0 0 SIN", 3.2310891488651735e-15, 1e-6},
        {"SinhOfNegativeLimit", "2 3 0 NEG HYP SIN", -3.8610092499919e+99, 1e-11},
        {"TanhOfOne", "1 HYP TAN", 0.7615941559557649, 1e-11},
        {"SinJustInsideReductionRange", "MODE 9 EXP 1 8 SIN", std::sin(9e18), 1e-11},
        {"EToLimit", "2 3 0 SHIFT LN", 7.72201849998443e+99, 1e-11},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Keypad k;
        EXPECT_EQ(k.press(r.keys), "");
        k.press("COPY");
        EXPECT_NEAR(valueOfText(k.toolkit.clipboard), r.value, std::fabs(r.value) * r.relativeError);
    }
}

// Every key hands the keyboard back to "=" exactly once, whatever its command
// did on the way (a prefix spent, an error report, a refused point, a dialog);
// OFF closes the window instead.
TEST(Keys, GiveTheFocusBackOnce)
{
    // Each key after: nothing, a point typed, an exponent (a point is refused),
    // a pending division by zero, both prefixes on zero, SHIFT on 2.5 (acos and
    // the factorial refuse it). The constants dialog cannot load its file.
    const char* const histories[] = {"", "2 .", "2 EXP", "2 / 0", "0 SHIFT HYP", "2 . 5 SHIFT"};
    for (const KeyRow& row : keyTable()) {
        if (row.key == Key::Off) continue;
        for (const char* before : histories) {
            SCOPED_TRACE(std::string(row.name) + " after '" + before + "'");
            Keypad k;
            k.toolkit.folder = "/nonexistent-trellum-folder";
            k.press(before);
            const int focus = k.toolkit.focusCount;
            k.calc.press(row.key);
            EXPECT_EQ(k.toolkit.focusCount, focus + 1);
        }
    }
    Keypad k;
    const int focus = k.toolkit.focusCount;
    k.calc.press(Key::Off);
    EXPECT_EQ(k.toolkit.focusCount, focus);
    EXPECT_TRUE(k.toolkit.windowClosed);
}

}  // namespace
}  // namespace trellum
