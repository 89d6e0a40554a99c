// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace trellum {

// The failures a key can end in. Each has its own message; every one of them
// ends the calculation in progress (the calculator presses AC after the message).
enum class ErrorCode : int16_t {
    DividedByZero = 1,
    OutOfRange = 2,
    NotPositiveInteger = 3,
    NotPositiveNumber = 4,
};

// Where the display register and the evaluator send a failure. The report
// happens at the moment of failure, before the key goes on: the evaluator
// stops reducing as soon as the report has emptied its stack.
class ErrorReporter {
public:
    virtual void reportError(ErrorCode code) = 0;

protected:
    ~ErrorReporter() = default;
};

}  // namespace trellum
