#pragma once
// Starting the windowing toolkit without any display to show windows on
// would end in its own fatal message and an abort. The program says plainly
// what it needs instead and exits with status 1.

namespace tarsilo {

// What the program prints on standard error when no display can be opened.
inline constexpr const char* NoDesktopMessage =
    "Tarsilo10 needs a graphical desktop: no X11 or Wayland display could be opened.\n";

// Holds the toolkit's messages while the application object is being made.
// A fatal one (no platform could be started) prints NoDesktopMessage and ends
// the process with status 1; once the guard goes out of scope, the held
// messages are passed on as usual.
class DisplayStartGuard {
public:
    DisplayStartGuard();
    ~DisplayStartGuard();
    DisplayStartGuard(const DisplayStartGuard&) = delete;
    DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;
};

} // namespace tarsilo
