#include "common/window_definition.h"

#include <algorithm>
#include <list>
#include <utility>
#include <vector>

namespace tarsilo::forms {

namespace {

// The children of `parent` that have a place in its tab order, by that place.
std::vector<int> TabOrderedChildren(const WindowDefinition& window, int parent) {
    std::vector<int> children;
    for (int i = 0; i < static_cast<int>(window.controls.size()); ++i) {
        if (window.controls[i].parent == parent && window.controls[i].tabOrder >= 0)
            children.push_back(i);
    }
    std::stable_sort(children.begin(), children.end(), [&window](int a, int b) {
        return window.controls[a].tabOrder < window.controls[b].tabOrder;
    });
    return children;
}

void WalkTabOrder(const WindowDefinition& window, int parent, std::vector<int>& sequence) {
    for (const int child : TabOrderedChildren(window, parent)) {
        if (window.controls[child].kind == ControlKind::GroupBox)
            WalkTabOrder(window, child, sequence);
        else
            sequence.push_back(child);
    }
}

} // namespace

int IndexOf(const WindowDefinition& window, std::string_view name) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (name == window.controls[i].name)
            return static_cast<int>(i);
    }
    return -1;
}

std::span<const int> TabSequence(const WindowDefinition& window) {
    // Walked once per window and kept: the definitions live as long as the
    // program. A list, so that a sequence never moves once handed out. Both
    // front ends ask from their one user-interface thread only.
    static std::list<std::pair<const WindowDefinition*, std::vector<int>>> walked;
    for (const auto& [definition, sequence] : walked) {
        if (definition == &window)
            return sequence;
    }
    std::vector<int> sequence;
    WalkTabOrder(window, -1, sequence);
    return walked.emplace_back(&window, std::move(sequence)).second;
}

} // namespace tarsilo::forms
