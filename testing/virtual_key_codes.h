// SPDX-License-Identifier: MIT
#pragma once
// The runner's KEY:n token names a keyboard key by its Windows virtual-key
// code, a documented input format of trellum-keys. This is the only place that
// knows those codes: it types the key the code stands for.

namespace trellum {

class Calculator;

// Types the keyboard key with virtual-key code `code` (0..255): the keypad key
// it presses, Esc, or a key the calculator has no use for (a beep).
void typeVirtualKey(Calculator& calc, int code);

}  // namespace trellum
