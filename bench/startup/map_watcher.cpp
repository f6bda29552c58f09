// Waits on an X display for a top-level window whose title starts with a
// given text to be mapped, and prints the wall-clock time of that moment in
// microseconds since the epoch (the clock of bash's EPOCHREALTIME).
//
//   bench_map_watcher <title prefix> [timeout seconds]
//
// It connects and subscribes before it prints "ready", so a program started
// after that line cannot map its window unseen. Without a window manager the
// program's top-level windows are children of the root window, whose
// substructure events report each map as it happens. A window manager maps
// its frame around the program's window instead, the window itself already
// mapped inside: the frame's map is the moment the window appears, and the
// title is looked for in the frame's descendants.

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <xcb/xcb.h>

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <class T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string Title(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                  xcb_atom_t type) {
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr));
    if (!reply)
        return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

std::string TitleOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmName,
                    xcb_atom_t utf8String) {
    std::string title = Title(connection, window, netWmName, utf8String);
    return title.empty() ? Title(connection, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : title;
}

// Whether the window or one of its descendants (a frame's client) has a
// title that starts with the prefix.
bool Titled(xcb_connection_t* connection, xcb_window_t window, const std::string& prefix,
            xcb_atom_t netWmName, xcb_atom_t utf8String, int depth = 0) {
    if (TitleOf(connection, window, netWmName, utf8String).compare(0, prefix.size(), prefix) == 0)
        return true;
    if (depth == 3)
        return false;
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!tree)
        return false;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (Titled(connection, children[i], prefix, netWmName, utf8String, depth + 1))
            return true;
    }
    return false;
}

long long NowMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <title prefix> [timeout seconds]\n", argv[0]);
        return 2;
    }
    const std::string prefix = argv[1];
    const int timeoutMs = (argc > 2 ? std::atoi(argv[2]) : 30) * 1000;

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot connect to the X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8String = Atom(connection, "UTF8_STRING");
    xcb_flush(connection);
    std::printf("ready\n");
    std::fflush(stdout);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        const XcbReply<xcb_generic_event_t> event(xcb_poll_for_event(connection));
        if (!event) {
            if (xcb_connection_has_error(connection))
                return 1;
            poll(&descriptor, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const long long mappedAt = NowMicros();
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
        if (Titled(connection, window, prefix, netWmName, utf8String)) {
            std::printf("%lld.%06lld\n", mappedAt / 1000000, mappedAt % 1000000);
            return 0;
        }
    }
    std::fprintf(stderr, "no window titled \"%s...\" was mapped\n", prefix.c_str());
    return 1;
}
