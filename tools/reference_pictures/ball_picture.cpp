#include "descent_formulas.h"
#include "reference_pictures.h"

namespace reference_pictures {

ReferencePicture paintBallPicture(int scale) {
    const Typesetter ts(kTextPixelSize);
    const DescentFormulas f(ts);
    const auto sixth = [&] { return ts.fraction(ts.text("1"), ts.text("6")); };
    const auto pi = [&] { return ts.text(QStringLiteral("π")); };
    const auto diameterCubed = [&] { return ts.superscript(ts.symbol("D"), "3"); };

    const auto mass = f.equation(ts.symbol("m"), ts.text("="),
                                 f.product({sixth(), f.density("B"), pi(), diameterCubed()}));
    const auto volume =
        f.equation(ts.symbol("V"), ts.text("="), f.product({sixth(), pi(), diameterCubed()}));

    const auto speed = f.equation(
        f.speedAtPoint(), ts.text("="),
        ts.row(
            {ts.subscript(ts.symbol("v"), "0"), ts.times(ts.thinSpace()), ts.text("exp"),
             ts.brackets(ts.row({
                 ts.text(QStringLiteral("−")),
                 ts.fraction(ts.row({ts.text("3"), ts.times(), ts.subscript(ts.symbol("C"), "B")}),
                             ts.row({ts.text("4"), ts.times(), ts.symbol("D")})),
                 ts.times(),
                 ts.fraction(f.density("0"), f.density("B")),
                 ts.times(),
                 f.gasFactor(),
                 ts.times(ts.thinSpace()),
                 f.heightExponential(true),
             }))}));

    const auto terminalSpeed =
        f.equation(ts.subscript(ts.symbol("v"), "C"), ts.text("="),
                   ts.squareRoot(ts.row({
                       ts.fraction(ts.text("4"), ts.text("3")),
                       ts.times(),
                       ts.fraction(f.density("B"), f.density("0")),
                       ts.times(),
                       ts.fraction(f.product({ts.symbol("D"), ts.symbol("g")}),
                                   ts.subscript(ts.symbol("C"), "B")),
                       ts.times(ts.thinSpace()),
                       f.heightExponential(false),
                   })));

    const auto energy = f.energy(QStringLiteral("6.26"), {diameterCubed()});

    return paintFormulaPicture(
        QSize(285, 138),
        {ts.row({mass, ts.space(2 * kTextPixelSize, QStringLiteral("; ")), volume}), speed,
         terminalSpeed, energy},
        scale);
}

} // namespace reference_pictures
