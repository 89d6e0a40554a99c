// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "engine/display_register.h"
#include "engine/error_code.h"
#include "engine/operand_stack.h"

namespace trellum {

// Chained expressions with precedence and brackets. The right operand is always
// the display's value; results go back to the display.
class Evaluator {
public:
    // The bracket count is kept and shown ("(- 32767") as a 16-bit number: the
    // deepest nesting it can count is the most brackets a calculation may open.
    static constexpr int16_t kMaxOpenBrackets = INT16_MAX;

    Evaluator(DisplayRegister& display, ErrorReporter& errors) : m_display(display), m_errors(errors) {}

    // Does the pending operations that bind at least as tightly as `op`, back
    // to the innermost open bracket, then stacks the display's value with `op`.
    void pushOperator(Operator op);
    // False, with nothing changed, when the bracket count is full.
    bool openBracket();
    // Closes the innermost bracket; nothing when none is open.
    void closeBracket();
    // Closes every bracket and reduces the whole stack.
    void equal();
    // Forgets the pending operations and brackets (AC).
    void clear();
    // Forgets the pending operations, leaving the bracket count (OFF).
    void clearStack() { m_stack.clear(); }

    int16_t openBrackets() const { return m_openBrackets; }
    const OperandStack& stack() const { return m_stack; }

private:
    double apply(const PendingOperation& pending, double right);
    void reduceBracket();

    DisplayRegister& m_display;
    ErrorReporter& m_errors;
    OperandStack m_stack;
    int16_t m_openBrackets = 0;
    double m_currentValue = 0;
};

}  // namespace trellum
