// MODE, the SHIFT and hyp prefixes, and the keys that act on the displayed
// value. A function key clears a prefix it uses by pressing the prefix key
// again; argument errors go to ReportError, whose AC also gives the focus back
// to "=", so those paths return at once.

#include <cmath>

#include "app/calculator.h"

namespace trellum {

void Calculator::cmdMode_Click()
{
    switch (AngleMode) {
    case Angle::Degrees: AngleMode = Angle::Radians; break;
    case Angle::Radians: AngleMode = Angle::Grads; break;
    case Angle::Grads: AngleMode = Angle::Degrees; break;
    }
    m_toolkit.FocusEqual();
}

void Calculator::cmdShift_Click()
{
    ShiftOn = !ShiftOn;
    m_toolkit.FocusEqual();
}

void Calculator::cmdHyp_Click()
{
    HypOn = !HypOn;
    m_toolkit.FocusEqual();
}

void Calculator::cmdTrigFunc_Click(int16_t Index)
{
    const double x = GetDisplayValue();
    if (HypOn) {
        Index = static_cast<int16_t>(Index + kSinh);
        cmdHyp_Click();
    }
    const bool inverse = ShiftOn;
    if (inverse) cmdShift_Click();
    // The trigonometric keys have a message of their own, without the "!".
    if (const std::optional<double> result = Trigonometric(Index, inverse, x, AngleMode)) {
        ShowValue(*result);
    } else {
        ShowMessage(m_toolkit, Message::TrigonometricOutOfRange);
        sscmdClean_Click(kAllClear);
    }
    m_toolkit.FocusEqual();
}

void Calculator::cmdLogs_Click(int16_t Index)
{
    if (ShiftOn) {
        Index = static_cast<int16_t>(Index + kPowerOfTen);
        cmdShift_Click();
    }
    const double x = GetDisplayValue();
    if (Index < kLog || Index > kExponential) {
        m_toolkit.FocusEqual();
        return;
    }
    const FunctionValue f = Logarithmic(Index, x);
    if (f.error) return ReportError(*f.error);
    ShowValue(f.value);
    m_toolkit.FocusEqual();
}

void Calculator::cmdPowers_Click(int16_t Index)
{
    switch (Index) {
    case kSquare: ShowValue(Square(GetDisplayValue())); break;
    case kSquareRoot: {
        const FunctionValue f = SquareRoot(GetDisplayValue());
        if (f.error) return ReportError(*f.error);
        ShowValue(f.value);
        break;
    }
    case kXPowerY: sscmdOperator_Click(kPower); break;
    default: break;
    }
    m_toolkit.FocusEqual();
}

void Calculator::cmdExtended_Click(int16_t Index)
{
    if (Index == kChangeSign) {
        m_display.ToggleSign();
        m_toolkit.FocusEqual();
        return;
    }
    if (Index != kReciprocal) {
        m_toolkit.FocusEqual();
        return;
    }
    const double x = GetDisplayValue();
    if (!ShiftOn) {
        const FunctionValue f = Reciprocal(x);
        if (f.error) return ReportError(*f.error);
        ShowValue(f.value);
        m_toolkit.FocusEqual();
        return;
    }
    const FunctionValue f = Factorial(x);
    if (f.error) return ReportError(*f.error);
    cmdShift_Click();
    ShowValue(f.value);
    m_toolkit.FocusEqual();
}

// Degrees, minutes and seconds into decimal degrees, one part per press. The
// running total lives between presses; step 0 overwrites it, so it needs no reset.
void Calculator::cmdAngle_Click()
{
    const double x = GetDisplayValue();
    if (DmsStep == 1 || DmsStep == 2) {
        DmsTotal = AddDmsPart(DmsTotal, x, DmsStep);
        // The step moves on before the total is shown: if the display refuses
        // the total, the error's AC must leave the angle abandoned.
        DmsStep = DmsStep == 2 ? int16_t{0} : int16_t{2};
        ShowValue(DmsTotal);
    } else {
        DmsTotal = x;
        DmsStep = 1;
    }
    m_display.EndEntry();
    m_toolkit.FocusEqual();
}

}  // namespace trellum
