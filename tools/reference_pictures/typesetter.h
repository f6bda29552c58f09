#pragma once

#include "box.h"

#include <QFont>
#include <QString>

#include <vector>

namespace reference_pictures {

// Builds boxes in one serif face at one size, in the manner of a display formula: stacked
// fractions on the minus sign's axis, scripts in a smaller size, delimiters grown to their
// contents.
class Typesetter {
public:
    explicit Typesetter(int pixelSize);

    // Horizontal spaces of a formula, after the usual thin, medium and thick math spaces.
    double thinSpace() const;
    double mediumSpace() const;
    double thickSpace() const;

    BoxPtr text(const QString& text) const;
    // A Latin letter standing for a quantity: italic.
    BoxPtr symbol(const QString& letter) const;
    // Blank space; it reads as `words` (a space by default).
    BoxPtr space(double width, const QString& words = QStringLiteral(" ")) const;
    // The space between two factors, which reads as a multiplication sign; it may have no width
    // where the factors stand close enough as they are.
    BoxPtr times(double width = 0) const;
    BoxPtr row(std::vector<BoxPtr> items) const;

    BoxPtr subscript(BoxPtr base, const QString& label) const;
    BoxPtr superscript(BoxPtr base, const QString& label) const;
    BoxPtr fraction(BoxPtr numerator, BoxPtr denominator) const;
    BoxPtr brackets(BoxPtr inner) const;
    BoxPtr parentheses(BoxPtr inner) const;
    BoxPtr squareRoot(BoxPtr radicand) const;
    // The "approximately equal" relation: a tilde over an equals sign.
    BoxPtr congruent() const;

private:
    BoxPtr run(const QFont& font, const QString& text) const;

    int pixelSize_;
    QFont upright_;
    QFont italic_;
    QFont script_;
    int axisRow_;
};

} // namespace reference_pictures
