#pragma once
// What the dialog keys do in both windows, decided once for both front ends:
// which button Enter clicks, which modifiers keep a key from acting, and where
// Tab and the arrow keys move the focus. The front ends only translate their
// key events into a Key and carry out the KeyAction.

#include <functional>

#include "common/window_definition.h"

namespace tarsilo::forms {

enum class Key { Enter, Escape, Tab, Left, Up, Right, Down, Other };

struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

enum class KeyAction {
    PassOn,            // the focused control or the system has the key
    Swallow,           // the key does nothing
    ClickActiveButton, // see ActiveButton
    NextTabStop,
    PreviousTabStop,
    NextSibling, // see SiblingTarget
    PreviousSibling,
};

// The action of a key pressed while the control `focused` (-1: none of the
// window's controls) has the focus.
KeyAction DecideKey(Key key, KeyModifiers modifiers, const WindowDefinition& window, int focused);

bool IsPushButton(ControlKind kind);
// Edits, push buttons and radio buttons take the focus; labels, group boxes
// and pictures never do.
bool TakesFocus(ControlKind kind);

// What the front end knows of a control now, by its index in the definition.
using ControlTest = std::function<bool(int index)>;

// The button Enter clicks: the push button that last had the focus while it
// still has it (`focused`, -1 for none), else the window's default button;
// -1 when there is none.
int ActiveButton(const WindowDefinition& window, int focused);

// The control Tab (forward) or Shift+Tab reaches from `from` along the tab
// sequence, wrapping around: the next one that can take the focus now, and of
// a group of radio buttons only the selected one. From a control outside the
// sequence (-1 too), forward starts at its first control and backward at its
// last. -1 when no control can take the focus.
int TabStopTarget(const WindowDefinition& window, int from, bool forward,
                  const ControlTest& canTakeFocus, const ControlTest& isChecked);

// The control an arrow key reaches from `from`: the next (forward) or previous
// one, wrapping around, among the controls of the same group box that can
// take the focus now, in tab order. -1 when there is no other; a radio button
// reached this way is selected by the front end.
int SiblingTarget(const WindowDefinition& window, int from, bool forward,
                  const ControlTest& canTakeFocus);

} // namespace tarsilo::forms
