#pragma once
// The table of what a screen reader is given for every control of both
// windows (tests/accessibility.tsv), compiled into the tests of both front
// ends; the desktop tier reads the same file.

#include <string>
#include <string_view>
#include <vector>

namespace tarsilo::test {

struct AccessibleExpectation {
    std::string window; // "main" or "info"
    std::string control;
    std::string situation; // "", "cylinder", "calculated"
    std::string role;      // grouping, label, text, button, radio, graphic
    std::string name;
    std::vector<std::string> states; // of default, checked, hidden
    std::string shortcut;
    std::string group;       // the group box's control name, or ""
    std::string description; // a picture description's first line, or ""

    bool Has(std::string_view state) const;
};

// Every row of the table.
const std::vector<AccessibleExpectation>& AccessibilityTable();

// What holds for each control of `window` in `situation`: the row of that
// situation where there is one, else the general row.
std::vector<AccessibleExpectation> ExpectationsIn(std::string_view window,
                                                  std::string_view situation);

// The situations the table names for a window, the general one ("") first.
std::vector<std::string> SituationsOf(std::string_view window);

} // namespace tarsilo::test
