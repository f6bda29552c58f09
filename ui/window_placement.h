#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace tarsilo {

// The top-left corner that centres a window of outer size `window` on a
// desktop of size `desktop`, measured from the desktop's origin; the halves
// drop their fraction, and a negative coordinate becomes 0.
QPoint DesktopCentredPosition(QSize desktop, QSize window);

// Moves the window, frame included, to the centre of the whole virtual
// desktop. Before the window is first shown the window system does not yet
// know its frame, so the frame extents are asked of the window manager.
void CentreOnDesktop(QWidget* window);

} // namespace tarsilo
