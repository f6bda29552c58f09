#include "descent_formulas.h"

#include "picture_sheet.h"

namespace reference_pictures {

namespace {

constexpr double kHairSpace = 1.5;

} // namespace

BoxPtr DescentFormulas::density(const QString& label) const {
    return ts_.subscript(ts_.text(QStringLiteral("ρ")), label);
}

BoxPtr DescentFormulas::product(std::vector<BoxPtr> factors) const {
    std::vector<BoxPtr> items;
    for (auto& factor : factors) {
        if (!items.empty())
            items.push_back(ts_.times(kHairSpace));
        items.push_back(std::move(factor));
    }
    return ts_.row(std::move(items));
}

BoxPtr DescentFormulas::equation(BoxPtr left, BoxPtr relation, BoxPtr right) const {
    return ts_.row({std::move(left), ts_.space(ts_.thickSpace()), std::move(relation),
                    ts_.space(ts_.thickSpace()), std::move(right)});
}

BoxPtr DescentFormulas::speedAtPoint() const {
    return ts_.row({ts_.symbol("v"), ts_.text("("), ts_.symbol("x"), ts_.text(")")});
}

BoxPtr DescentFormulas::gasFactor() const {
    return ts_.fraction(product({ts_.symbol("R"), ts_.symbol("T")}),
                        product({ts_.text(QStringLiteral("μ")), ts_.symbol("g")}));
}

BoxPtr DescentFormulas::heightExponential(bool negative) const {
    const auto height =
        ts_.row({ts_.symbol("H"), ts_.space(ts_.mediumSpace()), ts_.text(QStringLiteral("−")),
                 ts_.space(ts_.mediumSpace()), ts_.symbol("x")});
    std::vector<BoxPtr> exponent;
    if (negative)
        exponent.push_back(ts_.text(QStringLiteral("−")));
    exponent.push_back(product({ts_.text(QStringLiteral("μ")), ts_.symbol("g")}));
    exponent.push_back(ts_.times());
    exponent.push_back(ts_.fraction(height, product({ts_.symbol("R"), ts_.symbol("T")})));
    return ts_.row({ts_.text("exp"), ts_.parentheses(ts_.row(std::move(exponent)))});
}

BoxPtr DescentFormulas::energy(const QString& coefficient, std::vector<BoxPtr> sizeFactors) const {
    std::vector<BoxPtr> factors{ts_.text(coefficient), density("B")};
    for (auto& factor : sizeFactors)
        factors.push_back(std::move(factor));
    factors.push_back(ts_.superscript(ts_.symbol("v"), "2"));
    const auto right = ts_.row(
        {product(std::move(factors)), ts_.space(ts_.mediumSpace()), ts_.text(QStringLiteral("·")),
         ts_.space(ts_.mediumSpace()), ts_.superscript(ts_.text("10"), QStringLiteral("−14")),
         ts_.space(ts_.thickSpace() + ts_.thinSpace()), ts_.text(QStringLiteral("(кт)"))});
    return equation(ts_.subscript(ts_.symbol("E"), "T"), ts_.congruent(), right);
}

ReferencePicture paintFormulaPicture(QSize size, const std::array<BoxPtr, 4>& lines, int scale) {
    constexpr int kLeft = 11;
    constexpr std::array<int, 4> kTops{5, 38, 78, 119};

    PictureSheet sheet(size, scale);
    sheet.drawFrame(QPoint(2, 2), QPoint(281, 135));
    QStringList words;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        sheet.placeFromTop(*lines[i], kLeft, kTops[i]);
        words.append(lines[i]->words());
    }
    return {sheet.grayscale(), words};
}

} // namespace reference_pictures
