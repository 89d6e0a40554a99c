// Logarithms and their inverses, powers and roots, sign change, reciprocal and
// factorial. Argument errors go to ReportError, whose AC also gives the focus
// back to "=", so those paths return at once.

#include <cmath>
#include <string>

#include "app/calculator.h"
#include "engine/number_text.h"
#include "functions/functions.h"

namespace trellum {

namespace {

constexpr double kPowerOfTenLimit = 99;    // 10^99 is the largest power the display shows
constexpr double kExponentialLimit = 230;  // e^230 is about 7.7E+99
constexpr double kFactorialLimit = 79;     // 70! and above are refused by the display anyway

}  // namespace

void Calculator::cmdLogs_Click(int16_t Index)
{
    if (ShiftOn) {
        Index = static_cast<int16_t>(Index + 2);
        cmdShift_Click();
    }
    const double x = GetDisplayValue();
    double result = 0;
    switch (Index) {
    case 0: {
        if (x <= 0) return ReportError(2);
        const double ln10 = std::log(10.0);
        result = std::log(x) / ln10;
        break;
    }
    case 1:
        if (x <= 0) return ReportError(2);
        result = std::log(x);
        break;
    case 2:
        if (x > kPowerOfTenLimit) return ReportError(2);
        result = std::pow(10.0, x);
        RoundToPlaces(result, 9);
        break;
    case 3:
        if (x > kExponentialLimit) return ReportError(2);
        result = std::exp(x);
        RoundToPlaces(result, 9);
        break;
    default:
        toolkit().FocusEqual();
        return;
    }
    ShowValue(result);
    toolkit().FocusEqual();
}

void Calculator::cmdPowers_Click(int16_t Index)
{
    switch (Index) {
    case 0: {
        const double x = GetDisplayValue();
        ShowValue(std::pow(x, 2.0));
        break;
    }
    case 1: {
        const double x = GetDisplayValue();
        if (x < 0) return ReportError(4);
        ShowValue(std::sqrt(x));
        break;
    }
    case 2: sscmdOperator_Click(kPower); break;
    default: break;
    }
    toolkit().FocusEqual();
}

void Calculator::cmdExtended_Click(int16_t Index)
{
    if (Index == 0) {
        // The sign is edited as text so that an entry in progress can go on.
        if (ExpShown) {
            if (!ExpText.empty() && ExpText[0] == '-') ExpText.erase(0, 1);
            else ExpText = "-" + ExpText;
        } else if (IsNumeric(LcdText) && ValueOfText(LcdText) != 0) {
            // After "(" the display holds the bracket level, not a number: left alone.
            if (LcdText[0] == '-') LcdText.erase(0, 1);
            else LcdText = "-" + LcdText;
        }
        toolkit().FocusEqual();
        return;
    }
    if (Index != 1) {
        toolkit().FocusEqual();
        return;
    }

    const double x = GetDisplayValue();
    if (!ShiftOn) {
        if (x == 0) return ReportError(1);
        ShowValue(1 / x);
        toolkit().FocusEqual();
        return;
    }
    // trunc rather than a cast: the whole-number test must hold at any magnitude.
    if (x < 0) return ReportError(3);
    if (x != std::trunc(x)) return ReportError(3);
    double result = 1;
    if (x != 0 && x != 1) {
        if (x > kFactorialLimit) return ReportError(2);
        for (double counter = 2; counter <= x; counter += 1) result *= counter;
    }
    cmdShift_Click();
    ShowValue(result);
    toolkit().FocusEqual();
}

}  // namespace trellum
