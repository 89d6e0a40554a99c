// Number entry keys and error reports. The display register does the editing;
// what belongs to the calculator is the prefixes and the degrees-minutes-seconds
// step that a new number drops or keeps, and the focus going back to "=".

#include "app/calculator.h"

namespace trellum {

Calculator::Calculator(Toolkit& toolkit, SettingsStore& settings) : m_toolkit(toolkit), m_settings(settings) {}

DisplayState Calculator::Display() const
{
    DisplayState state;
    state.LcdText = m_display.LcdText();
    state.ExpText = m_display.ExpText();
    state.ExpVisible = m_display.ExpVisible();
    state.ShiftIndicatorVisible = ShiftOn;
    state.HypIndicatorVisible = HypOn;
    state.MemIndicatorVisible = !MemoryIsEmpty();
    state.ModeDisplayVisible = {AngleMode == Angle::Degrees, AngleMode == Angle::Radians, AngleMode == Angle::Grads};
    state.FinishedValue = m_display.NewEntry();
    return state;
}

void Calculator::ResetEntry()
{
    ShiftOn = false;
    HypOn = false;
    DmsStep = 0;
    m_display.ResetEntry();
}

// A typed number keeps the degrees-minutes-seconds step, so an angle can be
// entered part by part (30 DMS 15 DMS 36 DMS); C, AC and brackets abandon it.
void Calculator::sscmdDigit_Click(int16_t Index)
{
    if (m_display.NewEntry()) {
        const int16_t step = DmsStep;
        ResetEntry();
        DmsStep = step;
    }
    if (!m_display.TypeDigit(Index)) m_toolkit.Beep();
    m_toolkit.FocusEqual();
}

void Calculator::sscmdDot_Click()
{
    if (m_display.NewEntry()) {
        const int16_t step = DmsStep;
        ResetEntry();
        DmsStep = step;
    } else if (m_display.ExpShown() || m_display.PointTyped()) {
        return;
    }
    m_display.TypePoint();
    m_toolkit.FocusEqual();
}

void Calculator::sscmdExp_Click()
{
    if (m_display.NewEntry()) {
        ShowValue(Pi);
    } else {
        m_display.StartExponent();
    }
    m_toolkit.FocusEqual();
}

void Calculator::cmdDel_Click()
{
    m_display.DeleteLast();
    m_toolkit.FocusEqual();
}

void Calculator::sscmdClean_Click(int16_t Index)
{
    if (Index == kAllClear) m_evaluator.Clear();
    ResetEntry();
    m_display.EndEntry();
    m_toolkit.FocusEqual();
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
    sscmdClean_Click(kAllClear);
}

}  // namespace trellum
