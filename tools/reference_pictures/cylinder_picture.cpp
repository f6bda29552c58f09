#include "descent_formulas.h"
#include "reference_pictures.h"

namespace reference_pictures {

ReferencePicture paintCylinderPicture(int scale) {
    const Typesetter ts(kTextPixelSize);
    const DescentFormulas f(ts);
    const auto quarter = [&] { return ts.fraction(ts.text("1"), ts.text("4")); };
    const auto pi = [&] { return ts.text(QStringLiteral("π")); };
    const auto diameterSquared = [&] { return ts.superscript(ts.symbol("D"), "2"); };
    const auto length = [&] { return ts.symbol("L"); };

    const auto mass =
        f.equation(ts.symbol("m"), ts.text("="),
                   f.product({quarter(), f.density("B"), pi(), diameterSquared(), length()}));
    const auto volume = f.equation(ts.symbol("V"), ts.text("="),
                                   f.product({quarter(), pi(), diameterSquared(), length()}));

    const auto speed = f.equation(
        f.speedAtPoint(), ts.text("="),
        ts.row({ts.subscript(ts.symbol("v"), "0"), ts.times(ts.thinSpace()), ts.text("exp"),
                ts.brackets(ts.row({
                    ts.text(QStringLiteral("−")),
                    ts.fraction(ts.subscript(ts.symbol("C"), "B"),
                                ts.row({ts.text("2"), ts.times(), length()})),
                    ts.times(),
                    ts.fraction(f.density("0"), f.density("B")),
                    ts.times(),
                    f.gasFactor(),
                    ts.times(ts.thinSpace()),
                    f.heightExponential(true),
                }))}));

    const auto terminalSpeed = f.equation(
        ts.subscript(ts.symbol("v"), "C"), ts.text("="),
        ts.squareRoot(ts.row({
            ts.text("2"),
            ts.times(1.0),
            ts.fraction(f.density("B"), f.density("0")),
            ts.times(),
            ts.fraction(f.product({length(), ts.symbol("g")}), ts.subscript(ts.symbol("C"), "B")),
            ts.times(ts.thinSpace()),
            f.heightExponential(false),
        })));

    const auto energy = f.energy(QStringLiteral("9.39"), {diameterSquared(), length()});

    return paintFormulaPicture(
        QSize(284, 139),
        {ts.row({mass, ts.space(2 * kTextPixelSize, QStringLiteral("; ")), volume}), speed,
         terminalSpeed, energy},
        scale);
}

} // namespace reference_pictures
