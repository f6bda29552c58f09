#pragma once
// Support for tests that drive the real Win32 windows by messages: the
// message loop's own path, keys as the keyboard sends them, and the message
// boxes a test expects (with a watchdog that fails a test leaving an
// unexpected one open).

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace tarsilo::test {

// Handles the messages waiting in this thread's queue the way the program's
// loop does (dialog keys, translation, dispatch).
void PumpMessages();

// Pumps messages until `condition` holds or `milliseconds` have passed;
// returns whether it holds. Waits for messages between checks, never polls
// faster than they come (and at least every 10 ms for conditions that no
// message announces).
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 5000);

// The text of a window or control, and a new one, by WM_GETTEXT/WM_SETTEXT.
// The first top-level window of the process with this class, visible or any.
HWND TopWindowOfProcess(DWORD process, std::wstring_view className, bool visibleOnly = false);

std::wstring TextOf(HWND window);
void SetTextOf(HWND window, const std::wstring& text);

// Presses and releases a key in the window that has the focus, as the
// keyboard would: the key messages are posted to the thread's queue and go
// through the loop; `shift`, `control` and `alt` are held meanwhile.
struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};
void PressKey(UINT virtualKey, Modifiers held = {});

// A click of a button as the button itself reports it (BM_CLICK).
void Click(HWND button);

// What a message box showed while it was open.
struct MessageBoxSeen {
    bool shown = false;
    std::wstring caption;
    std::wstring text;
    bool stopIcon = false;
    HWND owner = nullptr;
    RECT frame{};
    // Visible windows of this process other than the box that took input
    // while it was open.
    int enabledWindows = 0;
};

// Runs `action` on this thread and, from a watcher thread, records the first
// message box of this process that opens meanwhile (within `milliseconds`)
// and closes it with OK. `whileOpen` runs on the watcher thread before the
// box is closed.
MessageBoxSeen CloseMessageBoxOpenedBy(const std::function<void()>& action,
                                       const std::function<void(HWND box)>& whileOpen = {},
                                       int milliseconds = 5000);

// The number of message boxes that nobody expected and the watchdog closed
// after they had stayed open for two seconds.
int UnexpectedMessageBoxes();

// Forces this thread's regional settings (and so the decimal mark) to those
// of a locale: LANG_ENGLISH for the point, LANG_RUSSIAN for the comma.
void UseLocale(LANGID language);

// The full path of this test executable's directory, with a final '\\'.
std::wstring ExecutableDirectory();

} // namespace tarsilo::test
