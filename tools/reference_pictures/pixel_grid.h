#pragma once

#include <QPainter>
#include <QRect>

#include <cmath>

namespace reference_pictures {

// Fills whole pixels, so that rules stay one sharp pixel wide.
inline void fillPixels(QPainter& painter, int x, int y, int width, int height) {
    painter.fillRect(QRect(x, y, width, height), Qt::black);
}

inline int pixelColumn(double x) {
    return static_cast<int>(std::lround(x));
}

} // namespace reference_pictures
