#pragma once
// How the controls of both windows present themselves to screen readers: the
// role, name and description of each, and the key reported as the shortcut of
// the active button. Both front ends give these to their platform's
// accessibility interfaces, so a control is announced alike everywhere. The
// group a control is heard in is its group box in the window definition.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/window_definition.h"

namespace tarsilo::forms {

enum class AccessibleRole { Grouping, Label, Text, PushButton, RadioButton, Graphic };

AccessibleRole RoleOf(ControlKind kind);

// The caption a control shows now (UTF-8), by its index in the definition:
// labels change theirs with the shape and the energy unit.
using CurrentCaption = std::function<std::string(int index)>;

// The name a control is announced by, without leading or trailing blanks: an
// edit's own name from the window definition (given where its caption is put
// together from several labels, or where it has no label), else the present
// caption of the label that names it; a picture's name from its words; any
// other control its own present caption.
std::string AccessibleName(const WindowDefinition& window, int index,
                           const CurrentCaption& caption);

// What a picture shows, in words, a line each; empty for other controls.
std::string_view AccessibleDescription(const WindowDefinition& window, int index);

// The label whose caption names the control, or -1.
int NamingLabel(const WindowDefinition& window, int index);

// The controls whose names follow the caption of `label`.
std::vector<int> ControlsNamedBy(const WindowDefinition& window, int label);

// The key that clicks a window's active push button (the focused one, else the
// default one), reported as that button's shortcut; other buttons have none.
inline constexpr std::string_view ActiveButtonShortcut = "Enter";

} // namespace tarsilo::forms
