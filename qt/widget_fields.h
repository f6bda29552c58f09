#pragma once
// The window fields of a widget tree: each name is a child's object name.

#include "commands/window_fields.h"
#include "common/window_definition.h"
#include "qt/status_announcer.h"

class QWidget;

namespace tarsilo {

class WidgetFields : public WindowFields {
public:
    WidgetFields(QWidget* window, const forms::WindowDefinition& definition)
        : window_(window), definition_(definition) {}

    std::string EditText(std::string_view edit) const override;
    void SetEditText(std::string_view edit, std::string_view text) override;
    // Also renames the label, and the edit it names, for screen readers.
    void SetLabelCaption(std::string_view label, std::string_view caption) override;
    void SetControlVisible(std::string_view control, bool visible) override;
    BodyShape SelectedShape() const override;
    // Through the announcer given, from the status line.
    void Announce(std::string_view text) override;
    void SetAnnouncer(StatusAnnouncer* announcer) { announcer_ = announcer; }

private:
    template <class Widget> Widget* Find(std::string_view name) const;

    QWidget* window_;
    const forms::WindowDefinition& definition_;
    StatusAnnouncer* announcer_ = nullptr;
};

} // namespace tarsilo
