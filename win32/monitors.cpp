#include "win32/monitors.h"

namespace tarsilo::win32 {

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, RECT*, LPARAM monitors) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        return TRUE;
    // Nothing may unwind through the system's enumeration.
    try {
        reinterpret_cast<std::vector<Rect>*>(monitors)->push_back(ToRect(info.rcMonitor));
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

} // namespace

Rect ToRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::vector<Rect> MonitorRects() {
    std::vector<Rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

Rect FrameOf(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return ToRect(frame);
}

Size DesktopSize() {
    return {GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

} // namespace tarsilo::win32
