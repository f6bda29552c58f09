#pragma once
// Errors that escape an event handler are shown here, in the modal error
// dialog, and the program goes on with the next message. Nothing may unwind
// through the window system's own frames, so every window procedure and
// command runs inside GuardedMessage or RunCommand.

#include <windows.h>

#include <exception>
#include <stdexcept>
#include <string>

#include "common/error_texts.h"

namespace tarsilo::win32 {

// The window that owns the error dialog and the caption it shows: the
// application's hidden window and title. Until the application sets them the
// dialog has no owner and the title comes from the executable's name.
void SetErrorDialogOwner(HWND owner, std::wstring caption);

// The message an error carries, as the dialog shows it before the full-stop
// rule.
std::wstring ErrorMessage(const std::exception& error);

// A message box with one OK button, of `type` (the icon and the modality),
// centred on `monitor`'s work area (or wherever the system puts it when null).
// While it is open every other visible window of this thread is disabled; the
// window that was active before is active again afterwards.
void ShowStopMessage(HWND owner, const std::wstring& caption, const std::wstring& text, UINT type,
                     HMONITOR monitor);

// The room a message box has for `text` on a monitor (the primary one when
// null): its work area less the box's frame, icon, margins and button, in
// columns as wide as the widest character of the text's start and end in the
// message font, and lines of that font.
DialogTextRoom DialogTextRoomFor(const std::wstring& text, HMONITOR monitor);

// The dialog text as the error dialog shows it on a monitor: whole when it
// fits there, else shortened around "…" to what fits.
std::wstring FittedForDialog(const std::wstring& text, HMONITOR monitor);

// The error dialog: the message by the full-stop rule, fitted to the
// monitor, under the application title, with the stop icon, centred on the
// monitor of the window that was active.
void ShowErrorDialog(const std::exception& error);

// Cancels a mouse capture, ignores EAbort, else shows the error dialog.
void ReportException(const std::exception& error, HWND source) noexcept;

// Runs a command; an error it raises goes to ReportException with `source`,
// the control or window whose message was being handled.
template <class Command> void RunCommand(HWND source, Command&& command) noexcept {
    try {
        command();
    } catch (const std::exception& error) {
        ReportException(error, source);
    } catch (...) {
        ReportException(std::runtime_error("An error of an unknown kind was raised"), source);
    }
}

// Runs a window procedure's handling of one message. An error is reported and
// the message counts as handled (0); a paint message is validated first, so
// that the dialog's own message loop does not paint the failing window again
// and again.
template <class Handler>
LRESULT GuardedMessage(HWND window, UINT message, Handler&& handler) noexcept {
    try {
        return handler();
    } catch (const std::exception& error) {
        if (message == WM_PAINT)
            ValidateRect(window, nullptr);
        ReportException(error, window);
    } catch (...) {
        if (message == WM_PAINT)
            ValidateRect(window, nullptr);
        ReportException(std::runtime_error("An error of an unknown kind was raised"), window);
    }
    return 0;
}

} // namespace tarsilo::win32
