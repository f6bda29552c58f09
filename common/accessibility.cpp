#include "common/accessibility.h"

#include "common/reference_pictures.h"

namespace tarsilo::forms {

namespace {

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

AccessibleRole RoleOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::GroupBox:
        return AccessibleRole::Grouping;
    case ControlKind::Label:
        return AccessibleRole::Label;
    case ControlKind::Edit:
        return AccessibleRole::Text;
    case ControlKind::Button:
    case ControlKind::CloseButton:
        return AccessibleRole::PushButton;
    case ControlKind::RadioButton:
        return AccessibleRole::RadioButton;
    case ControlKind::Picture:
        return AccessibleRole::Graphic;
    }
    return AccessibleRole::Label;
}

int NamingLabel(const WindowDefinition& window, int index) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (window.controls[i].kind == ControlKind::Label && window.controls[i].buddy == index)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<int> ControlsNamedBy(const WindowDefinition& window, int label) {
    std::vector<int> named;
    const int buddy = window.controls[label].buddy;
    if (buddy >= 0 && window.controls[buddy].accessibleName[0] == '\0')
        named.push_back(buddy);
    return named;
}

std::string AccessibleName(const WindowDefinition& window, int index,
                           const CurrentCaption& caption) {
    const ControlDefinition& control = window.controls[index];
    if (control.accessibleName[0] != '\0')
        return control.accessibleName;
    if (const PictureWords* words = WordsOfPicture(control.name))
        return std::string(words->name);
    if (control.kind == ControlKind::Edit) {
        const int label = NamingLabel(window, index);
        return label >= 0 ? Trimmed(caption(label)) : std::string();
    }
    return Trimmed(caption(index));
}

std::string_view AccessibleDescription(const WindowDefinition& window, int index) {
    const PictureWords* words = WordsOfPicture(window.controls[index].name);
    return words ? words->description : std::string_view();
}

} // namespace tarsilo::forms
