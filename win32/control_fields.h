#pragma once
// The window fields of a form: each name is a control of its definition.

#include <optional>

#include "commands/window_fields.h"
#include "win32/form.h"
#include "win32/status_announcer.h"

namespace tarsilo::win32 {

class ControlFields : public WindowFields {
public:
    explicit ControlFields(Form& form) : form_(form) {}

    std::string EditText(std::string_view edit) const override;
    void SetEditText(std::string_view edit, std::string_view text) override;
    void SetLabelCaption(std::string_view label, std::string_view caption) override;
    void SetControlVisible(std::string_view control, bool visible) override;
    BodyShape SelectedShape() const override;
    // From the status line.
    void Announce(std::string_view text) override;

private:
    Form& form_;
    std::optional<StatusAnnouncer> announcer_;
};

} // namespace tarsilo::win32
