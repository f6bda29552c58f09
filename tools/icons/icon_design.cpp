#include "tools/icons/icon_design.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tarsilo::icons {

namespace {

const QColor Cyan(0x00, 0xFF, 0xFF);
const QColor Black(0x00, 0x00, 0x00);
const QColor Red(0xFF, 0x00, 0x00);

// The arrow's outline on the 32-unit grid, clockwise from the upper end of
// the upper stroke. Fitted so that filling it at 32 pixels sets the same
// pixels as the window icon.
QPolygonF ArrowOutline() {
    return QPolygonF({
        // upper stroke, right edge, down to the step
        {25.0, 4.0},
        {27.0, 4.0},
        {27.0, 5.75},
        {19.0, 12.53},
        {19.0, 14.0},
        // the step to the right, then the lower stroke's right edge
        {23.0, 14.0},
        {23.0, 16.4},
        {20.2, 18.4},
        {18.2, 19.4},
        {15.2, 22.4},
        // the lower barb of the head
        {13.0, 22.9},
        {13.0, 24.4},
        {15.0, 27.0},
        // the point, and the upper barb
        {6.0, 27.0},
        {6.0, 19.0},
        {8.0, 19.0},
        {10.6, 21.7},
        // the lower stroke's left edge, then the step's underside
        {12.2, 20.4},
        {18.0, 16.6},
        {18.0, 15.0},
        {14.0, 15.0},
        // the foot of the upper stroke, then its left edge
        {14.0, 12.0},
        {15.5, 12.0},
    });
}

// The border keeps its one-pixel look at 32 pixels and thickens in proportion.
int BorderWidth(int size) {
    return std::max(1, static_cast<int>(std::lround(size / 32.0)));
}

} // namespace

QImage DrawIcon(int size, Edges edges) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Black);
    QPainter painter(&image);
    const int border = BorderWidth(size);
    painter.fillRect(border, border, size - 2 * border, size - 2 * border, Cyan);

    painter.setRenderHint(QPainter::Antialiasing, edges == Edges::Smooth);
    painter.scale(qreal(size) / DesignGrid, qreal(size) / DesignGrid);
    QPainterPath arrow;
    arrow.addPolygon(ArrowOutline());
    arrow.closeSubpath();
    painter.fillPath(arrow, Red);
    return image;
}

} // namespace tarsilo::icons
