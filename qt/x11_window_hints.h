#pragma once
// What a window tells an X11 desktop beyond what Qt sets: nothing happens on
// other platforms.

class QWidget;

namespace tarsilo {

// Keeps a created, not yet mapped, window out of the task bar and the window
// switcher's list of programs: the program has one entry, the main window's.
// The window manager forgets the state when the window is hidden, so it is
// set before every showing.
void KeepOffTaskBar(QWidget* window);

// Gives a created window an empty title on the desktop. Qt shows the program's
// file name instead of an empty title.
void ShowEmptyTitle(QWidget* window);

} // namespace tarsilo
