#pragma once

#include <functional>

#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

namespace tarsilo {

// The top-left corner that centres a window of outer size `window` on a
// desktop of size `desktop`, measured from the desktop's origin; the halves
// drop their fraction, and a negative coordinate becomes 0.
QPoint DesktopCentredPosition(QSize desktop, QSize window);

// Places a top-level window by its outer frame: `outerCorner` is given the
// frame and returns where the frame's top-left corner goes. The native window
// is created if need be. When the frame is not known yet (a window manager
// that tells it only once it manages the window), the window is placed as if
// it had none and placed again as soon as the frame is known, before it is
// drawn on the screen: until then it is transparent.
void PlaceByFrame(QWidget* window, std::function<QPoint(QMargins frame)> outerCorner);

// Moves the window, frame included, to the centre of the whole virtual
// desktop.
void CentreOnDesktop(QWidget* window);

} // namespace tarsilo
