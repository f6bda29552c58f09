#pragma once
// Where a window that is about to be shown goes on a desktop of several
// monitors: onto the monitor of the active window, at the same offset. The
// rules of common/monitor_geometry.h on Qt's rectangles.

#include <QList>
#include <QPoint>
#include <QRect>

namespace tarsilo {

// The monitor a window stands on: the one it overlaps most, else the nearest;
// the first listed wins a tie. -1 when there is no monitor.
int MonitorOf(const QRect& window, const QList<QRect>& monitors);

// The outer top-left corner for `window` (its outer rectangle). When the
// active window stands on another monitor, the window moves there, keeping
// its offset from the monitor's top-left corner but pulled back so that its
// right and bottom edges do not pass that monitor's; otherwise it stays.
QPoint FollowActiveMonitor(const QRect& window, const QRect& activeWindow,
                           const QList<QRect>& monitors);

} // namespace tarsilo
