#pragma once
// The size of the frame and title bar that the window manager puts around a
// window, known before the window is first shown where the window manager
// tells it, and as soon as it sets it otherwise.

#include <functional>
#include <optional>

#include <QMargins>

class QWidget;

namespace tarsilo {

// Asks an X11 window manager for the frame extents it will give this created,
// not yet mapped, top-level window, and returns at once: the answer is there
// by the time the window is shown. Does nothing where the manager does not
// answer such requests, and on other platforms.
void RequestFrameExtents(const QWidget* window);

// The window's frame in its logical pixels: the one Qt knows once the window
// is framed, else the extents an X11 window manager has set on it. When the
// manager answers requests and has not answered yet, asks and waits a moment.
// Nothing while the frame is not known: a manager that sets the extents only
// once it manages the window (kwin), no window manager, or no X11, where the
// window system places windows itself.
std::optional<QMargins> KnownFrameExtents(const QWidget* window);

// Calls `known` once, with the frame, after the X11 window manager has set
// the extents of this created window, and returns true; false, and `known` is
// never called, where no window manager that sets them runs (or no X11).
// Never called after the window is destroyed.
bool WhenFrameExtentsSet(QWidget* window, std::function<void(QMargins)> known);

// Calls `done` once this managed window stands where it was last placed: the
// X11 window manager has moved it and told it so. A manager that puts it
// elsewhere keeps it waiting a few seconds at most. At once where there is no
// X11; never after the window is destroyed.
void WhenPlaceAnswered(QWidget* window, std::function<void()> done);

} // namespace tarsilo
