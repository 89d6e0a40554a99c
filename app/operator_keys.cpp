// Operator, bracket and "=" keys: the evaluator reduces, the calculator adds
// what a key means beyond that (a fresh entry after "(", the beep of a full
// bracket count, the focus).

#include "app/calculator.h"

namespace trellum {

void Calculator::pressOperator(Operator op)
{
    m_evaluator.PushOperator(op);
    m_toolkit.focusEqualsKey();
}

void Calculator::openBracket()
{
    if (!m_evaluator.OpenBracket()) {
        m_toolkit.beep();  // the count is 16-bit; deeper nesting is refused
    } else {
        resetEntry();
        m_display.ShowBracketLevel(m_evaluator.OpenBrackets());
        m_display.EndEntry();
    }
    m_toolkit.focusEqualsKey();
}

void Calculator::closeBracket()
{
    m_evaluator.CloseBracket();
    m_toolkit.focusEqualsKey();
}

void Calculator::equals() { m_evaluator.Equal(); }

}  // namespace trellum
