// The keyboard map: the "=" key always holds the focus, and its key-down event
// turns Windows virtual-key codes into the handlers of the on-screen keys.

#include "app/calculator.h"

namespace trellum {

void Calculator::sscmdEqual_KeyDown(int16_t KeyCode, int16_t /*Shift: modifiers are not looked at*/)
{
    if (KeyCode >= 48 && KeyCode <= 57) return sscmdDigit_Click(static_cast<int16_t>(KeyCode - 48));
    if (KeyCode >= 96 && KeyCode <= 105) return sscmdDigit_Click(static_cast<int16_t>(KeyCode - 96));
    switch (KeyCode) {
    case 107: return sscmdOperator_Click(1);
    case 109: return sscmdOperator_Click(2);
    case 106: return sscmdOperator_Click(3);
    case 111: return sscmdOperator_Click(4);
    case 110: return sscmdDot_Click();
    case 112: return cmdExtended_Click(0);
    case 113: return cmdPowers_Click(0);
    case 114: return cmdPowers_Click(1);
    case 115: return cmdPowers_Click(2);
    case 116: return cmdLogs_Click(0);
    case 117: return cmdLogs_Click(1);
    case 118: return cmdTrigFunc_Click(0);
    case 119: return cmdTrigFunc_Click(1);
    case 120: return cmdTrigFunc_Click(2);
    case 122: return cmdExtended_Click(1);
    case 34: return sscmdExp_Click();
    case 33: return cmdMem_Click(1);
    case 45: return cmdMem_Click(0);
    case 8: return cmdDel_Click();
    case 46: return sscmdClean_Click(1);
    case 36: return sscmdClean_Click(0);
    case 35: return sscmdOff_Click();
    case 77: return cmdMode_Click();
    case 78: return sscmdConst_Click();
    case 68: return cmdAngle_Click();
    case 16: return cmdShift_Click();
    case 72: return cmdHyp_Click();
    case 219: return cmdBracket_Click(0);
    case 221: return cmdBracket_Click(1);
    case 27:
        if (m_toolkit.IsWindowVisible()) mnuHide_Click();
        return;
    default: m_toolkit.Beep();
    }
}

}  // namespace trellum
