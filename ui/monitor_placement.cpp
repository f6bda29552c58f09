#include "ui/monitor_placement.h"

#include <algorithm>
#include <limits>

namespace tarsilo {

namespace {

qint64 OverlapArea(const QRect& a, const QRect& b) {
    const QRect overlap = a.intersected(b);
    return overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
}

// The gap between two rectangles along one axis, 0 when they meet or overlap.
qint64 Gap(int firstStart, int firstEnd, int secondStart, int secondEnd) {
    return std::max<qint64>({0, qint64(secondStart) - firstEnd, qint64(firstStart) - secondEnd});
}

qint64 SquaredDistance(const QRect& a, const QRect& b) {
    const qint64 dx = Gap(a.left(), a.left() + a.width(), b.left(), b.left() + b.width());
    const qint64 dy = Gap(a.top(), a.top() + a.height(), b.top(), b.top() + b.height());
    return dx * dx + dy * dy;
}

} // namespace

int MonitorOf(const QRect& window, const QList<QRect>& monitors) {
    int best = -1;
    qint64 bestOverlap = 0;
    for (int i = 0; i < monitors.size(); ++i) {
        const qint64 overlap = OverlapArea(window, monitors[i]);
        if (overlap > bestOverlap) {
            best = i;
            bestOverlap = overlap;
        }
    }
    if (best >= 0)
        return best;
    qint64 nearest = std::numeric_limits<qint64>::max();
    for (int i = 0; i < monitors.size(); ++i) {
        const qint64 distance = SquaredDistance(window, monitors[i]);
        if (distance < nearest) {
            best = i;
            nearest = distance;
        }
    }
    return best;
}

QPoint FollowActiveMonitor(const QRect& window, const QRect& activeWindow,
                           const QList<QRect>& monitors) {
    const int own = MonitorOf(window, monitors);
    const int active = MonitorOf(activeWindow, monitors);
    if (own < 0 || active < 0 || own == active)
        return window.topLeft();
    const QRect& from = monitors[own];
    const QRect& to = monitors[active];
    const int left = std::min(to.left() + (window.left() - from.left()),
                              to.left() + to.width() - window.width());
    const int top =
        std::min(to.top() + (window.top() - from.top()), to.top() + to.height() - window.height());
    return QPoint(left, top);
}

} // namespace tarsilo
