#pragma once
// Creating native windows without letting the window system change the
// floating-point mode, and the window facts that depend on the Windows version.

#include <windows.h>

#include <string>

namespace tarsilo::win32 {

// CreateWindowExW with the x87 control word saved before and restored after:
// window procedures, hooks and drivers that run during creation must not leave
// the calculation core another mode. Raises an error when creation fails.
HWND CreateNativeWindow(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                        RECT bounds, HWND parent, HMENU menuOrId, void* creationData = nullptr);

// Registers a window class of this module once; later calls do nothing.
// The windows of the class show its icons, large and small.
void RegisterWindowClass(const wchar_t* className, WNDPROC procedure, HICON icon = nullptr,
                         HICON smallIcon = nullptr);

// The answer to WM_GETICON: the window's own icon of that kind, else its
// class's, which it shows when it has none of its own. Windows whose icons
// come from their classes report them so, without being given their own:
// under Wine every icon given to a window is converted for the X server
// again.
LRESULT WindowIcon(HWND window, WPARAM kind, LPARAM dpi);

std::wstring WindowText(HWND window);

// The resolution the window is drawn at (pixels per inch): its monitor's under
// per-monitor awareness, else the system's.
UINT WindowDpi(HWND window);

// The outer rectangle of a top-level window of that style whose client area
// is `client`, at `dpi`.
RECT OuterRectForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

// The bits per pixel of the screen (bits per plane times planes).
int ScreenColourDepth();

} // namespace tarsilo::win32
