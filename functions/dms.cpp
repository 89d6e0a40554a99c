// Degrees, minutes and seconds into decimal degrees, one part per press. The
// running total lives between presses; step 0 overwrites it, so it needs no reset.

#include <cmath>

#include "app/calculator.h"
#include "functions/functions.h"

namespace trellum {

void Calculator::cmdAngle_Click()
{
    const double x = GetDisplayValue();
    if (DmsStep == 1 || DmsStep == 2) {
        DmsTotal = DmsTotal + x / std::pow(60.0, static_cast<double>(DmsStep));
        // The step moves on before the total is shown: if the display refuses
        // the total, the error's AC must leave the angle abandoned.
        DmsStep = DmsStep == 2 ? int16_t{0} : int16_t{2};
        ShowValue(DmsTotal);
    } else {
        DmsTotal = x;
        DmsStep = 1;
    }
    NewEntry = true;
    toolkit().FocusEqual();
}

}  // namespace trellum
