// The function keys driven through key tokens, as a user presses them: what the
// display shows afterwards, which message appeared, and what state is left.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator.h"
#include "engine/key_script.h"
#include "engine/number_text.h"
#include "engine/recording_toolkit.h"
#include "functions/functions.h"
#include "storage/registry.h"

namespace trellum {
namespace {

constexpr const char* kTrigFailure = "msg:!:Out of Range";

class TitledToolkit : public RecordingToolkit {
public:
    std::vector<std::string> Titles;
    void MsgBox(const std::string& text, MsgIcon icon, const std::string& title) override
    {
        Titles.push_back(title);
        RecordingToolkit::MsgBox(text, icon, title);
    }
};

struct Keypad {
    TitledToolkit toolkit;
    Registry registry;
    Calculator calc{toolkit, registry};

    Keypad() { calc.sscmdClean_Click(0); }

    void press(std::string_view keys)
    {
        while (!keys.empty()) {
            const std::size_t end = keys.find(' ');
            const std::string_view token = keys.substr(0, end);
            if (!token.empty()) {
                ASSERT_TRUE(PressToken(calc, toolkit, token)) << token;
            }
            keys = end == std::string_view::npos ? std::string_view{} : keys.substr(end + 1);
        }
    }
    std::string exponent() const { return calc.ExpVisible ? calc.ExpText : ""; }
    std::string events() const
    {
        std::string all;
        for (const auto& e : toolkit.Events) all += (all.empty() ? "" : " | ") + e;
        return all;
    }
    double shownValue() const { return ValueOfText(calc.GetDisplayText()); }
};

// ---- Shown text after a key sequence ----

struct ShownCase {
    const char* name;
    const char* keys;
    const char* lcd;
    const char* exponent;  // "" when the exponent field is hidden
    const char* events;    // "" when nothing but the display changed
};

void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.keys; }

class Shown : public testing::TestWithParam<ShownCase> {};

TEST_P(Shown, DisplayAndMessage)
{
    const ShownCase& c = GetParam();
    Keypad k;
    k.press(c.keys);
    EXPECT_EQ(k.calc.LcdText, c.lcd);
    EXPECT_EQ(k.exponent(), c.exponent);
    EXPECT_EQ(k.events(), c.events);
    for (const auto& title : k.toolkit.Titles) EXPECT_EQ(title, "Trellum");
}

std::string caseName(const testing::TestParamInfo<ShownCase>& info) { return info.param.name; }

const ShownCase kTrigCases[] = {
    // Inverse results are rounded to 9 places, which hides the short Pi.
    {"AsinHalfDegrees", "0 . 5 SHIFT SIN", "30.  ", "", ""},
    {"AcosHalfDegrees", "0 . 5 SHIFT COS", "60.  ", "", ""},
    {"AtanOneDegrees", "1 SHIFT TAN", "45.  ", "", ""},
    {"AsinOneEndPoint", "1 SHIFT SIN", "90.  ", "", ""},
    {"AsinMinusOneEndPoint", "1 NEG SHIFT SIN", "-90.  ", "", ""},
    {"AcosOneEndPoint", "1 SHIFT COS", "0.  ", "", ""},
    {"AcosMinusOneEndPoint", "1 NEG SHIFT COS", "180.  ", "", ""},
    {"AsinJustAboveOneFails", "1 . 0 0 0 0 0 0 1 SHIFT SIN", "0.  ", "", kTrigFailure},
    {"AsinJustBelowMinusOneFails", "1 . 0 0 0 0 0 0 1 NEG SHIFT SIN", "0.  ", "", kTrigFailure},
    {"AcosTwoFails", "2 SHIFT COS", "0.  ", "", kTrigFailure},
    {"AsinOneRadians", "MODE 1 SHIFT SIN", "1.570796327  ", "", ""},
    {"AsinTinyRadiansRoundsToZero", "MODE 1 EXP 1 0 NEG SHIFT SIN", "0.  ", "", ""},
    {"AsinOneGrads", "MODE MODE 1 SHIFT SIN", "100.  ", "", ""},
    {"AtanOneGrads", "MODE MODE 1 SHIFT TAN", "50.  ", "", ""},
    {"TanFortyFiveIsNotOne", "4 5 TAN", "0.9999999999999  ", "", ""},
    {"SinhLimitIsIncluded", "2 3 0 HYP SIN", "3.8610092499919  ", "99", ""},
    {"SinhBeyondLimitFails", "2 3 0 . 0 0 0 1 HYP SIN", "0.  ", "", kTrigFailure},
    {"SinhBeyondNegativeLimitFails", "2 3 0 . 0 0 0 1 NEG HYP SIN", "0.  ", "", kTrigFailure},
    {"CoshBeyondLimitFails", "2 3 0 . 0 0 0 1 HYP COS", "0.  ", "", kTrigFailure},
    {"TanhZero", "0 HYP TAN", "0.  ", "", ""},
    {"TanhSaturates", "7 0 9 HYP TAN", "1.  ", "", ""},
    {"TanhExponentialOverflowFails", "7 1 0 HYP TAN", "0.  ", "", kTrigFailure},
    {"AcoshOne", "1 SHIFT HYP COS", "0.  ", "", ""},
    {"AcoshBelowOneFails", "0 . 5 SHIFT HYP COS", "0.  ", "", kTrigFailure},
    {"AcoshMinusTwoFails", "2 NEG SHIFT HYP COS", "0.  ", "", kTrigFailure},
    {"AtanhOneFails", "1 SHIFT HYP TAN", "0.  ", "", kTrigFailure},
    {"AtanhMinusOneFails", "1 NEG SHIFT HYP TAN", "0.  ", "", kTrigFailure},
    {"AtanhHalfRounded", "0 . 5 SHIFT HYP TAN", "0.549306144  ", "", ""},
    {"AsinhOneRounded", "1 SHIFT HYP SIN", "0.881373587  ", "", ""},
    {"AsinhCancelsToZeroAndFails", "1 NEG EXP 9 SHIFT HYP SIN", "0.  ", "", kTrigFailure},
    {"InverseHyperbolicIgnoresAngleMode", "MODE 1 SHIFT HYP SIN", "0.881373587  ", "", ""},
    // Beyond 2^63 radians no digit of a sine is meaningful.
    {"SinBeyondReductionRangeFails", "MODE 1 EXP 1 9 SIN", "0.  ", "", kTrigFailure},
    {"CosOfHugeDegreesFails", "1 EXP 2 1 COS", "0.  ", "", kTrigFailure},
};
INSTANTIATE_TEST_SUITE_P(Trig, Shown, testing::ValuesIn(kTrigCases), caseName);

const ShownCase kLogCases[] = {
    {"LogThousandShowsThree", "1 0 0 0 LOG", "3.  ", "", ""},
    {"LogZeroFails", "0 LOG", "0.  ", "", "msg:!:Out of Range!"},
    {"LogNegativeFails", "5 NEG LOG", "0.  ", "", "msg:!:Out of Range!"},
    {"LnOne", "1 LN", "0.  ", "", ""},
    {"TenToTwo", "2 SHIFT LOG", "100.  ", "", ""},
    {"TenToLimitIsIncluded", "9 9 SHIFT LOG", "1.  ", "99", ""},
    {"TenBeyondLimitFails", "9 9 . 5 SHIFT LOG", "0.  ", "", "msg:!:Out of Range!"},
    {"TenToMinusTenRoundsToZero", "1 0 NEG SHIFT LOG", "0.  ", "", ""},
    {"TenToMinusNineKept", "9 NEG SHIFT LOG", "1.  ", "-09", ""},
    {"EToOneRounded", "1 SHIFT LN", "2.718281828  ", "", ""},
    {"EBeyondLimitFails", "2 3 0 . 5 SHIFT LN", "0.  ", "", "msg:!:Out of Range!"},
    {"EToMinusTwentyFiveRoundsToZero", "2 5 NEG SHIFT LN", "0.  ", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Logs, Shown, testing::ValuesIn(kLogCases), caseName);

const ShownCase kPowerCases[] = {
    {"SquareOfNegative", "3 NEG X2", "9.  ", "", ""},
    {"SquareIgnoresShift", "3 SHIFT X2", "9.  ", "", ""},
    {"RootOfNegativeFails", "4 NEG SQRT", "0.  ", "", "msg:!:Not a positive number!"},
    {"RootOfZero", "0 SQRT", "0.  ", "", ""},
    {"RootOfTwo", "2 SQRT", "1.4142135623731  ", "", ""},
    {"PowerKeyIsAnOperator", "2 ^ 1 0 =", "1024.  ", "", ""},
    {"ReciprocalOfZeroFails", "0 INV", "0.  ", "", "msg:!:Divided by Zero!"},
    {"ReciprocalOfFour", "4 INV", "0.25  ", "", ""},
    {"ReciprocalOfFortyThousand", "4 0 0 0 0 INV", "2.5  ", "-05", ""},
    {"ReciprocalIgnoresHyp", "4 HYP INV", "0.25  ", "", ""},
    {"FactorialOfFive", "5 SHIFT INV", "120.  ", "", ""},
    {"FactorialOfZero", "0 SHIFT INV", "1.  ", "", ""},
    {"FactorialOfHalfFails", "3 . 5 SHIFT INV", "0.  ", "", "msg:!:Not a positive integer!"},
    {"FactorialOfNegativeFails", "2 NEG SHIFT INV", "0.  ", "", "msg:!:Not a positive integer!"},
    {"FactorialOfNegativeHalfIsNotPositive", "0 . 5 NEG SHIFT INV", "0.  ", "", "msg:!:Not a positive integer!"},
    {"FactorialOfLargestShown", "6 9 SHIFT INV", "1.7112245242814  ", "98", ""},
    {"FactorialOfSeventyRefusedByDisplay", "7 0 SHIFT INV", "0.  ", "", "msg:!:Out of Range!"},
    {"FactorialOfLimitRefusedByDisplay", "7 9 SHIFT INV", "0.  ", "", "msg:!:Out of Range!"},
    {"FactorialBeyondLimitFails", "8 0 SHIFT INV", "0.  ", "", "msg:!:Out of Range!"},
    // Whole-number test at magnitudes no 32-bit or 64-bit integer holds.
    {"FactorialOfLargeFractionFails", "4 2 9 4 9 6 7 2 9 6 . 5 SHIFT INV", "0.  ", "",
     "msg:!:Not a positive integer!"},
    {"FactorialOfHugeWholeFails", "9 . 5 EXP 9 9 SHIFT INV", "0.  ", "", "msg:!:Out of Range!"},
};
INSTANTIATE_TEST_SUITE_P(Powers, Shown, testing::ValuesIn(kPowerCases), caseName);

const ShownCase kSignCases[] = {
    {"ZeroUnchanged", "NEG", "0.  ", "", ""},
    {"TypedNumber", "1 2 NEG", "-12.  ", "", ""},
    {"TypedNumberTwice", "1 2 NEG NEG", "12.  ", "", ""},
    {"EntryGoesOn", "1 2 NEG 3", "-123.  ", "", ""},
    {"ExponentDuringEntry", "1 . 5 EXP 2 0 NEG", "1.5  ", "-20", ""},
    {"ExponentOfResult", "1 . 5 EXP 2 0 = NEG", "1.5  ", "-20", ""},
    {"ResultStaysFinished", "2 X2 NEG 5", "5.  ", "", ""},
    {"IgnoresAndKeepsShift", "5 SHIFT NEG", "-5.  ", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Sign, Shown, testing::ValuesIn(kSignCases), caseName);

const ShownCase kDmsCases[] = {
    {"FirstPressLeavesDisplay", "1 2 . 5 DMS", "12.5  ", "", ""},
    {"MinutesAdded", "3 0 DMS 1 5 DMS", "30.25  ", "", ""},
    {"SecondsAdded", "3 0 DMS 1 5 DMS 3 6 DMS", "30.26  ", "", ""},
    {"NextDigitStartsNewNumber", "3 0 DMS 1 5", "15.  ", "", ""},
    {"PartsAddedAsTheyAre", "3 0 NEG DMS 1 5 DMS", "-29.75  ", "", ""},
    {"SixtyOrMoreMinutesAccepted", "1 0 DMS 9 0 DMS", "11.5  ", "", ""},
    {"PointKeepsTheStep", "1 0 DMS . 5 DMS", "10.008333333333  ", "", ""},
    {"ThirdPressStartsAgain", "3 0 DMS 1 5 DMS 3 6 DMS 1 0 DMS 3 0 DMS", "10.5  ", "", ""},
    {"ClearAbandonsAngle", "3 0 DMS C 1 5 DMS", "15.  ", "", ""},
    {"BracketAbandonsAngle", "3 0 DMS ( 1 5 DMS", "15.  ", "", ""},
    {"IgnoresPrefixes", "3 0 DMS 1 5 SHIFT HYP DMS", "30.25  ", "", ""},
    {"ResultAsNextPart", "1 0 DMS 3 X2 DMS", "10.15  ", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Dms, Shown, testing::ValuesIn(kDmsCases), caseName);

// ---- Forward results whose last digits come from the library ----

// The display keeps 15 characters, sign and point included.
struct NearCase {
    const char* name;
    const char* keys;
    double value;
    double relativeError;
};

void PrintTo(const NearCase& c, std::ostream* os) { *os << c.keys; }

class Near : public testing::TestWithParam<NearCase> {};

TEST_P(Near, ShownValue)
{
    const NearCase& c = GetParam();
    Keypad k;
    k.press(c.keys);
    EXPECT_EQ(k.events(), "");
    EXPECT_NEAR(k.shownValue(), c.value, std::fabs(c.value) * c.relativeError);
}

const NearCase kNearCases[] = {
    {"SinThirtyDegrees", "3 0 SIN", 0.5, 1e-15},
    // The short Pi leaves its error in forward results: not 0, not 1.
    {"SinOneEightyDegrees", "1 8 0 SIN", 3.2310891488651735e-15, 1e-6},
    {"CosNinetyDegrees", "9 0 COS", 1.6155445744325867e-15, 1e-6},
    {"TanNinetyDegreesNoMessage", "9 0 TAN", 6.189863905346e+14, 1e-6},
    {"SinOneEightyRadians", "MODE 1 8 0 SIN", -0.80115263573383, 1e-11},
    {"SinTwoHundredGrads", "MODE MODE 2 0 0 SIN", 3.2310891488651735e-15, 1e-6},
    {"SinhOfLimit", "2 3 0 HYP SIN", 3.8610092499919e+99, 1e-11},
    {"SinhOfNegativeLimit", "2 3 0 NEG HYP SIN", -3.8610092499919e+99, 1e-11},
    {"TanhOfOne", "1 HYP TAN", 0.7615941559557649, 1e-11},
    {"TanhOfMinusOne", "1 NEG HYP TAN", -0.7615941559557649, 1e-11},
    {"SinJustInsideReductionRange", "MODE 9 EXP 1 8 SIN", std::sin(9e18), 1e-11},
    {"EToLimit", "2 3 0 SHIFT LN", 7.72201849998443e+99, 1e-11},
};
INSTANTIATE_TEST_SUITE_P(Forward, Near, testing::ValuesIn(kNearCases),
                         [](const testing::TestParamInfo<NearCase>& info) { return std::string(info.param.name); });

// ---- Prefix state and what a failure leaves behind ----

struct PrefixCase {
    const char* name;
    const char* keys;
    bool shift;
    bool hyp;
};

void PrintTo(const PrefixCase& c, std::ostream* os) { *os << c.keys; }

class Prefixes : public testing::TestWithParam<PrefixCase> {};

TEST_P(Prefixes, LeftArmedOrCleared)
{
    const PrefixCase& c = GetParam();
    Keypad k;
    k.press(c.keys);
    EXPECT_EQ(k.calc.ShiftOn, c.shift);
    EXPECT_EQ(k.calc.ShiftIndicatorVisible, c.shift);
    EXPECT_EQ(k.calc.HypOn, c.hyp);
    EXPECT_EQ(k.calc.HypIndicatorVisible, c.hyp);
}

const PrefixCase kPrefixCases[] = {
    {"TrigSuccessClearsBoth", "1 SHIFT HYP SIN", false, false},
    {"TrigFailureClearsBoth", "2 SHIFT HYP TAN", false, false},
    {"TrigHypAloneCleared", "1 HYP COS", false, false},
    {"LogShiftClearedHypKept", "2 SHIFT HYP LOG", false, true},
    {"LogFailureClearsBothThroughAllClear", "0 HYP LOG", false, false},
    {"FactorialSuccessClearsShiftKeepsHyp", "5 HYP SHIFT INV", false, true},
    {"FactorialFailureClearsBoth", "3 . 5 HYP SHIFT INV", false, false},
    {"ReciprocalKeepsHyp", "4 HYP INV", false, true},
    {"SquareKeepsBoth", "3 SHIFT HYP X2", true, true},
    {"RootKeepsBoth", "4 SHIFT HYP SQRT", true, true},
    {"SignKeepsBoth", "4 SHIFT HYP NEG", true, true},
    {"DmsKeepsBoth", "4 SHIFT HYP DMS", true, true},
};
INSTANTIATE_TEST_SUITE_P(Keys, Prefixes, testing::ValuesIn(kPrefixCases),
                         [](const testing::TestParamInfo<PrefixCase>& info) { return std::string(info.param.name); });

TEST(TrigFailure, ClearsPendingOperationsAndBrackets)
{
    Keypad k;
    k.press("2 + ( 3 * ( 7 1 0 HYP TAN");
    EXPECT_EQ(k.events(), kTrigFailure);
    EXPECT_EQ(k.calc.LcdText, "0.  ");
    EXPECT_EQ(k.calc.OpenBrackets, 0);
    EXPECT_TRUE(k.calc.Stack.StackIsEmpty());
    EXPECT_EQ(k.toolkit.Titles, std::vector<std::string>{"Trellum"});
    k.press("4 + 1 =");
    EXPECT_EQ(k.calc.LcdText, "5.  ");
}

TEST(TrigFunc, HypAddsThreeToTheCallersIndex)
{
    Keypad k;
    k.press("1 HYP");
    int16_t index = 1;
    k.calc.cmdTrigFunc_Click(index);
    EXPECT_EQ(index, 4);
    EXPECT_EQ(k.calc.LcdText, "1.5430806348152  ");
}

TEST(TrigFunc, ResultIsFinishedAndFocusReturns)
{
    Keypad k;
    k.press("3 0 SIN");
    const int focus = k.toolkit.FocusCount;
    k.press("5");
    EXPECT_EQ(k.calc.LcdText, "5.  ");
    EXPECT_GT(k.toolkit.FocusCount, focus);
}

TEST(Sign, BracketLevelTextIsLeftAlone)
{
    Keypad k;
    k.press("2 * (");
    const std::string before = k.calc.LcdText;
    k.press("NEG");
    EXPECT_EQ(k.calc.LcdText, before);
    EXPECT_EQ(k.calc.OpenBrackets, 1);
    EXPECT_EQ(k.events(), "");
    k.press("3 + 1 ) =");
    EXPECT_EQ(k.calc.LcdText, "8.  ");
}

TEST(Dms, RunningTotalIsExactSum)
{
    Keypad k;
    k.press("3 0 DMS 1 5 DMS 3 6 DMS");
    EXPECT_EQ(k.calc.DmsTotal, 30.0 + 15.0 / 60.0 + 36.0 / 3600.0);
    EXPECT_EQ(k.calc.DmsStep, 0);
    EXPECT_TRUE(k.calc.NewEntry);
}

}  // namespace
}  // namespace trellum
