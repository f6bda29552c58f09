#pragma once
// Small pieces of the X11 protocol that Qt does not expose: atoms and window
// properties on the program's own connection to the X server.

#include <cstdlib>
#include <initializer_list>
#include <memory>

#include <QList>

#include <xcb/xcb.h>

class QWidget;

namespace tarsilo::x11 {

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T> Reply<T> Own(T* reply) {
    return Reply<T>(reply, &std::free);
}

// The program's X11 connection; null on any other platform.
xcb_connection_t* Connection();

// The X11 window of a top-level widget whose native window exists; 0 otherwise.
xcb_window_t NativeWindow(const QWidget* window);

// An atom of the X server, asked once per program run.
xcb_atom_t Atom(xcb_connection_t* connection, const char* name);
// Asks for several atoms at once, in one round trip to the X server.
void InternAtoms(xcb_connection_t* connection, std::initializer_list<const char*> names);

Reply<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t property, xcb_atom_t type, uint32_t length);

// The 32-bit values of a property; empty when it is unset or of another format.
template <class T> QList<T> Values(const xcb_get_property_reply_t* reply) {
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const T*>(xcb_get_property_value(reply));
    return QList<T>(values, values + xcb_get_property_value_length(reply) / 4);
}

// Whether an EWMH window manager runs and lists `feature` in _NET_SUPPORTED.
bool ManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature);

} // namespace tarsilo::x11
