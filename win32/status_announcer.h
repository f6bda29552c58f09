#pragma once
// Has screen readers say a command's outcome once, from the status line.
//
// Where the system has UI Automation notifications (Windows 10 1709 and
// later), the text goes out as one, to be said after what is being said, the
// most recent one winning when several wait. Everywhere the status line also
// raises the live-region event, for clients that watch it; where there are no
// notifications, the status line is made a polite live region through Dynamic
// Annotation, so that UI Automation clients read it on that event, once. Both
// are loaded when first needed, so that older systems still start.

#include <windows.h>

#include <string>

namespace tarsilo::win32 {

class StatusAnnouncer {
public:
    explicit StatusAnnouncer(HWND statusLine) : statusLine_(statusLine) {}
    void Announce(const std::wstring& text);

private:
    HWND statusLine_;
    bool prepared_ = false;
    bool notifications_ = false; // the system has UI Automation notifications
};

} // namespace tarsilo::win32
