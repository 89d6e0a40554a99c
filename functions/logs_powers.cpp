// SPDX-License-Identifier: MIT
// Logarithms and their inverses, roots, reciprocal, factorial, and the
// degrees-minutes-seconds sum. Each argument check gives the error whose
// message the key shows.

#include <cmath>

#include "functions/functions.h"

namespace trellum {

namespace {

constexpr double kPowerOfTenLimit = 99;    // 10^99 is the largest power the display shows
constexpr double kExponentialLimit = 230;  // e^230 is about 7.7E+99
// Above 79 the key refuses x itself; 70! to 79! are computed and then refused
// by the display (exponent above 99).
constexpr double kFactorialLimit = 79;

FunctionValue failure(ErrorCode code) { return {0, code}; }

}  // namespace

LogFunction inverseOf(LogFunction function)
{
    switch (function) {
    case LogFunction::Log: return LogFunction::PowerOfTen;
    case LogFunction::Ln: return LogFunction::Exponential;
    default: return function;
    }
}

FunctionValue logarithmic(LogFunction function, double x)
{
    double result = 0;
    switch (function) {
    case LogFunction::Log: {
        if (x <= 0) return failure(ErrorCode::OutOfRange);
        const double ln10 = std::log(10.0);
        result = std::log(x) / ln10;
        break;
    }
    case LogFunction::Ln:
        if (x <= 0) return failure(ErrorCode::OutOfRange);
        result = std::log(x);
        break;
    case LogFunction::PowerOfTen:
        if (x > kPowerOfTenLimit) return failure(ErrorCode::OutOfRange);
        result = std::pow(10.0, x);
        roundToPlaces(result, 9);
        break;
    case LogFunction::Exponential:
        if (x > kExponentialLimit) return failure(ErrorCode::OutOfRange);
        result = std::exp(x);
        roundToPlaces(result, 9);
        break;
    }
    return {result, std::nullopt};
}

double square(double x) { return std::pow(x, 2.0); }

FunctionValue squareRoot(double x)
{
    if (x < 0) return failure(ErrorCode::NotPositiveNumber);
    return {std::sqrt(x), std::nullopt};
}

FunctionValue reciprocal(double x)
{
    if (x == 0) return failure(ErrorCode::DividedByZero);
    return {1 / x, std::nullopt};
}

FunctionValue factorial(double x)
{
    // trunc rather than a cast: the whole-number test must hold at any magnitude.
    if (x < 0) return failure(ErrorCode::NotPositiveInteger);
    if (x != std::trunc(x)) return failure(ErrorCode::NotPositiveInteger);
    double result = 1;
    if (x != 0 && x != 1) {
        if (x > kFactorialLimit) return failure(ErrorCode::OutOfRange);
        for (double counter = 2; counter <= x; counter += 1) result *= counter;
    }
    return {result, std::nullopt};
}

double addDmsPart(double total, double part, int16_t step)
{
    return total + part / std::pow(60.0, static_cast<double>(step));
}

void roundToPlaces(double& x, int16_t n)
{
    x = std::floor(x * std::pow(10.0, n) + 0.5) / std::pow(10.0, n);
}

}  // namespace trellum
