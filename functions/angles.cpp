// Angle conversions: the product is formed before the division.

#include "functions/functions.h"

namespace trellum {

double RadToDeg(double x) { return x * 180 / Pi; }
double DegToRad(double x) { return x * Pi / 180; }
double RadToGrad(double x) { return x * 200 / Pi; }
double GradToRad(double x) { return x * Pi / 200; }

}  // namespace trellum
