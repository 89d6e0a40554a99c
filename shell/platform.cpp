// SPDX-License-Identifier: MIT
#include "shell/platform.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
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

std::uint32_t x11Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

void endStartupFeedback(const QWidget& window, const QByteArray& startupId)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr || startupId.isEmpty() || !window.windowHandle()) return;
    const auto atom = [connection](const char* name) { return x11Atom(connection, name); };
    const xcb_atom_t begin = atom("_NET_STARTUP_INFO_BEGIN"), more = atom("_NET_STARTUP_INFO");
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, static_cast<xcb_window_t>(window.winId())), nullptr);
    if (tree == nullptr) return;
    const xcb_window_t root = tree->root;
    std::free(tree);
    // The startup-notification message, its NUL included, 20 bytes an event to
    // the root window; the id holds no blank or quote, so it goes unquoted.
    const QByteArray message = "remove: ID=" + startupId + '\0';
    for (qsizetype sent = 0; sent < message.size(); sent += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = static_cast<xcb_window_t>(window.winId());
        event.type = sent == 0 ? begin : more;
        std::memcpy(event.data.data8, message.constData() + sent, std::min<qsizetype>(20, message.size() - sent));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
    }
    xcb_flush(connection);
}

}  // namespace trellum::shell
