#pragma once

#include <QPointF>
#include <QString>

#include <memory>
#include <utility>

class QPainter;

namespace reference_pictures {

// A typeset piece of text or mathematics. Vertical extents count whole pixel rows of visible ink:
// ascent rows lie above the baseline, descent rows on and below it. Each piece also reads as
// linear text ("(R · T)/(μ · g)"), made from the same parts as its ink, for a screen reader.
class Box {
public:
    Box(double width, int ascent, int descent, QString words)
        : width_(width), ascent_(ascent), descent_(descent), words_(std::move(words)) {}
    virtual ~Box() = default;

    double width() const { return width_; }
    int ascent() const { return ascent_; }
    int descent() const { return descent_; }
    // The piece as linear text.
    const QString& words() const { return words_; }
    // How far a sloped letter leans past its advance. It counts in the width, as it keeps the next
    // letter or a superscript clear, but a subscript tucks under it.
    virtual double italicCorrection() const { return 0; }
    // origin is the left end of the baseline, on a whole pixel row.
    virtual void draw(QPainter& painter, QPointF origin) const = 0;

private:
    double width_;
    int ascent_;
    int descent_;
    QString words_;
};

using BoxPtr = std::shared_ptr<const Box>;

} // namespace reference_pictures
