#pragma once
// The dialog keys of the program's windows, taken from the message loop
// before a key message is translated and dispatched.
//
// Enter without Shift, Ctrl and Alt clicks the window's active button (the
// focused push button, else the default one) and nothing else; Enter with a
// modifier and Esc do nothing. Tab and Shift+Tab, without Ctrl and Alt, walk
// the window's tab sequence (the definition's depth-first tab order) over
// the visible, enabled tab stops, wrapping around. On a push button or a
// radio button the arrow keys move to the previous (Left, Up) or next
// (Right, Down) control of the same group box in tab order, wrapping around;
// a radio button reached that way is selected. Edits keep the arrows.
//
// The system's dialog manager (IsDialogMessage) is not used: it walks the
// controls in stacking order rather than the definition's tab order, lets
// Enter with Shift or Ctrl click the default button, and Esc send IDCANCEL.

#include <windows.h>

namespace tarsilo::win32 {

// True when the message was a dialog key of a form and has been handled.
bool HandleDialogKey(const MSG& message);

// One message along the program's path: the dialog keys first, then
// translation and dispatch.
void DispatchProgramMessage(const MSG& message);

} // namespace tarsilo::win32
