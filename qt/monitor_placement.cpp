#include "qt/monitor_placement.h"

#include <vector>

#include "common/monitor_geometry.h"

namespace tarsilo {

namespace {

Rect ToRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

std::vector<Rect> ToRects(const QList<QRect>& rects) {
    std::vector<Rect> converted;
    converted.reserve(static_cast<std::size_t>(rects.size()));
    for (const QRect& rect : rects)
        converted.push_back(ToRect(rect));
    return converted;
}

} // namespace

int MonitorOf(const QRect& window, const QList<QRect>& monitors) {
    return MonitorOf(ToRect(window), ToRects(monitors));
}

QPoint FollowActiveMonitor(const QRect& window, const QRect& activeWindow,
                           const QList<QRect>& monitors) {
    const Point corner =
        FollowActiveMonitor(ToRect(window), ToRect(activeWindow), ToRects(monitors));
    return {corner.x, corner.y};
}

} // namespace tarsilo
