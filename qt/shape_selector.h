#pragma once

#include <QRadioButton>

namespace tarsilo {

// A shape selector: a radio button that takes a click anywhere in its box,
// not only on its circle and caption.
class ShapeSelector : public QRadioButton {
    Q_OBJECT
public:
    explicit ShapeSelector(QWidget* parent = nullptr);

protected:
    bool hitButton(const QPoint& position) const override;
};

} // namespace tarsilo
