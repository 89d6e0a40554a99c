#pragma once
// The windowing system the program runs on. On a Wayland session the program
// asks for X11 (XWayland) unless the user chose otherwise, because a native
// Wayland window can neither be placed nor kept above others, and the tray
// works as designed only on X11.

namespace trellum::shell {

// Called before QApplication exists: when neither the variable nor -platform
// chose a windowing system and an X display is set, sets QT_QPA_PLATFORM to
// xcb (then wayland, should X fail on a Wayland session).
void preferX11(bool platformGiven);

// Called once QApplication exists: true on a native Wayland connection.
bool isNativeWayland();

}  // namespace trellum::shell
