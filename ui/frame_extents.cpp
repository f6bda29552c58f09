#include "ui/frame_extents.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QList>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

namespace tarsilo {

namespace {

// Long enough for a busy window manager; it answers the request at once.
constexpr int AnswerMilliseconds = 1000;

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T> Reply<T> Own(T* reply) {
    return Reply<T>(reply, &std::free);
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

template <class T> QList<T> Values(const xcb_get_property_reply_t* reply) {
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const T*>(xcb_get_property_value(reply));
    return QList<T>(values, values + xcb_get_property_value_length(reply) / 4);
}

// An EWMH window manager runs, and it answers _NET_REQUEST_FRAME_EXTENTS.
bool ManagerAnswersRequests(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t request) {
    const QList<xcb_window_t> check = Values<xcb_window_t>(
        Property(connection, root, Atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1)
            .get());
    if (check.isEmpty() || check.front() == XCB_WINDOW_NONE)
        return false;
    return Values<xcb_atom_t>(
               Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024)
                   .get())
        .contains(request);
}

std::optional<QMargins> ReadExtents(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t extents) {
    const QList<uint32_t> values =
        Values<uint32_t>(Property(connection, window, extents, XCB_ATOM_CARDINAL, 4).get());
    if (values.size() != 4)
        return std::nullopt;
    // Left, right, top, bottom.
    return QMargins(int(values[0]), int(values[2]), int(values[1]), int(values[3]));
}

int Logical(int devicePixels, qreal ratio) {
    return int(std::lround(devicePixels / ratio));
}

} // namespace

QMargins FrameExtentsBeforeMapping(const QWidget* window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window->internalWinId())
        return {};
    xcb_connection_t* connection = x11->connection();
    const auto own = xcb_window_t(window->internalWinId());
    const auto geometry =
        Own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, own), nullptr));
    if (!geometry)
        return {};
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    if (!ManagerAnswersRequests(connection, geometry->root, request))
        return {};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = own;
    message.type = request;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The answer is a property on the window; each read is a round trip that
    // gives the window manager time to set it.
    const QDeadlineTimer deadline(AnswerMilliseconds);
    std::optional<QMargins> frame;
    while (!(frame = ReadExtents(connection, own, extents)) && !deadline.hasExpired())
        QThread::msleep(2);
    if (!frame)
        return {};
    const qreal ratio = window->devicePixelRatioF();
    return QMargins(Logical(frame->left(), ratio), Logical(frame->top(), ratio),
                    Logical(frame->right(), ratio), Logical(frame->bottom(), ratio));
}

QMargins UnknownFrame(const QWidget* window) {
    const bool framed = window->frameGeometry() != window->geometry();
    return framed ? QMargins() : FrameExtentsBeforeMapping(window);
}

} // namespace tarsilo
