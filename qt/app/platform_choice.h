#pragma once
// Which windowing system the program talks to on a Linux desktop.
//
// A Wayland compositor lets no client place its windows, tells it nothing of
// being minimised, keeps no window out of the task list and draws no frame
// for a client that asks for one on some desktops; the windows rely on all of
// these. Where the Wayland desktop also runs an X server (XWayland, as GNOME
// and KDE Plasma do), the program therefore runs as an X11 client there, and
// falls back to Wayland only when that server cannot be reached.

#include <QByteArray>

namespace tarsilo {

// The Qt platform list for the environment's values of QT_QPA_PLATFORM,
// WAYLAND_DISPLAY and DISPLAY (null when unset): empty to leave Qt's own
// choice, which also keeps a platform the user set.
QByteArray PreferredPlatform(const char* qpaPlatform, const char* waylandDisplay,
                             const char* display);

// Sets QT_QPA_PLATFORM to the preferred platform list, if any; runs before
// the application object is made.
void ChoosePlatform();

} // namespace tarsilo
