// Operator, bracket and "=" keys: the evaluator reduces, the calculator adds
// what a key means beyond that (a fresh entry after "(", the beep of a full
// bracket count, the focus).

#include "app/calculator.h"

namespace trellum {

void Calculator::pressOperator(Operator op)
{
    m_evaluator.pushOperator(op);
    m_toolkit.focusEqualsKey();
}

void Calculator::openBracket()
{
    if (!m_evaluator.openBracket()) {
        m_toolkit.beep();  // the count is 16-bit; deeper nesting is refused
    } else {
        resetEntry();
        m_display.showBracketLevel(m_evaluator.openBrackets());
        m_display.endEntry();
    }
    m_toolkit.focusEqualsKey();
}

void Calculator::closeBracket()
{
    m_evaluator.closeBracket();
    m_toolkit.focusEqualsKey();
}

void Calculator::equals() { m_evaluator.equal(); }

}  // namespace trellum
