#pragma once

#include <cstdint>

#include "engine/display_register.h"
#include "engine/error_code.h"
#include "engine/operand_stack.h"

namespace trellum {

// Operator codes, kept on the stack as doubles; also the Index values of the
// operator keys (+, -, x, /) and the code X^y pushes.
enum OperatorCode : int16_t { kBracketMarker = 0, kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4, kPower = 5 };

// Chained expressions with precedence and brackets. The right operand is always
// the display's value; results go back to the display.
class Evaluator {
public:
    Evaluator(DisplayRegister& display, ErrorReporter& errors) : m_display(display), m_errors(errors) {}

    // Reduces what the operator's precedence allows, then stacks the display's
    // value and the operator.
    void PushOperator(OperatorCode code);
    // False, with nothing changed, when the 16-bit bracket count is full.
    bool OpenBracket();
    // Closes the innermost bracket; nothing when none is open.
    void CloseBracket();
    // Closes every bracket and reduces the whole stack.
    void Equal();
    // Forgets the pending operations and brackets (AC).
    void Clear();
    // Forgets the pending operations, leaving the bracket count (OFF).
    void ClearStack() { m_stack.StackClear(); }

    double ApplyOperator(double left, int16_t code, double right);

    int16_t OpenBrackets() const { return m_openBrackets; }
    const OperandStack& Stack() const { return m_stack; }

private:
    void closeBracket();

    DisplayRegister& m_display;
    ErrorReporter& m_errors;
    OperandStack m_stack;
    int16_t m_openBrackets = 0;
    double m_currentValue = 0;
};

}  // namespace trellum
