// SPDX-License-Identifier: MIT
// MODE, the SHIFT and hyp prefixes, and the keys that act on the displayed
// value. A function key clears a prefix it uses by pressing the prefix key
// again; argument errors go to reportError, whose AC leaves the key nothing
// more to do, so those paths return at once.

#include <cmath>

#include "app/calculator.h"

namespace trellum {

void Calculator::cycleAngleMode()
{
    switch (m_angleMode) {
    case Angle::Degrees: m_angleMode = Angle::Radians; break;
    case Angle::Radians: m_angleMode = Angle::Grads; break;
    case Angle::Grads: m_angleMode = Angle::Degrees; break;
    }
}

void Calculator::toggleShift()
{
    m_shift = !m_shift;
}

void Calculator::toggleHyp()
{
    m_hyp = !m_hyp;
}

void Calculator::pressTrig(TrigFunction function)
{
    const double x = takeDisplayValue();
    if (m_hyp) {
        function = hyperbolicOf(function);
        toggleHyp();
    }
    const bool inverse = m_shift;
    if (inverse) toggleShift();
    // The trigonometric keys have a message of their own, without the "!".
    if (const std::optional<double> result = trigonometric(function, inverse, x, m_angleMode)) {
        showValue(*result);
    } else {
        m_toolkit.showMessage(Message::TrigonometricOutOfRange, {});
        allClear();
    }
}

void Calculator::pressLog(LogFunction function)
{
    if (m_shift) {
        function = inverseOf(function);
        toggleShift();
    }
    const FunctionValue f = logarithmic(function, takeDisplayValue());
    if (f.error) return reportError(*f.error);
    showValue(f.value);
}

void Calculator::square()
{
    showValue(trellum::square(takeDisplayValue()));
}

void Calculator::squareRoot()
{
    const FunctionValue f = trellum::squareRoot(takeDisplayValue());
    if (f.error) return reportError(*f.error);
    showValue(f.value);
}

void Calculator::changeSign()
{
    m_display.toggleSign();
}

void Calculator::pressReciprocal()
{
    const double x = takeDisplayValue();
    if (!m_shift) {
        const FunctionValue f = reciprocal(x);
        if (f.error) return reportError(*f.error);
        return showValue(f.value);
    }
    const FunctionValue f = factorial(x);
    if (f.error) return reportError(*f.error);
    toggleShift();
    showValue(f.value);
}

// Degrees, minutes and seconds into decimal degrees, one part per press. The
// running total lives between presses; step 0 overwrites it, so it needs no reset.
void Calculator::pressDegreesMinutesSeconds()
{
    const double x = takeDisplayValue();
    if (m_dmsStep == 1 || m_dmsStep == 2) {
        m_dmsTotal = addDmsPart(m_dmsTotal, x, m_dmsStep);
        // The step moves on before the total is shown: if the display refuses
        // the total, the error's AC must leave the angle abandoned.
        m_dmsStep = m_dmsStep == 2 ? int16_t{0} : int16_t{2};
        showValue(m_dmsTotal);
    } else {
        m_dmsTotal = x;
        m_dmsStep = 1;
    }
    m_display.endEntry();
}

}  // namespace trellum
