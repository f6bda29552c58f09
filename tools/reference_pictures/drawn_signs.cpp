#include "drawn_signs.h"

#include "pixel_grid.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace reference_pictures {

namespace {

enum class FenceShape { Brackets, Parentheses };

// A pair of delimiters grown to the height of what they enclose.
class Fence : public Box {
public:
    static constexpr double kOuterGap = 1.0;
    static constexpr double kInnerGap = 1.5;

    Fence(BoxPtr inner, FenceShape shape, int pad, double delimiterWidth)
        : Box(inner->width() + 2 * (kOuterGap + delimiterWidth + kInnerGap), inner->ascent() + pad,
              inner->descent() + pad,
              shape == FenceShape::Brackets ? "[" + inner->words() + "]"
                                            : "(" + inner->words() + ")"),
          inner_(std::move(inner)), shape_(shape), delimiterWidth_(delimiterWidth) {}

    void draw(QPainter& painter, QPointF origin) const override {
        const int baseline = static_cast<int>(origin.y());
        const int top = baseline - ascent();
        const int bottom = baseline + descent(); // one past the last row
        const double leftEdge = origin.x() + kOuterGap;
        const double rightEdge = origin.x() + width() - kOuterGap;
        if (shape_ == FenceShape::Brackets) {
            drawBracket(painter, pixelColumn(leftEdge), top, bottom, +1);
            drawBracket(painter, pixelColumn(rightEdge) - 1, top, bottom, -1);
        } else {
            drawParenthesis(painter, pixelColumn(leftEdge), top, bottom, +1);
            drawParenthesis(painter, pixelColumn(rightEdge), top, bottom, -1);
        }
        inner_->draw(painter, QPointF(leftEdge + delimiterWidth_ + kInnerGap, origin.y()));
    }

private:
    // stemColumn is the column of the upright stroke; the serifs reach towards direction.
    void drawBracket(QPainter& painter, int stemColumn, int top, int bottom, int direction) const {
        const int reach = static_cast<int>(delimiterWidth_);
        fillPixels(painter, stemColumn, top, 1, bottom - top);
        const int serifLeft = direction > 0 ? stemColumn : stemColumn - reach + 1;
        fillPixels(painter, serifLeft, top, reach, 1);
        fillPixels(painter, serifLeft, bottom - 1, reach, 1);
    }

    // A crescent, thickest at its middle. edge is the pixel boundary that the middle of its outer
    // curve touches; the tips reach delimiterWidth_ towards direction, on whole columns so that
    // they stay dark.
    void drawParenthesis(QPainter& painter, int edge, int top, int bottom, int direction) const {
        constexpr double kMiddleThickness = 1.4;
        constexpr double kTipThickness = 1.0;
        const double tip = edge + std::round(delimiterWidth_) * direction;
        const double innerMiddle = edge + kMiddleThickness * direction;
        const double innerTip = tip - kTipThickness * direction;
        // A cubic whose inner control points share one x reaches a quarter of the way from that
        // x to its end points at its middle.
        const auto control = [](double middle, double end) { return (middle - 0.25 * end) / 0.75; };
        const double outerControl = control(edge, tip);
        const double innerControl = control(innerMiddle, innerTip);
        const double bulge = 0.3 * (bottom - top);

        QPainterPath crescent;
        crescent.moveTo(tip, top);
        crescent.cubicTo(outerControl, top + bulge, outerControl, bottom - bulge, tip, bottom);
        crescent.lineTo(innerTip, bottom);
        crescent.cubicTo(innerControl, bottom - bulge, innerControl, top + bulge, innerTip, top);
        crescent.closeSubpath();
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPath(crescent);
        painter.restore();
    }

    BoxPtr inner_;
    FenceShape shape_;
    double delimiterWidth_;
};

class SquareRoot : public Box {
public:
    static constexpr int kClearance = 2; // white rows between the radicand and the bar
    static constexpr double kLead = 1.5; // between the sign and the radicand
    static constexpr double kTrailing = 1.0;

