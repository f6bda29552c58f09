#include "qt/x11_window_hints.h"

#include "qt/x11_support.h"

namespace tarsilo {

using namespace x11;

void KeepOffTaskBar(QWidget* window) {
    const xcb_window_t native = NativeWindow(window);
    if (!native)
        return;
    xcb_connection_t* connection = Connection();
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskBar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    // Qt keeps the states it finds on the window when it maps it.
    QList<xcb_atom_t> states =
        Values<xcb_atom_t>(Property(connection, native, state, XCB_ATOM_ATOM, 1024).get());
    if (states.contains(skipTaskBar))
        return;
    states.append(skipTaskBar);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, native, state, XCB_ATOM_ATOM, 32,
                        uint32_t(states.size()), states.constData());
    xcb_flush(connection);
}

void ShowEmptyTitle(QWidget* window) {
    const xcb_window_t native = NativeWindow(window);
    if (!native)
        return;
    xcb_connection_t* connection = Connection();
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, native, Atom(connection, "_NET_WM_NAME"),
                        Atom(connection, "UTF8_STRING"), 8, 0, nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, native, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
}

} // namespace tarsilo
