#include "qt/frame_extents.h"

#include <cmath>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include "qt/x11_support.h"

namespace tarsilo {

namespace {

using namespace x11;

// Long enough for a busy window manager; it answers the request at once.
constexpr int AnswerMilliseconds = 1000;
// Only against a window manager that never moves the window where it was
// asked to: a busy one takes its time, and a short wait showed the window at
// its first place on a loaded machine.
constexpr int PlaceAnswerMilliseconds = 3000;

std::optional<QMargins> ReadExtents(xcb_connection_t* connection, xcb_window_t window) {
    const QList<uint32_t> values = Values<uint32_t>(
        Property(connection, window, Atom(connection, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 4)
            .get());
    if (values.size() != 4)
        return std::nullopt;
    // The property lists left, right, top, bottom.
    return QMargins(int(values[0]), int(values[2]), int(values[1]), int(values[3]));
}

int Logical(int devicePixels, qreal ratio) {
    return int(std::lround(devicePixels / ratio));
}

QMargins LogicalMargins(const QMargins& device, const QWidget* window) {
    const qreal ratio = window->devicePixelRatioF();
    return {Logical(device.left(), ratio), Logical(device.top(), ratio),
            Logical(device.right(), ratio), Logical(device.bottom(), ratio)};
}

// The window's root, with every name the frame extents need: one round trip.
xcb_window_t RootWithNames(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_get_geometry_cookie_t geometry = xcb_get_geometry(connection, window);
    InternAtoms(connection, {"_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS",
                             "_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED"});
    const auto reply = Own(xcb_get_geometry_reply(connection, geometry, nullptr));
    return reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
}

void PostRequest(xcb_connection_t* connection, xcb_window_t window, xcb_window_t root) {
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

// Whether the manager answers requests; sends one when it does.
bool SendRequest(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_window_t root = RootWithNames(connection, window);
    if (root == XCB_WINDOW_NONE ||
        !ManagerSupports(connection, root, Atom(connection, "_NET_REQUEST_FRAME_EXTENTS")))
        return false;
    PostRequest(connection, window, root);
    return true;
}

// Watches the X server's property notices for the window's frame extents.
class FrameExtentsWatch : public QObject, public QAbstractNativeEventFilter {
public:
    FrameExtentsWatch(QWidget* window, std::function<void(QMargins)> known)
        : QObject(window), window_(window), native_(NativeWindow(window)),
          extents_(Atom(Connection(), "_NET_FRAME_EXTENTS")), known_(std::move(known)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (delivered_ || type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (notify->window == native_ && notify->atom == extents_ &&
            notify->state == XCB_PROPERTY_NEW_VALUE) {
            delivered_ = true;
            // After Qt itself has seen the notice and learnt the new frame.
            QMetaObject::invokeMethod(this, &FrameExtentsWatch::Deliver, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Deliver() {
        if (const auto frame = ReadExtents(Connection(), native_))
            known_(LogicalMargins(*frame, window_));
        deleteLater();
    }

    QWidget* window_;
    xcb_window_t native_;
    xcb_atom_t extents_;
    std::function<void(QMargins)> known_;
    bool delivered_ = false;
};

// Waits until the window stands where it was placed: the window manager moves
// a managed window in its own time and tells it with a configure notice (real
// or sent by the manager), after which Qt knows the new place.
class PlaceAnswerWatch : public QObject, public QAbstractNativeEventFilter {
public:
    PlaceAnswerWatch(QWidget* window, std::function<void()> done)
        : QObject(window), window_(window), native_(NativeWindow(window)),
          wanted_(window->geometry().topLeft()), done_(std::move(done)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        QTimer::singleShot(PlaceAnswerMilliseconds, this, &PlaceAnswerWatch::Deliver);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (delivered_ || type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_CONFIGURE_NOTIFY &&
            reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window == native_)
            // After Qt itself has seen the notice and learnt the new place.
            QMetaObject::invokeMethod(this, &PlaceAnswerWatch::DeliverWhenPlaced,
                                      Qt::QueuedConnection);
        return false;
    }

private:
    void DeliverWhenPlaced() {
        if (window_->geometry().topLeft() == wanted_)
            Deliver();
    }
    void Deliver() {
        if (delivered_)
            return;
        delivered_ = true;
        done_();
        deleteLater();
    }

    QWidget* window_;
    xcb_window_t native_;
    QPoint wanted_;
    std::function<void()> done_;
    bool delivered_ = false;
};

} // namespace

void RequestFrameExtents(const QWidget* window) {
    if (const xcb_window_t native = NativeWindow(window))
        SendRequest(Connection(), native);
}

std::optional<QMargins> KnownFrameExtents(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (outer != inner)
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const xcb_window_t native = NativeWindow(window);
    if (!native)
        return std::nullopt;
    xcb_connection_t* connection = Connection();
    std::optional<QMargins> frame = ReadExtents(connection, native);
    if (!frame && SendRequest(connection, native)) {
        // The answer is a property on the window; each read is a round trip
        // that gives the window manager time to set it.
        const QDeadlineTimer deadline(AnswerMilliseconds);
        while (!(frame = ReadExtents(connection, native)) && !deadline.hasExpired())
            QThread::msleep(1);
    }
    if (!frame)
        return std::nullopt;
    return LogicalMargins(*frame, window);
}

bool WhenFrameExtentsSet(QWidget* window, std::function<void(QMargins)> known) {
    const xcb_window_t native = NativeWindow(window);
    if (!native)
        return false;
    xcb_connection_t* connection = Connection();
    const xcb_window_t root = RootWithNames(connection, native);
    if (root == XCB_WINDOW_NONE ||
        !ManagerSupports(connection, root, Atom(connection, "_NET_FRAME_EXTENTS")))
        return false;
    new FrameExtentsWatch(window, std::move(known));
    return true;
}

void WhenPlaceAnswered(QWidget* window, std::function<void()> done) {
    if (!NativeWindow(window)) {
        done();
        return;
    }
    new PlaceAnswerWatch(window, std::move(done));
}

} // namespace tarsilo
