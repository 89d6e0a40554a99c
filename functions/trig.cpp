// SPDX-License-Identifier: MIT
// sin, cos and tan with their inverse, hyperbolic and inverse hyperbolic forms.
// Everything beyond the seven library primitives is built from them by fixed
// formulas, and where a formula breaks down (a root of a negative number, the
// logarithm of zero) is part of the behaviour, so every step is checked.

#include <cmath>

#include "functions/functions.h"

namespace trellum {

namespace {

bool isCircular(TrigFunction function)
{
    return function == TrigFunction::Sin || function == TrigFunction::Cos || function == TrigFunction::Tan;
}

// Beyond 2^63 radians argument reduction has no meaningful digits left.
constexpr double kCircularLimit = 9223372036854775808.0;
constexpr double kHyperbolicLimit = 230;  // e^230 still fits a two-digit exponent

// Double arithmetic that remembers the first step with no real, finite value,
// so a formula can be written out whole and judged once at its end.
class Checked {
public:
    bool failed() const { return m_failed; }
    double fail()
    {
        m_failed = true;
        return 0;
    }
    double value(double v) { return std::isfinite(v) ? v : fail(); }
    double sqrt(double a) { return a < 0 ? fail() : value(std::sqrt(a)); }
    double log(double a) { return a <= 0 ? fail() : value(std::log(a)); }
    double exp(double a) { return value(std::exp(a)); }
    double div(double a, double b) { return b == 0 ? fail() : value(a / b); }

private:
    bool m_failed = false;
};

// x in radians for the circular functions.
double forward(TrigFunction number, double x, Checked& c)
{
    if (isCircular(number) && !(std::fabs(x) < kCircularLimit)) return c.fail();
    switch (number) {
    case TrigFunction::Sin: return c.value(std::sin(x));
    case TrigFunction::Cos: return c.value(std::cos(x));
    case TrigFunction::Tan: return c.value(std::tan(x));
    case TrigFunction::Sinh:
        if (std::fabs(x) > kHyperbolicLimit) return c.fail();
        return c.div(c.value(c.exp(x) - c.exp(-x)), 2);
    case TrigFunction::Cosh:
        if (std::fabs(x) > kHyperbolicLimit) return c.fail();
        return c.div(c.value(c.exp(x) + c.exp(-x)), 2);
    case TrigFunction::Tanh: {
        const double ex = c.exp(x);
        const double emx = c.exp(-x);
        return c.div(c.value(ex - emx), c.value(ex + emx));
    }
    }
    return c.fail();
}

// Inverse of the function; circular inverses come out in radians.
double inverseOf(TrigFunction number, double x, Checked& c)
{
    switch (number) {
    case TrigFunction::Sin:
    case TrigFunction::Cos: {
        // 1 - x*x is 0 at the end points, so they are answered without the formula.
        const double t = -x * x;
        if (t < -1) return c.fail();
        if (t == -1) {
            if (number == TrigFunction::Sin) return x > 0 ? Pi / 2 : -Pi / 2;
            return x > 0 ? 0 : Pi;
        }
        const double root = c.sqrt(c.value(1 - x * x));
        if (number == TrigFunction::Sin) return c.value(std::atan(c.div(x, root)));
        return c.value(std::atan(c.div(-x, root)) + 2 * std::atan(1.0));
    }
    case TrigFunction::Tan: return c.value(std::atan(x));
    case TrigFunction::Sinh: return c.log(c.value(x + c.sqrt(c.value(c.value(x * x) + 1))));
    case TrigFunction::Cosh: return c.log(c.value(x + c.sqrt(c.value(c.value(x * x) - 1))));
    case TrigFunction::Tanh: return c.div(c.log(c.div(c.value(1 + x), c.value(1 - x))), 2);
    }
    return c.fail();
}

}  // namespace

TrigFunction hyperbolicOf(TrigFunction function)
{
    switch (function) {
    case TrigFunction::Sin: return TrigFunction::Sinh;
    case TrigFunction::Cos: return TrigFunction::Cosh;
    case TrigFunction::Tan: return TrigFunction::Tanh;
    default: return function;
    }
}

std::optional<double> trigonometric(TrigFunction function, bool inverse, double x, Angle mode)
{
    const bool circular = isCircular(function);
    Checked c;
    double result = 0;
    if (inverse) {
        result = inverseOf(function, x, c);
        if (circular) {
            if (mode == Angle::Degrees) result = radToDeg(result);
            else if (mode == Angle::Grads) result = radToGrad(result);
        }
        roundToPlaces(result, 9);
    } else {
        if (circular) {
            if (mode == Angle::Degrees) x = degToRad(x);
            else if (mode == Angle::Grads) x = gradToRad(x);
        }
        result = forward(function, x, c);
    }
    c.value(result);
    if (c.failed()) return std::nullopt;
    return result;
}

}  // namespace trellum
