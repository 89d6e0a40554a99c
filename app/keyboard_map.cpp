// The keyboard map: the "=" key always holds the focus, and its key-down event
// turns Windows virtual-key codes into the keypad keys of the key table.

#include "app/calculator.h"
#include "app/key_table.h"
#include "app/virtual_keys.h"

namespace trellum {

void Calculator::sscmdEqual_KeyDown(int16_t KeyCode, int16_t /*Shift: modifiers are not looked at*/)
{
    if (const KeyRow* key = FindKeyByVirtualKey(KeyCode)) return key->Press(*this);
    // Esc is no key of the keypad: it hides the window to the tray.
    if (KeyCode == VK_ESCAPE) {
        if (m_toolkit.IsWindowVisible()) mnuHide_Click();
        return;
    }
    m_toolkit.Beep();
}

}  // namespace trellum
