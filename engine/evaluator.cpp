// SPDX-License-Identifier: MIT
// The evaluator: pending operations and open brackets on the stack, reduced as
// each operator key arrives, by precedence, never across an open bracket.

#include <cmath>

#include "engine/evaluator.h"

namespace trellum {

double Evaluator::apply(const PendingOperation& pending, double right)
{
    const double left = pending.left;
    double result = 0;
    switch (pending.op) {
    case Operator::Add: result = left + right; break;
    case Operator::Subtract: result = left - right; break;
    case Operator::Multiply: result = left * right; break;
    case Operator::Divide:
        if (right == 0) {
            m_errors.reportError(ErrorCode::DividedByZero);
            return 0;
        }
        result = left / right;
        break;
    case Operator::Power: result = std::pow(left, right); break;
    }
    // Beyond the double range, or a power without a real value (a negative base
    // with a fractional exponent, zero to a negative power).
    if (!std::isfinite(result)) {
        m_errors.reportError(ErrorCode::OutOfRange);
        return 0;
    }
    return result;
}

void Evaluator::pushOperator(Operator op)
{
    m_currentValue = m_display.takeDisplayValue();
    if (!m_stack.isEmpty()) {
        // An error report inside a reduction empties the stack, which ends the loop.
        while (!m_stack.isEmpty()) {
            const auto* pending = std::get_if<PendingOperation>(&m_stack.top());
            if (pending == nullptr || precedence(pending->op) < precedence(op)) break;
            const PendingOperation done = *pending;
            m_stack.pop();
            m_currentValue = apply(done, m_currentValue);
        }
        m_display.showValue(m_currentValue);
    }
    m_stack.push(PendingOperation{m_currentValue, op});
}

bool Evaluator::openBracket()
{
    if (m_openBrackets >= kMaxOpenBrackets) return false;
    ++m_openBrackets;
    m_stack.push(BracketMark{m_openBrackets});
    return true;
}

void Evaluator::closeBracket()
{
    if (m_openBrackets >= 1) reduceBracket();
}

void Evaluator::reduceBracket()
{
    m_currentValue = m_display.takeDisplayValue();
    // An error report inside the reduction empties the stack: stop there.
    while (!m_stack.isEmpty()) {
        const StackEntry top = m_stack.pop();
        const auto* pending = std::get_if<PendingOperation>(&top);
        if (pending == nullptr) break;
        m_currentValue = apply(*pending, m_currentValue);
    }
    if (m_openBrackets > 0) --m_openBrackets;
    m_display.showValue(m_currentValue);
}

void Evaluator::equal()
{
    for (int16_t n = m_openBrackets; n > 0; --n) {
        if (m_openBrackets >= 1) reduceBracket();
    }
    m_currentValue = m_display.takeDisplayValue();
    // Every bracket is closed by now, so only pending operations are left.
    while (!m_stack.isEmpty()) {
        const StackEntry top = m_stack.pop();
        if (const auto* pending = std::get_if<PendingOperation>(&top))
            m_currentValue = apply(*pending, m_currentValue);
    }
    m_display.showValue(m_currentValue);
}

void Evaluator::clear()
{
    m_openBrackets = 0;
    m_stack.clear();
}

}  // namespace trellum
