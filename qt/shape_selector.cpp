#include "qt/shape_selector.h"

namespace tarsilo {

ShapeSelector::ShapeSelector(QWidget* parent) : QRadioButton(parent) {}

bool ShapeSelector::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

} // namespace tarsilo
