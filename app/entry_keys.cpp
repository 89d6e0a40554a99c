// SPDX-License-Identifier: MIT
// Number entry keys and error reports. The display register does the editing;
// what belongs to the calculator is the prefixes and the degrees-minutes-seconds
// step that a new number drops or keeps.

#include "app/calculator.h"

namespace trellum {

Calculator::Calculator(Toolkit& toolkit, SettingsStore& settings) : m_toolkit(toolkit), m_settings(settings) {}

DisplayState Calculator::display() const
{
    DisplayState state;
    state.lcdText = m_display.lcdText();
    state.expText = m_display.expText();
    state.expVisible = m_display.expVisible();
    state.shiftIndicatorVisible = m_shift;
    state.hypIndicatorVisible = m_hyp;
    state.memIndicatorVisible = !memoryIsEmpty();
    state.modeDisplayVisible = {m_angleMode == Angle::Degrees, m_angleMode == Angle::Radians, m_angleMode == Angle::Grads};
    state.finishedValue = m_display.newEntry();
    return state;
}

void Calculator::resetEntry()
{
    m_shift = false;
    m_hyp = false;
    m_dmsStep = 0;
    m_display.resetEntry();
}

// A typed number keeps the degrees-minutes-seconds step, so an angle can be
// entered part by part (30 DMS 15 DMS 36 DMS); C, AC and brackets abandon it.
void Calculator::pressDigit(int digit)
{
    if (m_display.newEntry()) {
        const int16_t step = m_dmsStep;
        resetEntry();
        m_dmsStep = step;
    }
    if (!m_display.typeDigit(static_cast<int16_t>(digit))) m_toolkit.beep();
}

void Calculator::pressPoint()
{
    if (m_display.newEntry()) {
        const int16_t step = m_dmsStep;
        resetEntry();
        m_dmsStep = step;
    } else if (m_display.expShown() || m_display.pointTyped()) {
        return;
    }
    m_display.typePoint();
}

void Calculator::pressExponent()
{
    if (m_display.newEntry()) {
        showValue(Pi);
    } else {
        m_display.startExponent();
    }
}

void Calculator::deleteLast()
{
    m_display.deleteLast();
}

void Calculator::clearEntry()
{
    resetEntry();
    m_display.endEntry();
}

void Calculator::allClear()
{
    m_evaluator.clear();
    clearEntry();
}

void Calculator::reportError(ErrorCode code)
{
    Message message = Message::OutOfRange;
    switch (code) {
    case ErrorCode::DividedByZero: message = Message::DividedByZero; break;
    case ErrorCode::OutOfRange: message = Message::OutOfRange; break;
    case ErrorCode::NotPositiveInteger: message = Message::NotPositiveInteger; break;
    case ErrorCode::NotPositiveNumber: message = Message::NotPositiveNumber; break;
    }
    m_toolkit.showMessage(message, {});
    allClear();
}

}  // namespace trellum
