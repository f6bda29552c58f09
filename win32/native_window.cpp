#include "win32/native_window.h"

#include <string>

#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "win32/text_encoding.h"

namespace tarsilo::win32 {

namespace {

// Functions of later Windows versions, looked up at run time so that the
// program still starts where they are missing.
template <class Function> Function User32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

} // namespace

HWND CreateNativeWindow(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                        RECT bounds, HWND parent, HMENU menuOrId, void* creationData) {
    HWND window = nullptr;
    DWORD error = 0;
    {
        const ScopedFpuMode keepMode(ReadFpuControlWord());
        window = CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top,
                                 bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                 menuOrId, GetModuleHandleW(nullptr), creationData);
        error = GetLastError();
    }
    if (!window)
        throw Exception("Cannot create a window of class " + Utf8FromWide(className) + " (error " +
                        std::to_string(error) + ")");
    return window;
}

void RegisterWindowClass(const wchar_t* className, WNDPROC procedure, HICON icon, HICON smallIcon) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, className, &existing))
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!RegisterClassExW(&windowClass))
        throw Exception("Cannot register a window class (error " + std::to_string(GetLastError()) +
                        ")");
}

LRESULT WindowIcon(HWND window, WPARAM kind, LPARAM dpi) {
    if (const LRESULT own = DefWindowProcW(window, WM_GETICON, kind, dpi))
        return own;
    return static_cast<LRESULT>(
        GetClassLongPtrW(window, kind == ICON_BIG ? GCLP_HICON : GCLP_HICONSM));
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

UINT WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window))
            return dpi;
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

RECT OuterRectForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto adjustForDpi =
        User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, dpi))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return rect;
}

int ScreenColourDepth() {
    const HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return depth;
}

} // namespace tarsilo::win32
