#include "win32/error_reporting.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/errors.h"
#include "common/error_texts.h"
#include "win32/application_title.h"
#include "win32/native_window.h"
#include "win32/text_encoding.h"

namespace tarsilo::win32 {

namespace {

struct DialogOwner {
    HWND window = nullptr;
    std::wstring caption;
    bool set = false;
};

DialogOwner& Owner() {
    static DialogOwner owner;
    return owner;
}

// Moves the message box, when it is about to be activated, to the centre of a
// monitor's work area. The box is made by the system, so a hook on window
// activation is the one place to place it before it shows.
struct CentringHook {
    HHOOK hook = nullptr;
    HMONITOR monitor = nullptr;
};
thread_local CentringHook* pendingCentring = nullptr;

bool IsDialogBox(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return std::wstring_view(className) == L"#32770";
}

LRESULT CALLBACK CentreOnActivation(int code, WPARAM wParam, LPARAM lParam) {
    CentringHook* centring = pendingCentring;
    if (!centring)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    const LRESULT next = CallNextHookEx(centring->hook, code, wParam, lParam);
    const HWND box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && IsDialogBox(box)) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        RECT frame{};
        if (GetMonitorInfoW(centring->monitor, &monitor) && GetWindowRect(box, &frame)) {
            const RECT& work = monitor.rcWork;
            const int width = frame.right - frame.left;
            const int height = frame.bottom - frame.top;
            SetWindowPos(box, nullptr, work.left + (work.right - work.left - width) / 2,
                         work.top + (work.bottom - work.top - height) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        pendingCentring = nullptr;
        UnhookWindowsHookEx(centring->hook);
        centring->hook = nullptr;
    }
    return next;
}

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM windows) {
    if (!IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    // Nothing may unwind through the system's enumeration.
    try {
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

// Disables the thread's visible windows for the lifetime of the object: they
// still repaint, but take no input.
class DisabledWindows {
public:
    DisabledWindows() {
        EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                          reinterpret_cast<LPARAM>(&windows_));
        for (const HWND window : windows_)
            EnableWindow(window, FALSE);
    }
    ~DisabledWindows() {
        for (const HWND window : windows_) {
            if (IsWindow(window))
                EnableWindow(window, TRUE);
        }
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

private:
    std::vector<HWND> windows_;
};

// What a message box takes of its monitor besides its text at 96 ppi: frame,
// icon, margins and, in height, also the title bar and the button row. A
// box under Wine takes 74 by 94 pixels; Windows' own a little more.
constexpr int DialogChromeWidth = 120;
constexpr int DialogChromeHeight = 140;
// The narrowest width at which a message box wraps its text, in dialog units
// (a quarter of the message font's average letter): Wine's box wraps there
// and widens only for a longer unbroken run; Windows' own wraps wider, which
// leaves more lines free than counted.
constexpr int DialogWrapUnits = 168;
// How much of a text's start and of its end is measured for its widest character.
constexpr std::size_t CharactersSampled = 2000;

// A screen device context with the message font selected.
class MessageFontContext {
public:
    MessageFontContext() : dc_(GetDC(nullptr)) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        font_ = CreateFontIndirectW(&metrics.lfMessageFont);
        previous_ = SelectObject(dc_, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    }
    ~MessageFontContext() {
        SelectObject(dc_, previous_);
        if (font_)
            DeleteObject(font_);
        ReleaseDC(nullptr, dc_);
    }
    MessageFontContext(const MessageFontContext&) = delete;
    MessageFontContext& operator=(const MessageFontContext&) = delete;
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

int TextWidth(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

DialogTextRoom DialogTextRoomFor(const std::wstring& text, HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!monitor)
        monitor = MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY);
    if (!GetMonitorInfoW(monitor, &info))
        SetRect(&info.rcWork, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const int dpi = static_cast<int>(WindowDpi(nullptr));
    const MessageFontContext context;
    TEXTMETRICW metrics{};
    GetTextMetricsW(context.Dc(), &metrics);
    // A column is as wide as the widest character at the text's start and
    // end, which is what a shortened text keeps.
    int character = std::max<int>(metrics.tmAveCharWidth, 1);
    std::vector<bool> measured(0x10000);
    const auto measure = [&](wchar_t c) {
        if (!measured[c]) {
            measured[c] = true;
            character = std::max(character, TextWidth(context.Dc(), std::wstring_view(&c, 1)));
        }
    };
    const std::size_t sampled = std::min(text.size(), CharactersSampled);
    for (std::size_t i = 0; i < sampled; ++i) {
        measure(text[i]);
        measure(text[text.size() - 1 - i]);
    }
    constexpr std::wstring_view Letters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const int averageLetter = (TextWidth(context.Dc(), Letters) + 26) / 52;
    const int width = info.rcWork.right - info.rcWork.left;
    const int height = info.rcWork.bottom - info.rcWork.top;
    const int columns = (width - MulDiv(DialogChromeWidth, dpi, 96)) / character;
    const int wrapColumns =
        std::min(MulDiv(DialogWrapUnits, averageLetter, 4), width / 2) / character;
    const int lines = (height - MulDiv(DialogChromeHeight, dpi, 96)) /
                      std::max<int>(metrics.tmHeight + metrics.tmExternalLeading, 1);
    return {std::size_t(std::max(columns, 1)), std::size_t(std::max(wrapColumns, 1)),
            std::size_t(std::max(lines, 1))};
}

std::wstring FittedForDialog(const std::wstring& text, HMONITOR monitor) {
    return WideFromU16(
        tarsilo::FittedForDialog(U16FromWide(text), DialogTextRoomFor(text, monitor)));
}

void SetErrorDialogOwner(HWND owner, std::wstring caption) {
    Owner() = {owner, std::move(caption), true};
}

std::wstring ErrorMessage(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return WideFromUtf8(own->Message());
    return WideFromUtf8(error.what());
}

void ShowStopMessage(HWND owner, const std::wstring& caption, const std::wstring& text, UINT type,
                     HMONITOR monitor) {
    const HWND active = GetActiveWindow();
    {
        const DisabledWindows disabled;
        CentringHook centring{nullptr, monitor};
        if (monitor) {
            centring.hook =
                SetWindowsHookExW(WH_CBT, CentreOnActivation, nullptr, GetCurrentThreadId());
            if (centring.hook)
                pendingCentring = &centring;
        }
        MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | type);
        if (centring.hook) {
            pendingCentring = nullptr;
            UnhookWindowsHookEx(centring.hook);
        }
    }
    if (active && IsWindow(active) && IsWindowVisible(active) && IsWindowEnabled(active)) {
        SetForegroundWindow(active);
        SetActiveWindow(active);
    }
}

void ShowErrorDialog(const std::exception& error) {
    const DialogOwner& owner = Owner();
    const HWND active = GetActiveWindow();
    const HMONITOR monitor = active ? MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST)
                                    : MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY);
    // The full-stop rule looks at the whole message, before it is shortened.
    const std::wstring text =
        FittedForDialog(WideFromU16(ErrorDialogText(U16FromWide(ErrorMessage(error)))), monitor);
    const std::wstring caption = owner.set ? owner.caption : ProgramTitle();
    ShowStopMessage(owner.window, caption, text, MB_ICONERROR, monitor);
}

void ReportException(const std::exception& error, HWND /*source*/) noexcept {
    try {
        if (GetCapture())
            ReleaseCapture();
        if (dynamic_cast<const EAbort*>(&error))
            return;
        ShowErrorDialog(error);
    } catch (...) {
        // Nothing is left to show an error with; the program goes on.
    }
}

} // namespace tarsilo::win32
