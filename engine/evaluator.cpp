// The evaluator: pending left operands and operator codes alternate on the
// stack and are reduced as each operator key arrives, by precedence level.

#include <cmath>

#include "engine/evaluator.h"

namespace trellum {

namespace {

constexpr int16_t kMaxBrackets = 32767;

int16_t codeOf(double stacked) { return static_cast<int16_t>(stacked); }

}  // namespace

double Evaluator::ApplyOperator(double left, int16_t code, double right)
{
    double result = 0;
    switch (code) {
    case kAdd: result = left + right; break;
    case kSubtract: result = left - right; break;
    case kMultiply: result = left * right; break;
    case kDivide:
        if (right == 0) {
            m_errors.ReportError(ErrorCode::DividedByZero);
            return 0;
        }
        result = left / right;
        break;
    case kPower: result = std::pow(left, right); break;
    default: return 0;
    }
    // Beyond the double range, or a power without a real value (a negative base
    // with a fractional exponent, zero to a negative power).
    if (!std::isfinite(result)) {
        m_errors.ReportError(ErrorCode::OutOfRange);
        return 0;
    }
    return result;
}

void Evaluator::PushOperator(OperatorCode code)
{
    m_currentValue = m_display.GetDisplayValue();
    if (!m_stack.StackIsEmpty()) {
        if (code == kPower) {
            const int16_t c = codeOf(m_stack.StackPop());
            const double a = m_stack.StackPop();
            if (c == kPower) {
                m_currentValue = ApplyOperator(a, kPower, m_currentValue);
            } else {
                m_stack.StackPush(a);
                m_stack.StackPush(c);
            }
        } else {
            // + and - stop at a bracket; x and / also stop at + and -.
            const int16_t stopBelow = (code == kAdd || code == kSubtract) ? 1 : 3;
            while (!m_stack.StackIsEmpty()) {
                const int16_t c = codeOf(m_stack.StackPop());
                const double a = m_stack.StackPop();
                if (c < stopBelow) {
                    m_stack.StackPush(a);
                    m_stack.StackPush(c);
                    break;
                }
                m_currentValue = ApplyOperator(a, c, m_currentValue);
            }
        }
        m_display.ShowValue(m_currentValue);
    }
    m_stack.StackPush(m_currentValue);
    m_stack.StackPush(code);
}

bool Evaluator::OpenBracket()
{
    if (m_openBrackets >= kMaxBrackets) return false;
    ++m_openBrackets;
    m_stack.StackPush(m_openBrackets);
    m_stack.StackPush(kBracketMarker);
    return true;
}

void Evaluator::CloseBracket()
{
    if (m_openBrackets >= 1) closeBracket();
}

void Evaluator::closeBracket()
{
    m_currentValue = m_display.GetDisplayValue();
    // An error report inside the reduction empties the stack: stop there.
    while (!m_stack.StackIsEmpty()) {
        const int16_t c = codeOf(m_stack.StackPop());
        const double a = m_stack.StackPop();
        if (c == kBracketMarker) break;
        m_currentValue = ApplyOperator(a, c, m_currentValue);
    }
    if (m_openBrackets > 0) --m_openBrackets;
    m_display.ShowValue(m_currentValue);
}

void Evaluator::Equal()
{
    for (int16_t n = m_openBrackets; n > 0; --n) {
        if (m_openBrackets >= 1) closeBracket();
    }
    m_currentValue = m_display.GetDisplayValue();
    while (!m_stack.StackIsEmpty()) {
        const int16_t c = codeOf(m_stack.StackPop());
        const double a = m_stack.StackPop();
        m_currentValue = ApplyOperator(a, c, m_currentValue);
    }
    m_display.ShowValue(m_currentValue);
}

void Evaluator::Clear()
{
    m_openBrackets = 0;
    m_stack.StackClear();
}

}  // namespace trellum
