// sin, cos and tan with their inverse, hyperbolic and inverse hyperbolic forms.
// Everything beyond the seven library primitives is built from them by fixed
// formulas, and where a formula breaks down (a root of a negative number, the
// logarithm of zero) is part of the behaviour, so every step is checked.

#include <cmath>

#include "functions/functions.h"

namespace trellum {

namespace {

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

// Function number: 0 sin, 1 cos, 2 tan, 3..5 their hyperbolic forms; x in radians.
double forward(int16_t number, double x, Checked& c)
{
    if (number <= kTan && !(std::fabs(x) < kCircularLimit)) return c.fail();
    switch (number) {
    case kSin: return c.value(std::sin(x));
    case kCos: return c.value(std::cos(x));
    case kTan: return c.value(std::tan(x));
    case kSinh:
        if (std::fabs(x) > kHyperbolicLimit) return c.fail();
        return c.div(c.value(c.exp(x) - c.exp(-x)), 2);
    case kCosh:
        if (std::fabs(x) > kHyperbolicLimit) return c.fail();
        return c.div(c.value(c.exp(x) + c.exp(-x)), 2);
    case kTanh: {
        const double ex = c.exp(x);
        const double emx = c.exp(-x);
        return c.div(c.value(ex - emx), c.value(ex + emx));
    }
    default: return c.fail();
    }
}

// Inverse of the numbered function; circular inverses come out in radians.
double inverseOf(int16_t number, double x, Checked& c)
{
    switch (number) {
    case kSin:
    case kCos: {
        // 1 - x*x is 0 at the end points, so they are answered without the formula.
        const double t = -x * x;
        if (t < -1) return c.fail();
        if (t == -1) {
            if (number == kSin) return x > 0 ? Pi / 2 : -Pi / 2;
            return x > 0 ? 0 : Pi;
        }
        const double root = c.sqrt(c.value(1 - x * x));
        if (number == kSin) return c.value(std::atan(c.div(x, root)));
        return c.value(std::atan(c.div(-x, root)) + 2 * std::atan(1.0));
    }
    case kTan: return c.value(std::atan(x));
    case kSinh: return c.log(c.value(x + c.sqrt(c.value(c.value(x * x) + 1))));
    case kCosh: return c.log(c.value(x + c.sqrt(c.value(c.value(x * x) - 1))));
    case kTanh: return c.div(c.log(c.div(c.value(1 + x), c.value(1 - x))), 2);
    default: return c.fail();
    }
}

}  // namespace

std::optional<double> Trigonometric(int16_t function, bool inverse, double x, Angle mode)
{
    const bool circular = function <= kTan;
    Checked c;
    double result = 0;
    if (inverse) {
        result = inverseOf(function, x, c);
        if (circular) {
            if (mode == Angle::Degrees) result = RadToDeg(result);
            else if (mode == Angle::Grads) result = RadToGrad(result);
        }
        RoundToPlaces(result, 9);
    } else {
        if (circular) {
            if (mode == Angle::Degrees) x = DegToRad(x);
            else if (mode == Angle::Grads) x = GradToRad(x);
        }
        result = forward(function, x, c);
    }
    c.value(result);
    if (c.failed()) return std::nullopt;
    return result;
}

}  // namespace trellum
