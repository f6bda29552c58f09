#include "win32/window_keyboard.h"

#include "win32/form.h"

namespace tarsilo::win32 {

namespace {

bool IsDown(int key) {
    return GetKeyState(key) < 0;
}

bool MovesAmongSiblings(forms::ControlKind kind) {
    return kind == forms::ControlKind::Button || kind == forms::ControlKind::CloseButton ||
           kind == forms::ControlKind::RadioButton;
}

} // namespace

bool HandleDialogKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    Form* form = Form::Of(message.hwnd);
    if (!form)
        return false;
    const bool alt = message.message == WM_SYSKEYDOWN;
    switch (message.wParam) {
    case VK_RETURN:
        if (!alt && !IsDown(VK_SHIFT) && !IsDown(VK_CONTROL))
            form->ClickActiveButton();
        return true;
    case VK_ESCAPE:
        return true; // no cancel button
    case VK_TAB:
        if (alt)
            return false; // the system's window switching
        if (!IsDown(VK_CONTROL))
            form->FocusNextTabStop(!IsDown(VK_SHIFT));
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        const int focused = form->IndexOfControl(GetFocus());
        if (alt || focused < 0 || !MovesAmongSiblings(form->KindOf(focused)))
            return false;
        form->FocusSibling(focused, message.wParam == VK_RIGHT || message.wParam == VK_DOWN);
        return true;
    }
    default:
        return false;
    }
}

void DispatchProgramMessage(const MSG& message) {
    if (HandleDialogKey(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace tarsilo::win32
