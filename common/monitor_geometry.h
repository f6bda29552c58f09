#pragma once
// Where windows go on a desktop of one or more monitors: centred on the whole
// desktop, or following the active window onto its monitor.

#include <span>

#include "common/screen_geometry.h"

namespace tarsilo {

// The top-left corner that centres a window of outer size `window` on a
// desktop of size `desktop`, measured from the desktop's origin; the halves
// drop their fraction, and a negative coordinate becomes 0.
Point DesktopCentredPosition(Size desktop, Size window);

// The monitor a window stands on: the one it overlaps most, else the nearest;
// the first listed wins a tie. -1 when there is no monitor.
int MonitorOf(const Rect& window, std::span<const Rect> monitors);

// The outer top-left corner for `window` (its outer rectangle). When the
// active window stands on another monitor, the window moves there, keeping
// its offset from the monitor's top-left corner but pulled back so that its
// right and bottom edges do not pass that monitor's; otherwise it stays.
Point FollowActiveMonitor(const Rect& window, const Rect& activeWindow,
                          std::span<const Rect> monitors);

} // namespace tarsilo
