#include "common/window_keys.h"

#include <algorithm>
#include <vector>

namespace tarsilo::forms {

namespace {

bool MovesAmongSiblings(ControlKind kind) {
    return IsPushButton(kind) || kind == ControlKind::RadioButton;
}

// Position `step` places on from `start` in a ring of `count`.
int Around(int start, int step, int count) {
    return ((start + step) % count + count) % count;
}

} // namespace

bool IsPushButton(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::CloseButton;
}

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::Edit || IsPushButton(kind) || kind == ControlKind::RadioButton;
}

KeyAction DecideKey(Key key, KeyModifiers modifiers, const WindowDefinition& window, int focused) {
    switch (key) {
    case Key::Enter:
        // Shift, Ctrl or Alt with Enter is not a request to click.
        if (modifiers.shift || modifiers.control || modifiers.alt)
            return KeyAction::Swallow;
        return KeyAction::ClickActiveButton;
    case Key::Escape:
        return KeyAction::Swallow; // no cancel button
    case Key::Tab:
        if (modifiers.alt)
            return KeyAction::PassOn; // the system's window switching
        if (modifiers.control)
            return KeyAction::Swallow;
        return modifiers.shift ? KeyAction::PreviousTabStop : KeyAction::NextTabStop;
    case Key::Left:
    case Key::Up:
    case Key::Right:
    case Key::Down:
        // Edits keep the arrows for the caret; Alt with an arrow is the
        // system's.
        if (modifiers.alt || focused < 0 || !MovesAmongSiblings(window.controls[focused].kind))
            return KeyAction::PassOn;
        return key == Key::Right || key == Key::Down ? KeyAction::NextSibling
                                                     : KeyAction::PreviousSibling;
    case Key::Other:
        break;
    }
    return KeyAction::PassOn;
}

int ActiveButton(const WindowDefinition& window, int focused) {
    if (focused >= 0 && IsPushButton(window.controls[focused].kind))
        return focused;
    const auto isDefault = [](const ControlDefinition& control) { return control.isDefault; };
    const auto found = std::find_if(window.controls.begin(), window.controls.end(), isDefault);
    return found != window.controls.end() ? static_cast<int>(found - window.controls.begin()) : -1;
}

int TabStopTarget(const WindowDefinition& window, int from, bool forward,
                  const ControlTest& canTakeFocus, const ControlTest& isChecked) {
    const std::span<const int> sequence = TabSequence(window);
    const int count = static_cast<int>(sequence.size());
    const auto here = std::find(sequence.begin(), sequence.end(), from);
    const int start = here != sequence.end() ? static_cast<int>(here - sequence.begin())
                                             : (forward ? count - 1 : 0);
    for (int step = 1; step <= count; ++step) {
        const int candidate = sequence[Around(start, forward ? step : -step, count)];
        const bool radio = window.controls[candidate].kind == ControlKind::RadioButton;
        if (TakesFocus(window.controls[candidate].kind) && canTakeFocus(candidate) &&
            (!radio || isChecked(candidate)))
            return candidate;
    }
    return -1;
}

int SiblingTarget(const WindowDefinition& window, int from, bool forward,
                  const ControlTest& canTakeFocus) {
    if (from < 0)
        return -1;
    std::vector<int> siblings;
    for (const int candidate : TabSequence(window)) {
        if (window.controls[candidate].parent == window.controls[from].parent &&
            (candidate == from ||
             (TakesFocus(window.controls[candidate].kind) && canTakeFocus(candidate))))
            siblings.push_back(candidate);
    }
    const int count = static_cast<int>(siblings.size());
    const auto here = std::find(siblings.begin(), siblings.end(), from);
    if (count < 2 || here == siblings.end())
        return -1;
    return siblings[Around(static_cast<int>(here - siblings.begin()), forward ? 1 : -1, count)];
}

} // namespace tarsilo::forms
