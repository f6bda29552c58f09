#pragma once
// The window fields of a form: each name is a control of its definition.

#include "commands/window_fields.h"
#include "win32/form.h"

namespace tarsilo::win32 {

class ControlFields : public WindowFields {
public:
    explicit ControlFields(Form& form) : form_(form) {}

    std::string EditText(std::string_view edit) const override;
    void SetEditText(std::string_view edit, std::string_view text) override;
    void SetLabelCaption(std::string_view label, std::string_view caption) override;
    void SetControlVisible(std::string_view control, bool visible) override;
    BodyShape SelectedShape() const override;

private:
    Form& form_;
};

} // namespace tarsilo::win32
