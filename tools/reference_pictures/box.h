#pragma once

#include <QPointF>

#include <memory>

class QPainter;

namespace reference_pictures {

// A typeset piece of text or mathematics. Vertical extents count whole pixel rows of visible ink:
// ascent rows lie above the baseline, descent rows on and below it.
class Box {
public:
    Box(double width, int ascent, int descent)
        : width_(width), ascent_(ascent), descent_(descent) {}
    virtual ~Box() = default;

    double width() const { return width_; }
    int ascent() const { return ascent_; }
    int descent() const { return descent_; }
    // How far a sloped letter leans past its advance. It counts in the width, as it keeps the next
    // letter or a superscript clear, but a subscript tucks under it.
    virtual double italicCorrection() const { return 0; }
    // origin is the left end of the baseline, on a whole pixel row.
    virtual void draw(QPainter& painter, QPointF origin) const = 0;

private:
    double width_;
    int ascent_;
    int descent_;
};

using BoxPtr = std::shared_ptr<const Box>;

} // namespace reference_pictures
