#include "win32/control_fields.h"

#include "calc/errors.h"
#include "win32/native_window.h"
#include "win32/text_encoding.h"

namespace tarsilo::win32 {

std::string ControlFields::EditText(std::string_view edit) const {
    return Utf8FromWide(WindowText(form_.Control(edit)));
}

void ControlFields::SetEditText(std::string_view edit, std::string_view text) {
    SetWindowTextW(form_.Control(edit), WideFromUtf8(text).c_str());
}

void ControlFields::SetLabelCaption(std::string_view label, std::string_view caption) {
    form_.SetLabelCaption(form_.IndexOf(label), WideFromUtf8(caption));
}

void ControlFields::SetControlVisible(std::string_view control, bool visible) {
    form_.SetControlVisible(form_.IndexOf(control), visible);
}

void ControlFields::Announce(std::string_view text) {
    if (!announcer_)
        announcer_.emplace(form_.Control(component::eReady));
    announcer_->Announce(WideFromUtf8(text));
}

BodyShape ControlFields::SelectedShape() const {
    const bool ball = form_.IsChecked(form_.IndexOf("rbBall"));
    const bool cylinder = form_.IsChecked(form_.IndexOf("rbCyl"));
    if (ball != cylinder)
        return ball ? BodyShape::Ball : BodyShape::Cylinder;
    // The two buttons are exclusive and one starts selected; anything else is
    // a fault of the window, not a choice of the user.
    throw Exception(ball ? "Both body shapes are selected" : "No body shape is selected");
}

} // namespace tarsilo::win32
