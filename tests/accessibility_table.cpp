#include "tests/accessibility_table.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace tarsilo::test {

// Generated at configure time from tests/accessibility.tsv.
extern const char* const AccessibilityTableText;

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

std::vector<AccessibleExpectation> ReadTable() {
    std::vector<AccessibleExpectation> rows;
    std::istringstream lines{std::string(AccessibilityTableText)};
    std::string line;
    bool heading = true;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (std::exchange(heading, false))
            continue;
        std::vector<std::string> f = Split(line, '\t');
        if (f.size() != 9)
            throw std::logic_error("a row of the accessibility table without 9 fields: " + line);
        std::vector<std::string> states;
        if (!f[5].empty())
            states = Split(f[5], ',');
        rows.push_back({f[0], f[1], f[2], f[3], f[4], states, f[6], f[7], f[8]});
    }
    return rows;
}

} // namespace

bool AccessibleExpectation::Has(std::string_view state) const {
    return std::find(states.begin(), states.end(), state) != states.end();
}

const std::vector<AccessibleExpectation>& AccessibilityTable() {
    static const std::vector<AccessibleExpectation> rows = ReadTable();
    return rows;
}

std::vector<AccessibleExpectation> ExpectationsIn(std::string_view window,
                                                  std::string_view situation) {
    std::vector<AccessibleExpectation> chosen;
    for (const AccessibleExpectation& row : AccessibilityTable()) {
        if (row.window != window || !row.situation.empty())
            continue;
        const auto special = std::find_if(
            AccessibilityTable().begin(), AccessibilityTable().end(), [&](const auto& other) {
                return other.window == window && other.control == row.control &&
                       !situation.empty() && other.situation == situation;
            });
        chosen.push_back(special != AccessibilityTable().end() ? *special : row);
    }
    return chosen;
}

std::vector<std::string> SituationsOf(std::string_view window) {
    std::vector<std::string> situations{""};
    for (const AccessibleExpectation& row : AccessibilityTable()) {
        if (row.window == window &&
            std::find(situations.begin(), situations.end(), row.situation) == situations.end())
            situations.push_back(row.situation);
    }
    return situations;
}

} // namespace tarsilo::test
