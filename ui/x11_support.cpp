#include "ui/x11_support.h"

#include <cstring>

#include <QGuiApplication>
#include <QWidget>

namespace tarsilo::x11 {

xcb_connection_t* Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t NativeWindow(const QWidget* window) {
    return Connection() ? xcb_window_t(window->internalWinId()) : xcb_window_t(0);
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto reply = Own(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t property, xcb_atom_t type, uint32_t length) {
    return Own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, length), nullptr));
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    const auto geometry =
        Own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    return geometry ? geometry->root : xcb_window_t(XCB_WINDOW_NONE);
}

bool ManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature) {
    const QList<xcb_window_t> check = Values<xcb_window_t>(
        Property(connection, root, Atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1)
            .get());
    if (check.isEmpty() || check.front() == XCB_WINDOW_NONE)
        return false;
    return Values<xcb_atom_t>(
               Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024)
                   .get())
        .contains(feature);
}

} // namespace tarsilo::x11
