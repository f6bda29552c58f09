#include "common/monitor_geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tarsilo {

namespace {

// 64 bits: the area of a large monitor in pixels overflows int.
std::int64_t OverlapArea(const Rect& a, const Rect& b) {
    const std::int64_t width =
        std::int64_t(std::min(a.Right(), b.Right())) - std::max(a.left, b.left);
    const std::int64_t height =
        std::int64_t(std::min(a.Bottom(), b.Bottom())) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The gap between two rectangles along one axis, 0 when they meet or overlap.
std::int64_t Gap(int firstStart, int firstEnd, int secondStart, int secondEnd) {
    return std::max<std::int64_t>(
        {0, std::int64_t(secondStart) - firstEnd, std::int64_t(firstStart) - secondEnd});
}

std::int64_t SquaredDistance(const Rect& a, const Rect& b) {
    const std::int64_t dx = Gap(a.left, a.Right(), b.left, b.Right());
    const std::int64_t dy = Gap(a.top, a.Bottom(), b.top, b.Bottom());
    return dx * dx + dy * dy;
}

} // namespace

Point DesktopCentredPosition(Size desktop, Size window) {
    const int left = (desktop.width - window.width) / 2;
    const int top = (desktop.height - window.height) / 2;
    return {std::max(left, 0), std::max(top, 0)};
}

int MonitorOf(const Rect& window, std::span<const Rect> monitors) {
    const int count = static_cast<int>(monitors.size());
    int best = -1;
    std::int64_t bestOverlap = 0;
    for (int i = 0; i < count; ++i) {
        const std::int64_t overlap = OverlapArea(window, monitors[i]);
        if (overlap > bestOverlap) {
            best = i;
            bestOverlap = overlap;
        }
    }
    if (best >= 0)
        return best;
    std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
    for (int i = 0; i < count; ++i) {
        const std::int64_t distance = SquaredDistance(window, monitors[i]);
        if (distance < nearest) {
            best = i;
            nearest = distance;
        }
    }
    return best;
}

Point FollowActiveMonitor(const Rect& window, const Rect& activeWindow,
                          std::span<const Rect> monitors) {
    const int own = MonitorOf(window, monitors);
    const int active = MonitorOf(activeWindow, monitors);
    if (own < 0 || active < 0 || own == active)
        return window.TopLeft();
    const Rect& from = monitors[own];
    const Rect& to = monitors[active];
    const int left = std::min(to.left + (window.left - from.left), to.Right() - window.width);
    const int top = std::min(to.top + (window.top - from.top), to.Bottom() - window.height);
    return {left, top};
}

} // namespace tarsilo
