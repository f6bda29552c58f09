#pragma once
// The dialog keys of the program's windows, taken from the message loop
// before a key message is translated and dispatched.
//
// What each key does is decided by the shared key rules
// (common/window_keys.h); this carries it out on a form.
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
