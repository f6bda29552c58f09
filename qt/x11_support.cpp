#include "qt/x11_support.h"

#include <cstring>
#include <utility>

#include <QByteArray>
#include <QGuiApplication>
#include <QHash>
#include <QVarLengthArray>
#include <QWidget>

namespace tarsilo::x11 {

xcb_connection_t* Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t NativeWindow(const QWidget* window) {
    return Connection() ? xcb_window_t(window->internalWinId()) : xcb_window_t(0);
}

namespace {

// The atoms of the one connection the program has; a new connection (a test
// may open one) starts afresh.
struct AtomCache {
    xcb_connection_t* connection = nullptr;
    QHash<QByteArray, xcb_atom_t> atoms;
};

AtomCache& Cache(xcb_connection_t* connection) {
    static AtomCache cache;
    if (cache.connection != connection) {
        cache.connection = connection;
        cache.atoms.clear();
    }
    return cache;
}

} // namespace

void InternAtoms(xcb_connection_t* connection, std::initializer_list<const char*> names) {
    AtomCache& cache = Cache(connection);
    QVarLengthArray<std::pair<const char*, xcb_intern_atom_cookie_t>, 8> asked;
    for (const char* name : names) {
        if (!cache.atoms.contains(name))
            asked.append({name, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name)});
    }
    for (const auto& [name, cookie] : asked) {
        const auto reply = Own(xcb_intern_atom_reply(connection, cookie, nullptr));
        // A failed request is asked again next time.
        if (reply)
            cache.atoms.insert(name, reply->atom);
    }
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    InternAtoms(connection, {name});
    return Cache(connection).atoms.value(name, XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t property, xcb_atom_t type, uint32_t length) {
    return Own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, length), nullptr));
}

bool ManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature) {
    InternAtoms(connection, {"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED"});
    // Both asked before either answer is read: one round trip.
    const xcb_get_property_cookie_t checkCookie = xcb_get_property(
        connection, 0, root, Atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1);
    const xcb_get_property_cookie_t supportedCookie = xcb_get_property(
        connection, 0, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 1024);
    const auto check = Own(xcb_get_property_reply(connection, checkCookie, nullptr));
    const auto supported = Own(xcb_get_property_reply(connection, supportedCookie, nullptr));
    const QList<xcb_window_t> manager = Values<xcb_window_t>(check.get());
    if (manager.isEmpty() || manager.front() == XCB_WINDOW_NONE)
        return false;
    return Values<xcb_atom_t>(supported.get()).contains(feature);
}

} // namespace tarsilo::x11
