#include "shell/platform.h"

#include <QGuiApplication>
#include <QtGlobal>

namespace trellum::shell {

void PreferX11(bool platformGiven)
{
    // An empty QT_QPA_PLATFORM counts as unset, as it does for Qt itself.
    if (platformGiven || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return;
    qputenv("QT_QPA_PLATFORM", "xcb");
}

bool IsNativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace trellum::shell
