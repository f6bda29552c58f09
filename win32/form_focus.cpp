// The focus of a form: where it goes by Tab, by the arrow keys and on
// activation, the active button with its default frame, and the selection
// among radio buttons.

#include "win32/form.h"

#include <algorithm>

namespace tarsilo::win32 {

using forms::ControlDefinition;
using forms::ControlKind;

namespace {

bool IsPushButton(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::CloseButton;
}

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::Edit || IsPushButton(kind) || kind == ControlKind::RadioButton;
}

} // namespace

bool Form::CanTakeFocus(int index) const {
    const HWND control = controls_[index];
    return TakesFocus(KindOf(index)) && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0 &&
           IsWindowEnabled(control);
}

bool Form::IsTabStop(int index) const {
    return CanTakeFocus(index) && (KindOf(index) != ControlKind::RadioButton || IsChecked(index));
}

int Form::ActiveButton() const {
    if (lastFocus_ >= 0 && IsPushButton(KindOf(lastFocus_)))
        return lastFocus_;
    for (std::size_t i = 0; i < definition_.controls.size(); ++i) {
        if (definition_.controls[i].isDefault)
            return static_cast<int>(i);
    }
    return -1;
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
    const std::span<const int> sequence = forms::TabSequence(definition_);
    const int count = static_cast<int>(sequence.size());
    if (count == 0)
        return;
    const auto here = std::find(sequence.begin(), sequence.end(), IndexOfControl(GetFocus()));
    // From outside the sequence, forward starts at its first control.
    const int start = here != sequence.end() ? static_cast<int>(here - sequence.begin())
                                             : (forward ? count - 1 : 0);
    for (int step = 1; step <= count; ++step) {
        const int position = ((start + (forward ? step : -step)) % count + count) % count;
        if (IsTabStop(sequence[position])) {
            FocusControl(sequence[position], true);
            return;
        }
    }
}

void Form::FocusSibling(int index, bool forward) {
    std::vector<int> siblings;
    for (const int candidate : forms::TabSequence(definition_)) {
        if (definition_.controls[candidate].parent == definition_.controls[index].parent &&
            (candidate == index || CanTakeFocus(candidate)))
            siblings.push_back(candidate);
    }
    const int count = static_cast<int>(siblings.size());
    const auto here = std::find(siblings.begin(), siblings.end(), index);
    if (count < 2 || here == siblings.end())
        return;
    const int target =
        siblings[(static_cast<int>(here - siblings.begin()) + (forward ? 1 : count - 1)) % count];
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
    for (const int index : forms::TabSequence(definition_)) {
        if (IsTabStop(index)) {
            FocusControl(index, false);
            return;
        }
    }
}

} // namespace tarsilo::win32
