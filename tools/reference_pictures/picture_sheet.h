#pragma once

#include "typesetter.h"

#include <QImage>
#include <QPoint>
#include <QSize>

namespace reference_pictures {

// A white picture being drawn on: its frame, table rules and typeset lines, in pixel coordinates.
class PictureSheet {
public:
    // `scale` device pixels per picture pixel: everything is drawn in picture pixels, and a
    // scale of 2 typesets the same picture at twice the pixel size.
    explicit PictureSheet(QSize size, int scale = 1);

    // A one-pixel frame whose lines pass through both corners.
    void drawFrame(QPoint topLeft, QPoint bottomRight);
    void drawHorizontalRule(int y, int left, int right);
    void drawVerticalRule(int x, int top, int bottom);
    // Draws box with its baseline's left end at (left, baseline).
    void place(const Box& box, double left, int baseline);
    // Draws box so that its highest ink lies on row top.
    void placeFromTop(const Box& box, double left, int top);

    QImage grayscale() const;

private:
    QImage image_;
};

} // namespace reference_pictures
