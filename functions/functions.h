#pragma once
// Scientific functions: the keys that act on the displayed value.
//
//   angle_mode.cpp  MODE, SHIFT and hyp: the state that selects what a function
//                   key computes, and the angle conversions below
//   trig.cpp        sin, cos, tan with their inverse, hyperbolic and inverse
//                   hyperbolic forms; failures show "Out of Range" and press AC
//   logs_powers.cpp log, ln, 10^x, e^x, x^2, square root, x^y, +/-, 1/x, x!;
//                   argument errors go to the shared ReportError
//   dms.cpp         degrees, minutes and seconds into decimal degrees
//
// Every key reads the display with GetDisplayValue, computes in doubles, writes
// the result back with ShowValue and gives the keyboard focus back to "=". The
// display is the only register, so nothing but the prefixes, the angle mode and
// the DMS running total survives from one key to the next.
//
// The conversions use the 15-digit Pi of calculator.h: the product is formed
// first, then divided, because the last digit shown depends on that order.

#include <cstdint>

namespace trellum {

double RadToDeg(double x);
double DegToRad(double x);
double RadToGrad(double x);
double GradToRad(double x);

// Replaces x by floor(x * 10^n + 0.5) / 10^n: halves go towards plus infinity.
void RoundToPlaces(double& x, int16_t n);

}  // namespace trellum