    SquareRoot(BoxPtr radicand, double signWidth)
        : Box(signWidth + kLead + radicand->width() + kTrailing,
              radicand->ascent() + kClearance + 1, radicand->descent() + 1,
              QStringLiteral("√(") + radicand->words() + ")"),
          radicand_(std::move(radicand)), signWidth_(signWidth) {}

    void draw(QPainter& painter, QPointF origin) const override {
        // A short rising tick, a heavy stroke down to the bottom and a hairline up to the bar.
        constexpr double kHairline = 0.9;
        constexpr double kHeavy = 1.6;
        const int baseline = static_cast<int>(origin.y());
        const int barRow = baseline - ascent();
        const double bottom = baseline + descent() - 0.2;
        const double x0 = origin.x() + 0.5;
        const double hookY = bottom - 0.42 * (bottom - barRow);
        const double valleyX = x0 + 0.45 * signWidth_;
        const int barLeft = pixelColumn(origin.x() + signWidth_ - 0.5);
        const int barRight = pixelColumn(origin.x() + width());

        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(Qt::black, kHairline, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawLine(QPointF(x0 - 0.3, hookY + 1.6), QPointF(x0 + 1.8, hookY));
        pen.setWidthF(kHeavy);
        painter.setPen(pen);
        painter.drawLine(QPointF(x0 + 1.8, hookY), QPointF(valleyX, bottom - 0.4));
        pen.setWidthF(kHairline);
        painter.setPen(pen);
        painter.drawLine(QPointF(valleyX, bottom), QPointF(barLeft + 0.5, barRow + 0.5));
        painter.restore();
        fillPixels(painter, barLeft, barRow, barRight - barLeft, 1);

        radicand_->draw(painter, QPointF(origin.x() + signWidth_ + kLead, origin.y()));
    }

private:
    BoxPtr radicand_;
    double signWidth_;
};

// A tilde drawn over an equals sign, as wide as its bars, one white row above them. The font's own
// tilde is too small to read at this size.
class Congruent : public Box {
public:
    static constexpr double kAmplitude = 1.1;
    static constexpr double kStroke = 1.0;

    Congruent(BoxPtr equals, double barsLeft, double barsRight)
        : Box(equals->width(), equals->ascent() + 1 + tildeHeight(), equals->descent(),
              QStringLiteral("≅")),
          equals_(std::move(equals)), barsLeft_(barsLeft), barsRight_(barsRight) {}

    void draw(QPainter& painter, QPointF origin) const override {
        equals_->draw(painter, origin);
        const double lowest = origin.y() - equals_->ascent() - 1;
        const double middle = lowest - kStroke / 2 - kAmplitude;
        const double left = origin.x() + barsLeft_;
        const double span = barsRight_ - barsLeft_;
        QPainterPath wave;
        constexpr int kSteps = 24;
        for (int i = 0; i <= kSteps; ++i) {
            const double t = double(i) / kSteps;
            const QPointF point(left + span * t,
                                middle - kAmplitude * std::sin(2 * std::numbers::pi * t));
            if (i == 0)
                wave.moveTo(point);
            else
                wave.lineTo(point);
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(wave);
        painter.restore();
    }

private:
    static int tildeHeight() { return static_cast<int>(std::ceil(2 * kAmplitude + kStroke)); }

    BoxPtr equals_;
    double barsLeft_;
    double barsRight_;
};

} // namespace

BoxPtr makeBrackets(BoxPtr inner, int pad, double delimiterWidth) {
    return std::make_shared<Fence>(std::move(inner), FenceShape::Brackets, pad, delimiterWidth);
}

BoxPtr makeParentheses(BoxPtr inner, int pad, double delimiterWidth) {
    return std::make_shared<Fence>(std::move(inner), FenceShape::Parentheses, pad, delimiterWidth);
}

BoxPtr makeSquareRoot(BoxPtr radicand, double signWidth) {
    return std::make_shared<SquareRoot>(std::move(radicand), signWidth);
}

BoxPtr makeCongruent(BoxPtr equals, double barsLeft, double barsRight) {
    return std::make_shared<Congruent>(std::move(equals), barsLeft, barsRight);
}

} // namespace reference_pictures
