#include "shell/platform.h"

#include <QGuiApplication>
#include <QtGlobal>

namespace trellum::shell {

void preferX11(bool platformGiven)
{
    // An empty QT_QPA_PLATFORM counts as unset, as it does for Qt itself.
    if (platformGiven || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return;
    // A DISPLAY left over from an X server that is gone must not stop the
    // program on a Wayland session: Qt then falls back to the next in the list.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb" : "xcb;wayland");
}

bool isNativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace trellum::shell
