// SPDX-License-Identifier: MIT
// Angle conversions: the product is formed before the division.

#include "functions/functions.h"

namespace trellum {

double radToDeg(double x) { return x * 180 / Pi; }
double degToRad(double x) { return x * Pi / 180; }
double radToGrad(double x) { return x * 200 / Pi; }
double gradToRad(double x) { return x * Pi / 200; }

}  // namespace trellum
