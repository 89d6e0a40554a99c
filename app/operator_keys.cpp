// SPDX-License-Identifier: MIT
// Operator, bracket and "=" keys: the evaluator reduces, the calculator adds
// what a key means beyond that (a fresh entry after "(", the beep of a full
// bracket count).

#include "app/calculator.h"

namespace trellum {

void Calculator::pressOperator(Operator op)
{
    m_evaluator.pushOperator(op);
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
}

void Calculator::closeBracket()
{
    m_evaluator.closeBracket();
}

void Calculator::equals() { m_evaluator.equal(); }

}  // namespace trellum
