// Angle mode and the two prefixes. The function keys clear a prefix they use
// by pressing its key again, so flag and indicator always change together.

#include "app/calculator.h"
#include "functions/functions.h"

namespace trellum {

double RadToDeg(double x) { return x * 180 / Pi; }
double DegToRad(double x) { return x * Pi / 180; }
double RadToGrad(double x) { return x * 200 / Pi; }
double GradToRad(double x) { return x * Pi / 200; }

void Calculator::cmdMode_Click()
{
    // A mode restored from a damaged setting may be out of range; it restarts at degrees.
    AngleMode = (AngleMode >= 0 && AngleMode < 2) ? static_cast<int16_t>(AngleMode + 1) : int16_t{0};
    showModeLabel();
    toolkit().FocusEqual();
}

void Calculator::cmdShift_Click()
{
    ShiftOn = !ShiftOn;
    ShiftIndicatorVisible = ShiftOn;
    toolkit().FocusEqual();
}

void Calculator::cmdHyp_Click()
{
    HypOn = !HypOn;
    HypIndicatorVisible = HypOn;
    toolkit().FocusEqual();
}

}  // namespace trellum
