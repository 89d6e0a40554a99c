// MODE, the SHIFT and hyp prefixes, and the keys that act on the displayed
// value. A function key clears a prefix it uses by pressing the prefix key
// again; argument errors go to ReportError, whose AC also gives the focus back
// to "=", so those paths return at once.

#include <cmath>

#include "app/calculator.h"

namespace trellum {

void Calculator::cycleAngleMode()
{
    switch (AngleMode) {
    case Angle::Degrees: AngleMode = Angle::Radians; break;
    case Angle::Radians: AngleMode = Angle::Grads; break;
    case Angle::Grads: AngleMode = Angle::Degrees; break;
    }
    m_toolkit.focusEqualsKey();
}

void Calculator::toggleShift()
{
    ShiftOn = !ShiftOn;
    m_toolkit.focusEqualsKey();
}

void Calculator::toggleHyp()
{
    HypOn = !HypOn;
    m_toolkit.focusEqualsKey();
}

void Calculator::pressTrig(TrigFunction function)
{
    const double x = displayValue();
    if (HypOn) {
        function = HyperbolicOf(function);
        toggleHyp();
    }
    const bool inverse = ShiftOn;
    if (inverse) toggleShift();
    // The trigonometric keys have a message of their own, without the "!".
    if (const std::optional<double> result = Trigonometric(function, inverse, x, AngleMode)) {
        showValue(*result);
    } else {
        ShowMessage(m_toolkit, Message::TrigonometricOutOfRange);
        allClear();
    }
    m_toolkit.focusEqualsKey();
}

void Calculator::pressLog(LogFunction function)
{
    if (ShiftOn) {
        function = InverseOf(function);
        toggleShift();
    }
    const FunctionValue f = Logarithmic(function, displayValue());
    if (f.error) return ReportError(*f.error);
    showValue(f.value);
    m_toolkit.focusEqualsKey();
}

void Calculator::square()
{
    showValue(Square(displayValue()));
    m_toolkit.focusEqualsKey();
}

void Calculator::squareRoot()
{
    const FunctionValue f = SquareRoot(displayValue());
    if (f.error) return ReportError(*f.error);
    showValue(f.value);
    m_toolkit.focusEqualsKey();
}

void Calculator::changeSign()
{
    m_display.ToggleSign();
    m_toolkit.focusEqualsKey();
}

void Calculator::pressReciprocal()
{
    const double x = displayValue();
    if (!ShiftOn) {
        const FunctionValue f = Reciprocal(x);
        if (f.error) return ReportError(*f.error);
        showValue(f.value);
        m_toolkit.focusEqualsKey();
        return;
    }
    const FunctionValue f = Factorial(x);
    if (f.error) return ReportError(*f.error);
    toggleShift();
    showValue(f.value);
    m_toolkit.focusEqualsKey();
}

// Degrees, minutes and seconds into decimal degrees, one part per press. The
// running total lives between presses; step 0 overwrites it, so it needs no reset.
void Calculator::pressDegreesMinutesSeconds()
{
    const double x = displayValue();
    if (DmsStep == 1 || DmsStep == 2) {
        DmsTotal = AddDmsPart(DmsTotal, x, DmsStep);
        // The step moves on before the total is shown: if the display refuses
        // the total, the error's AC must leave the angle abandoned.
        DmsStep = DmsStep == 2 ? int16_t{0} : int16_t{2};
        showValue(DmsTotal);
    } else {
        DmsTotal = x;
        DmsStep = 1;
    }
    m_display.EndEntry();
    m_toolkit.focusEqualsKey();
}

}  // namespace trellum
