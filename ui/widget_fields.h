#pragma once
// The window fields of a widget tree: each name is a child's object name.

#include "commands/window_fields.h"

class QWidget;

namespace tarsilo {

class WidgetFields : public WindowFields {
public:
    explicit WidgetFields(QWidget* window) : window_(window) {}

    std::string EditText(std::string_view edit) const override;
    void SetEditText(std::string_view edit, std::string_view text) override;
    // Also renames the edit the label is the buddy of, for screen readers.
    void SetLabelCaption(std::string_view label, std::string_view caption) override;
    void SetControlVisible(std::string_view control, bool visible) override;
    BodyShape SelectedShape() const override;

private:
    template <class Widget> Widget* Find(std::string_view name) const;

    QWidget* window_;
};

} // namespace tarsilo
