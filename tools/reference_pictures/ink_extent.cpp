#include "ink_extent.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace reference_pictures {

namespace {

// Anti-aliasing fringes fainter than this do not count as ink.
constexpr int kInkLevel = 192;

bool isInk(QRgb pixel) {
    return qGray(pixel) < kInkLevel;
}

} // namespace

InkExtent measureInk(const QFont& font, const QString& text) {
    const int size = font.pixelSize();
    const int margin = 2 * size;
    const int baseline = 2 * size;
    const int width =
        static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text))) + 2 * margin;
    QImage scratch(width, 4 * size, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(margin, baseline), text);
    }

    InkExtent extent;
    int top = scratch.height();
    int bottom = -1;
    int right = -1;
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (isInk(line[x])) {
                top = std::min(top, y);
                bottom = y;
                right = std::max(right, x);
            }
        }
    }
    if (bottom < 0)
        return extent;
    extent.top = top - baseline;
    extent.bottom = bottom + 1 - baseline;
    extent.right = right + 1 - margin;
    return extent;
}

} // namespace reference_pictures
