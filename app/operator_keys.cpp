// Operator, bracket and "=" keys: the evaluator reduces, the calculator adds
// what a key means beyond that (a fresh entry after "(", the beep of a full
// bracket count, the focus).

#include "app/calculator.h"

namespace trellum {

namespace {

Operator operatorOf(int16_t index)
{
    switch (index) {
    case kSubtract: return Operator::Subtract;
    case kMultiply: return Operator::Multiply;
    case kDivide: return Operator::Divide;
    case kPower: return Operator::Power;
    default: return Operator::Add;
    }
}

}  // namespace

void Calculator::sscmdOperator_Click(int16_t Index)
{
    m_evaluator.PushOperator(operatorOf(Index));
    m_toolkit.FocusEqual();
}

void Calculator::cmdBracket_Click(int16_t Index)
{
    if (Index == kOpenBracket) {
        if (!m_evaluator.OpenBracket()) {
            m_toolkit.Beep();  // the count is 16-bit; deeper nesting is refused
        } else {
            ResetEntry();
            m_display.ShowBracketLevel(m_evaluator.OpenBrackets());
            m_display.EndEntry();
        }
    } else {
        m_evaluator.CloseBracket();
    }
    m_toolkit.FocusEqual();
}

void Calculator::sscmdEqual_Click() { m_evaluator.Equal(); }

}  // namespace trellum
