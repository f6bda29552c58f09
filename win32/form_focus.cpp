// The focus of a form: where it goes by Tab, by the arrow keys and on
// activation, the active button with its default frame, and the selection
// among radio buttons.

#include "win32/form.h"

#include "common/window_keys.h"

namespace tarsilo::win32 {

using forms::ControlDefinition;
using forms::ControlKind;

bool Form::CanTakeFocus(int index) const {
    const HWND control = controls_[index];
    return forms::TakesFocus(KindOf(index)) &&
           (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0 && IsWindowEnabled(control);
}

int Form::TabStopFrom(int from, bool forward) const {
    return forms::TabStopTarget(
        definition_, from, forward, [this](int index) { return CanTakeFocus(index); },
        [this](int index) { return IsChecked(index); });
}

int Form::ActiveButton() const {
    return forms::ActiveButton(definition_, lastFocus_);
}

void Form::ClickActiveButton() {
    const int active = ActiveButton();
    if (active < 0 || !CanTakeFocus(active))
        return;
    // As the dialog manager clicks a default button: the notification alone,
    // so that the focus stays where it is.
    SendMessageW(handle_, WM_COMMAND, MAKEWPARAM(ControlId(active), BN_CLICKED),
                 reinterpret_cast<LPARAM>(controls_[active]));
}

void Form::FocusControl(int index, bool byKeyboard) {
    SetFocus(controls_[index]);
    if (byKeyboard && KindOf(index) == ControlKind::Edit)
        SendMessageW(controls_[index], EM_SETSEL, 0, -1);
}

void Form::FocusNextTabStop(bool forward) {
    const int target = TabStopFrom(IndexOfControl(GetFocus()), forward);
    if (target >= 0)
        FocusControl(target, true);
}

void Form::FocusSibling(int index, bool forward) {
    const int target = forms::SiblingTarget(definition_, index, forward,
                                            [this](int index) { return CanTakeFocus(index); });
    if (target < 0)
        return;
    FocusControl(target, true);
    // As the arrow keys do among radio buttons: the one reached is selected.
    if (KindOf(target) == ControlKind::RadioButton && SelectRadio(target))
        RadioSelected(target);
}

void Form::ControlFocused(int index) {
    if (index < 0)
        return;
    lastFocus_ = index;
    ShowActiveButton();
}

void Form::ShowActiveButton() {
    const int active = ActiveButton();
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const HWND button = controls_[i];
        const ControlKind kind = definition_.controls[i].kind;
        if (kind == ControlKind::Button) {
            const LONG_PTR wanted =
                static_cast<int>(i) == active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            if ((GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) != wanted)
                SendMessageW(button, BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
        } else if (kind == ControlKind::CloseButton) {
            InvalidateRect(button, nullptr, FALSE);
        }
    }
}

bool Form::SelectRadio(int index) {
    if (IsChecked(index))
        return false;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlDefinition& control = definition_.controls[i];
        if (control.kind != ControlKind::RadioButton ||
            control.parent != definition_.controls[index].parent)
            continue;
        const bool selected = static_cast<int>(i) == index;
        SendMessageW(controls_[i], BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        // Only the selected button of a group is a tab stop.
        const LONG_PTR style = GetWindowLongPtrW(controls_[i], GWL_STYLE);
        SetWindowLongPtrW(controls_[i], GWL_STYLE,
                          selected ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
    return true;
}

void Form::RestoreFocus() {
    if (lastFocus_ >= 0 && CanTakeFocus(lastFocus_)) {
        FocusControl(lastFocus_, false);
        return;
    }
    // Else the first tab stop.
    const int first = TabStopFrom(-1, true);
    if (first >= 0)
        FocusControl(first, false);
}

} // namespace tarsilo::win32
