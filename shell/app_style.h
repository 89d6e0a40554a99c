// SPDX-License-Identifier: MIT
#pragma once
// The application's look beyond the window's own painting: the style Qt chose,
// less a slow start-up look-up, the program's icon and the keypad's pointer.

class QCursor;
class QIcon;
class QStyle;

namespace trellum::shell {

// The application's style, with the few standard icons Qt would look up the
// slow way at start-up read directly. Owned by QApplication once set.
QStyle* newAppStyle();

// The program's icon at the sizes a title bar, task bar or tray shows.
QIcon appIcon();

// The hand the keypad shows as its pointer.
QCursor keypadCursor();

}  // namespace trellum::shell
