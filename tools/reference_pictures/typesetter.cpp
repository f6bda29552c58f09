#include "typesetter.h"

#include "drawn_signs.h"
#include "ink_extent.h"
#include "pixel_grid.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace reference_pictures {

namespace {

const QString kFamily = QStringLiteral("Liberation Serif");

QFont serifFont(int pixelSize, bool italic) {
    QFont font(kFamily);
    font.setPixelSize(pixelSize);
    font.setItalic(italic);
    // Grey anti-aliasing on crisp, vertically hinted rows suits a grayscale picture.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias |
                                               QFont::NoFontMerging));
    if (QFontInfo(font).family() != kFamily)
        throw std::runtime_error("the font \"Liberation Serif\" is not installed");
    return font;
}

double leanPastAdvance(const QFont& font, const QString& text, const InkExtent& ink) {
    if (!font.italic())
        return 0;
    return std::max(0.0, ink.right - QFontMetricsF(font).horizontalAdvance(text));
}

class TextRun : public Box {
public:
    TextRun(const QFont& font, const QString& text, const InkExtent& ink)
        : Box(QFontMetricsF(font).horizontalAdvance(text) + leanPastAdvance(font, text, ink),
              std::max(0, -ink.top), std::max(0, ink.bottom), text),
          font_(font), text_(text), italicCorrection_(leanPastAdvance(font, text, ink)) {}

    double italicCorrection() const override { return italicCorrection_; }

    void draw(QPainter& painter, QPointF origin) const override {
        painter.setFont(font_);
        painter.setPen(Qt::black);
        painter.drawText(origin, text_);
    }

private:
    QFont font_;
    QString text_;
    double italicCorrection_;
};

class Space : public Box {
public:
    Space(double width, const QString& words) : Box(width, 0, 0, words) {}
    void draw(QPainter&, QPointF) const override {}
};

int maxAscent(const std::vector<BoxPtr>& items) {
    int result = 0;
    for (const auto& item : items)
        result = std::max(result, item->ascent());
    return result;
}

int maxDescent(const std::vector<BoxPtr>& items) {
    int result = 0;
    for (const auto& item : items)
        result = std::max(result, item->descent());
    return result;
}

QString joinedWords(const std::vector<BoxPtr>& items) {
    QString result;
    for (const auto& item : items)
        result += item->words();
    return result;
}

// A script or a side of a fraction in linear text: in parentheses unless it is a single term.
QString grouped(const QString& words) {
    static const QString kOperators = QStringLiteral(" +−-·/");
    const bool single =
        std::none_of(words.begin(), words.end(), [](QChar c) { return kOperators.contains(c); });
    return single ? words : "(" + words + ")";
}

double totalWidth(const std::vector<BoxPtr>& items) {
    double result = 0;
    for (const auto& item : items)
        result += item->width();
    return result;
}

class Row : public Box {
public:
    explicit Row(std::vector<BoxPtr> items)
        : Box(totalWidth(items), maxAscent(items), maxDescent(items), joinedWords(items)),
          items_(std::move(items)) {}

    double italicCorrection() const override {
        return items_.empty() ? 0.0 : items_.back()->italicCorrection();
    }

    void draw(QPainter& painter, QPointF origin) const override {
        for (const auto& item : items_) {
            item->draw(painter, origin);
            origin.rx() += item->width();
        }
    }

private:
    std::vector<BoxPtr> items_;
};

// A subscript reads as part of its symbol's name ("ρB", "v0"), as the notation names it; a
// superscript as a power ("D^3", "10^(−14)").
QString scriptedWords(const BoxPtr& base, const BoxPtr& script, int shift) {
    if (shift > 0)
        return base->words() + script->words();
    return base->words() + "^" + grouped(script->words());
}

class Scripted : public Box {
public:
    Scripted(BoxPtr base, BoxPtr script, double gap, int shift)
        : Box(base->width() + gap + script->width(),
              std::max(base->ascent(), script->ascent() - shift),
              std::max(base->descent(), script->descent() + shift),
              scriptedWords(base, script, shift)),
          base_(std::move(base)), script_(std::move(script)), gap_(gap), shift_(shift) {}

    void draw(QPainter& painter, QPointF origin) const override {
        base_->draw(painter, origin);
        script_->draw(painter, origin + QPointF(base_->width() + gap_, shift_));
    }

private:
    BoxPtr base_;
    BoxPtr script_;
    double gap_;
    int shift_; // positive moves the script's baseline down
};

struct FractionGeometry {
    int barRow;       // relative to the baseline
    int numeratorRow; // baseline of the numerator, relative to the baseline
    int denominatorRow;
    double barWidth;
    double side;
};

