#pragma once
// A window as its definition describes it: every control with its name, kind,
// parent, designed geometry, caption, tab order and visibility, in creation
// order. The tables are generated at build time from the window definitions
// (qt/Tarsilo_V10.ui, qt/Info.ui), which the Qt front end loads directly, so
// both front ends read the same numbers and texts.

#include <span>
#include <string_view>

namespace tarsilo::forms {

enum class ControlKind { GroupBox, Label, Edit, Button, CloseButton, RadioButton, Picture };

struct ControlDefinition {
    const char* name; // "bCalc"
    ControlKind kind;
    int parent;                   // index of the parent group box in the same table; -1: the window
    int left, top, width, height; // design pixels at 96 ppi, from the parent's outer corner
    const char* text;             // UTF-8 caption or initial text; "" when none
    int tabOrder;                 // position in the parent's tab order; -1 when not a tab stop
    bool visible;
    bool isDefault;             // the window's default push button
    bool checked;               // a selected radio button
    bool greekLetter;           // drawn in the Greek-letter font
    const char* accessibleName; // UTF-8; "" when the control has none of its own
    int buddy;                  // index of the control a label names; -1 when none
};

struct WindowDefinition {
    const char* name;      // "fTarsilo_main"
    const char* className; // "TfTarsilo_main"
    const char* caption;   // UTF-8
    int left, top;         // designed position
    int clientWidth, clientHeight;
    std::span<const ControlDefinition> controls; // creation order, parents first
};

extern const WindowDefinition MainWindowDefinition; // fTarsilo_main
extern const WindowDefinition InfoWindowDefinition; // fInfo

// The index of the control called `name`, or -1.
int IndexOf(const WindowDefinition& window, std::string_view name);

// The window's tab sequence: the depth-first walk of the tab orders, the
// controls of each group box taken at the group box's place; group boxes
// themselves are left out. Indexes into window.controls.
std::span<const int> TabSequence(const WindowDefinition& window);

} // namespace tarsilo::forms
