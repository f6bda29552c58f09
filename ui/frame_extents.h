#pragma once
// The size of the frame and title bar that the window manager puts around a
// window, known before the window is first shown.

#include <QMargins>

class QWidget;

namespace tarsilo {

// Asks an X11 window manager for the frame extents of the window it will give
// this (created, not yet mapped) top-level window, and waits a moment for the
// answer, in the window's logical pixels. No frame (zero margins) when there
// is no X11 window manager, when it does not answer such requests, or on
// other platforms, where the window system places the window itself.
QMargins FrameExtentsBeforeMapping(const QWidget* window);

// The part of the window's frame that the window system does not know yet:
// all of it before the first showing, none once the window is framed. Qt
// places such a window by its client area.
QMargins UnknownFrame(const QWidget* window);

} // namespace tarsilo
