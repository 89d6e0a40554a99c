// Number entry keys and error reports. The display register does the editing;
// what belongs to the calculator is the prefixes and the degrees-minutes-seconds
// step that a new number drops or keeps, and the focus going back to "=".

#include "app/calculator.h"

namespace trellum {

Calculator::Calculator(Toolkit& toolkit, SettingsStore& settings) : m_toolkit(toolkit), m_settings(settings) {}

DisplayState Calculator::display() const
{
    DisplayState state;
    state.LcdText = m_display.LcdText();
    state.ExpText = m_display.ExpText();
    state.ExpVisible = m_display.ExpVisible();
    state.ShiftIndicatorVisible = m_shift;
    state.HypIndicatorVisible = m_hyp;
    state.MemIndicatorVisible = !memoryIsEmpty();
    state.ModeDisplayVisible = {m_angleMode == Angle::Degrees, m_angleMode == Angle::Radians, m_angleMode == Angle::Grads};
    state.FinishedValue = m_display.NewEntry();
    return state;
}

void Calculator::resetEntry()
{
    m_shift = false;
    m_hyp = false;
    m_dmsStep = 0;
    m_display.ResetEntry();
}

// A typed number keeps the degrees-minutes-seconds step, so an angle can be
// entered part by part (30 DMS 15 DMS 36 DMS); C, AC and brackets abandon it.
void Calculator::pressDigit(int digit)
{
    if (m_display.NewEntry()) {
        const int16_t step = m_dmsStep;
        resetEntry();
        m_dmsStep = step;
    }
    if (!m_display.TypeDigit(static_cast<int16_t>(digit))) m_toolkit.beep();
    m_toolkit.focusEqualsKey();
}

void Calculator::pressPoint()
{
    if (m_display.NewEntry()) {
        const int16_t step = m_dmsStep;
        resetEntry();
        m_dmsStep = step;
    } else if (m_display.ExpShown() || m_display.PointTyped()) {
        return;
    }
    m_display.TypePoint();
    m_toolkit.focusEqualsKey();
}

void Calculator::pressExponent()
{
    if (m_display.NewEntry()) {
        showValue(Pi);
    } else {
        m_display.StartExponent();
    }
    m_toolkit.focusEqualsKey();
}

void Calculator::deleteLast()
{
    m_display.DeleteLast();
    m_toolkit.focusEqualsKey();
}

void Calculator::clearEntry()
{
    resetEntry();
    m_display.EndEntry();
    m_toolkit.focusEqualsKey();
}

void Calculator::allClear()
{
    m_evaluator.Clear();
    clearEntry();
}

void Calculator::ReportError(ErrorCode code)
{
    Message message = Message::OutOfRange;
    switch (code) {
    case ErrorCode::DividedByZero: message = Message::DividedByZero; break;
    case ErrorCode::OutOfRange: message = Message::OutOfRange; break;
    case ErrorCode::NotPositiveInteger: message = Message::NotPositiveInteger; break;
    case ErrorCode::NotPositiveNumber: message = Message::NotPositiveNumber; break;
    }
    ShowMessage(m_toolkit, message);
    allClear();
}

}  // namespace trellum
