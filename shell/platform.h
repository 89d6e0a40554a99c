// SPDX-License-Identifier: MIT
#pragma once
// The windowing system the program runs on. On a Wayland session the program
// asks for X11 (XWayland) unless the user chose otherwise, because a native
// Wayland window can neither be placed nor kept above others, and the tray
// works as designed only on X11.

#include <cstdint>

struct xcb_connection_t;
class QByteArray;
class QWidget;

namespace trellum::shell {

// Called before QApplication exists: when neither the variable nor -platform
// chose a windowing system and an X display is set, sets QT_QPA_PLATFORM to
// xcb (then wayland, should X fail on a Wayland session).
void preferX11(bool platformGiven);

// Called once QApplication exists: true on a native Wayland connection.
bool isNativeWayland();

// The X atom called `name`, or none when the server gives no answer.
std::uint32_t x11Atom(xcb_connection_t* connection, const char* name);

// Ends an X11 launcher's busy feedback for `startupId` (a later launch's, which
// the running copy answered), as Qt ends it for the program's own start.
void endStartupFeedback(const QWidget& window, const QByteArray& startupId);

}  // namespace trellum::shell
