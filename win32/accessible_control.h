#pragma once
// The program's own accessible objects for its forms and their controls, the
// answer to WM_GETOBJECT. Each wraps the system's standard object for the
// window and answers what the standard one cannot know, by the rules both
// front ends share (common/accessibility.h):
// - the name: an edit's label caption or own name (the system would take
//   whatever static text stands before it in the stacking order, which here
//   is not its label), a picture's name;
// - the description of a picture: what it shows, in words;
// - the role of the owner-drawn close button and of the pictures;
// - the default state and the shortcut (Enter) of the active push button;
// - the group: a control inside a group box has that group box as its parent,
//   and a group box the controls inside it as children; the form's client
//   area has the controls outside any group box. The windows themselves are
//   all siblings, as in a dialog.
// Everything else (location, value, focus, default action, navigation among
// siblings) is the standard object's.
//
// Why this and not Dynamic Annotation (IAccPropServices): annotation can set
// names, roles and states but not a parent, and it names a control once,
// while these names follow the captions (shape, energy unit); its server
// callbacks would bring the same COM object back. The answer to WM_GETOBJECT
// is the documented route for a server that knows more than the standard
// proxy, it reaches every MSAA client and UI Automation through its MSAA
// proxy, and it works on every Windows version and on Wine.

#include <windows.h>

namespace tarsilo::win32 {

// The object for a form's client area or one of its controls, handed over as
// WM_GETOBJECT asks (`flags` is its wParam); 0 to let the system answer, for
// any other object identifier or when the system lacks the accessibility
// library.
LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId);

} // namespace tarsilo::win32
