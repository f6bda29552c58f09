#include "qt/widget_fields.h"

#include <stdexcept>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "calc/errors.h"
#include "qt/window_accessibility.h"

namespace tarsilo {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

template <class Widget> Widget* WidgetFields::Find(std::string_view name) const {
    auto* widget = window_->findChild<Widget*>(FromUtf8(name));
    if (!widget)
        throw std::logic_error("the window has no control " + std::string(name));
    return widget;
}

std::string WidgetFields::EditText(std::string_view edit) const {
    return Find<QLineEdit>(edit)->text().toStdString();
}

void WidgetFields::SetEditText(std::string_view edit, std::string_view text) {
    Find<QLineEdit>(edit)->setText(FromUtf8(text));
}

void WidgetFields::SetLabelCaption(std::string_view label, std::string_view caption) {
    auto* target = Find<QLabel>(label);
    target->setText(FromUtf8(caption));
    target->adjustSize();
    RenameAfterCaption(window_, definition_, label);
}

void WidgetFields::SetControlVisible(std::string_view control, bool visible) {
    Find<QWidget>(control)->setVisible(visible);
}

void WidgetFields::Announce(std::string_view text) {
    if (!announcer_)
        throw std::logic_error("the window has no announcer");
    announcer_->Announce(FromUtf8(text));
}

BodyShape WidgetFields::SelectedShape() const {
    const bool ball = Find<QRadioButton>("rbBall")->isChecked();
    const bool cylinder = Find<QRadioButton>("rbCyl")->isChecked();
    if (ball != cylinder)
        return ball ? BodyShape::Ball : BodyShape::Cylinder;
    // The two buttons are exclusive and one starts checked; anything else is
    // a fault of the window, not a choice of the user.
    throw Exception(ball ? "Both body shapes are selected" : "No body shape is selected");
}

} // namespace tarsilo
