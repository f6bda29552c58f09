#pragma once
// The close button: a push button with the exit glyph (an open doorway under
// an exit sign) left of its caption. The button is owner-drawn in the
// classic look, with the heavier frame while it is the window's active
// button.

#include <windows.h>

#include "win32/form_layout.h"

namespace tarsilo::win32 {

void DrawCloseButton(const DRAWITEMSTRUCT& item, bool active, const FormLayout& layout);

} // namespace tarsilo::win32
