#pragma once

#include "reference_pictures.h"
#include "typesetter.h"

#include <QImage>
#include <QSize>

#include <array>
#include <vector>

namespace reference_pictures {

// Pieces that the ball's and the cylinder's formulas have in common.
class DescentFormulas {
public:
    explicit DescentFormulas(const Typesetter& ts) : ts_(ts) {}

    // ρ with a subscript: ρ_B for the body, ρ₀ for the atmosphere at the surface.
    BoxPtr density(const QString& label) const;
    // Factors set side by side, a hair apart.
    BoxPtr product(std::vector<BoxPtr> factors) const;
    BoxPtr equation(BoxPtr left, BoxPtr relation, BoxPtr right) const;
    // v(x), the speed at the calculation point.
    BoxPtr speedAtPoint() const;
    // (R T)/(μ g)
    BoxPtr gasFactor() const;
    // exp( ∓ μ g (H − x)/(R T) )
    BoxPtr heightExponential(bool negative) const;
    // E_T ≅ coefficient factors… v² · 10⁻¹⁴ (кт)
    BoxPtr energy(const QString& coefficient, std::vector<BoxPtr> sizeFactors) const;

private:
    const Typesetter& ts_;
};

// A formula picture: four lines in a frame, each line's highest ink on its own row.
ReferencePicture paintFormulaPicture(QSize size, const std::array<BoxPtr, 4>& lines, int scale);

} // namespace reference_pictures
