#include "win32/window_keyboard.h"

#include "common/window_keys.h"
#include "win32/form.h"

namespace tarsilo::win32 {

namespace {

bool IsDown(int key) {
    return GetKeyState(key) < 0;
}

forms::Key KeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_RETURN:
        return forms::Key::Enter;
    case VK_ESCAPE:
        return forms::Key::Escape;
    case VK_TAB:
        return forms::Key::Tab;
    case VK_LEFT:
        return forms::Key::Left;
    case VK_UP:
        return forms::Key::Up;
    case VK_RIGHT:
        return forms::Key::Right;
    case VK_DOWN:
        return forms::Key::Down;
    default:
        return forms::Key::Other;
    }
}

} // namespace

bool HandleDialogKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    Form* form = Form::Of(message.hwnd);
    if (!form)
        return false;
    // Alt turns a key press into WM_SYSKEYDOWN.
    const forms::KeyModifiers modifiers{IsDown(VK_SHIFT), IsDown(VK_CONTROL),
                                        message.message == WM_SYSKEYDOWN};
    const int focused = form->IndexOfControl(GetFocus());
    const forms::KeyAction action =
        forms::DecideKey(KeyOf(message.wParam), modifiers, form->Definition(), focused);
    switch (action) {
    case forms::KeyAction::PassOn:
        return false;
    case forms::KeyAction::Swallow:
        return true;
    case forms::KeyAction::ClickActiveButton:
        form->ClickActiveButton();
        return true;
    case forms::KeyAction::NextTabStop:
    case forms::KeyAction::PreviousTabStop:
        form->FocusNextTabStop(action == forms::KeyAction::NextTabStop);
        return true;
    case forms::KeyAction::NextSibling:
    case forms::KeyAction::PreviousSibling:
        form->FocusSibling(focused, action == forms::KeyAction::NextSibling);
        return true;
    }
    return false;
}

void DispatchProgramMessage(const MSG& message) {
    if (HandleDialogKey(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace tarsilo::win32
