// SPDX-License-Identifier: MIT
#pragma once
// functions/: the mathematics behind the function keys, as pure functions of
// their arguments. The calculator's commands (app/) read the display, pick the
// function from the key and the SHIFT and hyp prefixes (inverseOf,
// hyperbolicOf), call one of these and show the value or report the error returned.
//
//   angles.cpp       Pi, the angle modes and the conversions between them
//   trig.cpp         sin, cos, tan, their inverse, hyperbolic and inverse
//                    hyperbolic forms; a failure is "Out of Range"
//   logs_powers.cpp  log, ln, 10^x, e^x, x^2, square root, 1/x, x!, and the
//                    degrees-minutes-seconds sum
//
// Nothing here keeps state. The conversions use the 15-digit Pi below: the
// product is formed first, then divided, because the last digit shown depends
// on that order.

#include <cstdint>
#include <optional>

#include "engine/error_code.h"

namespace trellum {

// The 15-digit value, 7 units in the last place below the double nearest to pi.
// Conversions and the inverse end points use it; inverse results are rounded to
// 9 places, which hides the difference there.
inline constexpr double Pi = 3.14159265358979;

// The angle modes, numbered as the settings store them.
enum class Angle : int16_t { Degrees = 0, Radians = 1, Grads = 2 };

double radToDeg(double x);
double degToRad(double x);
double radToGrad(double x);
double gradToRad(double x);

// Replaces x by floor(x * 10^n + 0.5) / 10^n: halves go towards plus infinity.
void roundToPlaces(double& x, int16_t n);

// The trigonometric functions: the circular ones and their hyperbolic forms.
enum class TrigFunction : int8_t { Sin, Cos, Tan, Sinh, Cosh, Tanh };

// The hyperbolic form of a circular function (itself for a hyperbolic one).
TrigFunction hyperbolicOf(TrigFunction function);

// The function, or with `inverse` its inverse, of x. Circular functions take
// and inverse ones give angles in `mode`; inverse values are rounded to 9
// places. Empty when the value is not real and finite ("Out of Range").
std::optional<double> trigonometric(TrigFunction function, bool inverse, double x, Angle mode);

// A value, or the error the key reports instead of showing one.
struct FunctionValue {
    double value = 0;
    std::optional<ErrorCode> error;
};

// The logarithms and the powers that undo them.
enum class LogFunction : int8_t { Log, Ln, PowerOfTen, Exponential };

// The power that undoes a logarithm (10^x for log, e^x for ln).
LogFunction inverseOf(LogFunction function);

// Powers of 10 and e are rounded to 9 places.
FunctionValue logarithmic(LogFunction function, double x);
double square(double x);
FunctionValue squareRoot(double x);
FunctionValue reciprocal(double x);
// x! for whole x from 0 to 79.
FunctionValue factorial(double x);

// The running total of a degrees-minutes-seconds entry after `part` of the
// given step (1 minutes, 2 seconds) is added.
double addDmsPart(double total, double part, int16_t step);

}  // namespace trellum
