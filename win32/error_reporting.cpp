#include "win32/error_reporting.h"

#include <utility>
#include <vector>

#include "calc/errors.h"
#include "common/error_texts.h"
#include "win32/application_title.h"
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

} // namespace

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
        WideFromU16(ShortenedForDialog(ErrorDialogText(U16FromWide(ErrorMessage(error)))));
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