class Fraction : public Box {
public:
    Fraction(BoxPtr numerator, BoxPtr denominator, const FractionGeometry& geometry)
        : Box(geometry.barWidth + 2 * geometry.side, numerator->ascent() - geometry.numeratorRow,
              geometry.denominatorRow + denominator->descent(),
              grouped(numerator->words()) + "/" + grouped(denominator->words())),
          numerator_(std::move(numerator)), denominator_(std::move(denominator)),
          geometry_(geometry) {}

    void draw(QPainter& painter, QPointF origin) const override {
        const double left = origin.x() + geometry_.side;
        const int barLeft = pixelColumn(left);
        const int barRight = pixelColumn(left + geometry_.barWidth);
        fillPixels(painter, barLeft, static_cast<int>(origin.y()) + geometry_.barRow,
                   barRight - barLeft, 1);
        const double centre = (barLeft + barRight) / 2.0;
        numerator_->draw(painter, QPointF(centre - numerator_->width() / 2,
                                          origin.y() + geometry_.numeratorRow));
        denominator_->draw(painter, QPointF(centre - denominator_->width() / 2,
                                            origin.y() + geometry_.denominatorRow));
    }

private:
    BoxPtr numerator_;
    BoxPtr denominator_;
    FractionGeometry geometry_;
};

} // namespace

Typesetter::Typesetter(int pixelSize)
    : pixelSize_(pixelSize), upright_(serifFont(pixelSize, false)),
      italic_(serifFont(pixelSize, true)),
      script_(serifFont(static_cast<int>(std::lround(0.75 * pixelSize)), false)) {
    // The fraction bar sits on the row of the minus sign's stroke.
    axisRow_ = measureInk(upright_, QStringLiteral("\u2212")).top;
}

double Typesetter::thinSpace() const {
    return pixelSize_ * 3.0 / 18;
}
double Typesetter::mediumSpace() const {
    return pixelSize_ * 4.0 / 18;
}
double Typesetter::thickSpace() const {
    return pixelSize_ * 5.0 / 18;
}

BoxPtr Typesetter::run(const QFont& font, const QString& text) const {
    return std::make_shared<TextRun>(font, text, measureInk(font, text));
}

BoxPtr Typesetter::text(const QString& text) const {
    return run(upright_, text);
}

BoxPtr Typesetter::symbol(const QString& letter) const {
    return run(italic_, letter);
}

BoxPtr Typesetter::space(double width, const QString& words) const {
    return std::make_shared<Space>(width, words);
}

BoxPtr Typesetter::times(double width) const {
    return space(width, QStringLiteral(" · "));
}

BoxPtr Typesetter::row(std::vector<BoxPtr> items) const {
    return std::make_shared<Row>(std::move(items));
}

BoxPtr Typesetter::subscript(BoxPtr base, const QString& label) const {
    const int drop = static_cast<int>(std::lround(0.25 * pixelSize_));
    // A subscript tucks under a sloped letter's overhang.
    const double gap = 0.3 - base->italicCorrection();
    return std::make_shared<Scripted>(std::move(base), run(script_, label), gap, drop);
}

BoxPtr Typesetter::superscript(BoxPtr base, const QString& label) const {
    const int rise = static_cast<int>(std::lround(0.33 * pixelSize_));
    return std::make_shared<Scripted>(std::move(base), run(script_, label), 0.3, -rise);
}

BoxPtr Typesetter::fraction(BoxPtr numerator, BoxPtr denominator) const {
    const int gap = static_cast<int>(std::lround(0.4 * pixelSize_));
    const double overhang = 1.0;
    FractionGeometry geometry{};
    geometry.barRow = axisRow_;
    geometry.numeratorRow = axisRow_ - gap - numerator->descent();
    geometry.denominatorRow = axisRow_ + 1 + gap + denominator->ascent();
    geometry.barWidth = std::max(numerator->width(), denominator->width()) + 2 * overhang;
    geometry.side = 1.2;
    return std::make_shared<Fraction>(std::move(numerator), std::move(denominator), geometry);
}

BoxPtr Typesetter::brackets(BoxPtr inner) const {
    return makeBrackets(std::move(inner), 2, 3.0);
}

BoxPtr Typesetter::parentheses(BoxPtr inner) const {
    return makeParentheses(std::move(inner), 1, 3.0);
}

BoxPtr Typesetter::squareRoot(BoxPtr radicand) const {
    return makeSquareRoot(std::move(radicand), 0.8 * pixelSize_);
}

BoxPtr Typesetter::congruent() const {
    const auto equals = text(QStringLiteral("="));
    // The bars stand centred in the sign's advance.
    const double bars = measureInk(upright_, QStringLiteral("=")).right;
    const double bearing = std::max(0.0, equals->width() - bars);
    return makeCongruent(equals, bearing, bars);
}

} // namespace reference_pictures
