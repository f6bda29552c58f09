#pragma once
// The desktop's monitors in the shared geometry types.

#include <windows.h>

#include <vector>

#include "common/screen_geometry.h"

namespace tarsilo::win32 {

Rect ToRect(const RECT& rect);

// The rectangles of all monitors, in the system's order.
std::vector<Rect> MonitorRects();

// The outer rectangle of a window.
Rect FrameOf(HWND window);

// The width and height of the whole desktop, the virtual screen that spans
// every monitor.
Size DesktopSize();

} // namespace tarsilo::win32
