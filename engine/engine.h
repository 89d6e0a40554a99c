// SPDX-License-Identifier: MIT
#pragma once
// engine/: the calculator's register and arithmetic, free of any key or window.
//
//   number_text.h       numbers to and from text ("." always, 15 digits)
//   display_register.h  the display: mantissa text, exponent label, entry flags;
//                       values are read back from the text, so every value that
//                       passes through has the display's precision
//   evaluator.h         chained operators with precedence and brackets
//   operand_stack.h     the operators with their precedence, and the stack of
//                       pending operations and open brackets
//   error_code.h        the failures, and the ErrorReporter they go to
//
// A key (app/) edits the display register or hands an operator to the
// evaluator; the evaluator reads its right operand from the display and shows
// the result there. A failure is reported at once through ErrorReporter, whose
// owner (the calculator) shows the message and clears the calculation.

#include "engine/display_register.h"
#include "engine/error_code.h"
#include "engine/evaluator.h"
#include "engine/number_text.h"
#include "engine/operand_stack.h"
