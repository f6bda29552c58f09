#include "tests/win32/win32_test_support.h"

#include <atomic>
#include <string_view>

#include "calc/decimal_mark.h"
#include "win32/native_window.h"
#include "win32/window_keyboard.h"

namespace tarsilo::test {

namespace {

std::atomic<int> boxesExpected{0};
std::atomic<int> unexpectedBoxes{0};

struct WindowSearch {
    DWORD process;
    std::wstring_view className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<WindowSearch*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (process == wanted.process && std::wstring_view(className) == wanted.className &&
        (!wanted.visibleOnly || IsWindowVisible(window))) {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND OpenMessageBox() {
    return TopWindowOfProcess(GetCurrentProcessId(), L"#32770", true);
}

struct EnabledCount {
    DWORD process;
    HWND except;
    int count;
};

BOOL CALLBACK CountEnabled(HWND window, LPARAM data) {
    auto& counting = *reinterpret_cast<EnabledCount*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == counting.process && window != counting.except && IsWindowVisible(window) &&
        IsWindowEnabled(window))
        ++counting.count;
    return TRUE;
}

bool HasStopIcon(HWND box) {
    const HICON stop = LoadIconW(nullptr, IDI_ERROR);
    // The icon's control: 20 on Windows, 1088 under Wine.
    for (const int id : {20, 1088}) {
        if (const HWND icon = GetDlgItem(box, id))
            return reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)) == stop;
    }
    return false;
}

// Closes any message box that stays open for two seconds while no test
// expects one.
DWORD WINAPI WatchForUnexpectedBoxes(void*) {
    HWND seen = nullptr;
    ULONGLONG since = 0;
    for (;;) {
        Sleep(50);
        const HWND box = boxesExpected.load() == 0 ? OpenMessageBox() : nullptr;
        if (!box) {
            seen = nullptr;
            continue;
        }
        if (box != seen) {
            seen = box;
            since = GetTickCount64();
        } else if (GetTickCount64() - since > 2000) {
            ++unexpectedBoxes;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            seen = nullptr;
        }
    }
}

struct Watcher {
    const std::function<void(HWND)>* whileOpen;
    int milliseconds;
    MessageBoxSeen seen;
};

DWORD WINAPI WatchForBox(void* data) {
    auto& watcher = *static_cast<Watcher*>(data);
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(watcher.milliseconds);
    HWND box = nullptr;
    while (!(box = OpenMessageBox()) && GetTickCount64() < deadline)
        Sleep(10);
    if (!box)
        return 0;
    // The box's static text exists once the box is visible.
    MessageBoxSeen& seen = watcher.seen;
    seen.shown = true;
    seen.caption = win32::WindowText(box);
    wchar_t text[4096] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 4096);
    seen.text = text;
    seen.stopIcon = HasStopIcon(box);
    seen.owner = GetWindow(box, GW_OWNER);
    GetWindowRect(box, &seen.frame);
    EnabledCount counting{GetCurrentProcessId(), box, 0};
    EnumWindows(CountEnabled, reinterpret_cast<LPARAM>(&counting));
    seen.enabledWindows = counting.count;
    if (*watcher.whileOpen)
        (*watcher.whileOpen)(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}

// Starts the watchdog with the first test that needs this support.
const bool watchdogStarted = [] {
    if (const HANDLE thread =
            CreateThread(nullptr, 0, WatchForUnexpectedBoxes, nullptr, 0, nullptr))
        CloseHandle(thread);
    return true;
}();

} // namespace

HWND TopWindowOfProcess(DWORD process, std::wstring_view className, bool visibleOnly) {
    WindowSearch search{process, className, visibleOnly, nullptr};
    EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        win32::DispatchProgramMessage(message);
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (;;) {
        PumpMessages();
        if (condition())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::min<ULONGLONG>(10, deadline - now)),
                                  QS_ALLINPUT);
    }
}

std::wstring TextOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void SetTextOf(HWND window, const std::wstring& text) {
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressKey(UINT virtualKey, Modifiers held) {
    BYTE original[256] = {};
    GetKeyboardState(original);
    BYTE pressed[256];
    std::copy(std::begin(original), std::end(original), std::begin(pressed));
    const auto hold = [&pressed](int key, bool down) {
        if (down)
            pressed[key] |= 0x80;
    };
    hold(VK_SHIFT, held.shift);
    hold(VK_CONTROL, held.control);
    hold(VK_MENU, held.alt);
    SetKeyboardState(pressed);
    const HWND focus = GetFocus();
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scanCode) << 16) | (held.alt ? 1L << 29 : 0);
    const LPARAM up = down | (1L << 30) | (1L << 31);
    // With Alt the system sees its own keys.
    PostMessageW(focus, held.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, down);
    PostMessageW(focus, held.alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, up);
    PumpMessages();
    SetKeyboardState(original);
    PumpMessages();
}

void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
    PumpMessages();
}

MessageBoxSeen CloseMessageBoxOpenedBy(const std::function<void()>& action,
                                       const std::function<void(HWND box)>& whileOpen,
                                       int milliseconds) {
    ++boxesExpected;
    Watcher watcher{&whileOpen, milliseconds, {}};
    const HANDLE thread = CreateThread(nullptr, 0, WatchForBox, &watcher, 0, nullptr);
    action();
    // The watcher may still be waiting for a box that never comes.
    while (thread &&
           MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        PumpMessages();
    if (thread)
        CloseHandle(thread);
    --boxesExpected;
    return watcher.seen;
}

int UnexpectedMessageBoxes() {
    return unexpectedBoxes.load();
}

void UseLocale(LANGID language) {
    SetThreadLocale(MAKELCID(MAKELANGID(PRIMARYLANGID(language), SUBLANG_DEFAULT), SORT_DEFAULT));
    ReadDecimalMark();
}

std::wstring ExecutableDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory = path;
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

} // namespace tarsilo::test
