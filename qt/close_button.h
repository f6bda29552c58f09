#pragma once

#include <QPushButton>

namespace tarsilo {

// A push button with the exit glyph left of its caption; a click closes the
// window the button stands in.
class CloseButton : public QPushButton {
    Q_OBJECT
public:
    explicit CloseButton(QWidget* parent = nullptr);
};

// The exit glyph: the enabled picture and its disabled twin, olive transparent.
QIcon CloseGlyph();

} // namespace tarsilo
