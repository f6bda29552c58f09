#include "picture_sheet.h"
#include "reference_pictures.h"
#include "typesetter.h"

#include <cmath>
#include <vector>

namespace reference_pictures {

namespace {

const QString kDash = QStringLiteral(" \u2013 ");

std::vector<BoxPtr> notationLines(const Typesetter& ts) {
    const auto described = [&](BoxPtr symbol, const QString& description) {
        return ts.row({std::move(symbol), ts.text(kDash + description)});
    };
    const auto rho = ts.text(QStringLiteral("ρ"));
    return {
        described(ts.subscript(ts.symbol("v"), "0"), QStringLiteral("начальная скорость тела")),
        described(ts.row({ts.symbol("v"), ts.text("("), ts.symbol("x"), ts.text(")")}),
                  QStringLiteral("скорость тела в расчетной точке")),
        described(ts.subscript(ts.symbol("v"), "C"),
                  QStringLiteral("установившаяся скорость свободного падения")),
        described(ts.subscript(ts.symbol("C"), "B"),
                  QStringLiteral("коэффициент лобового сопротивления тела")),
        described(ts.symbol("D"), QStringLiteral("диаметр шарообразного тела")),
        described(ts.symbol("V"), QStringLiteral("объем шарообразного тела")),
        described(ts.subscript(rho, "B"), QStringLiteral("плотность тела")),
        described(ts.symbol("m"), QStringLiteral("масса тела")),
        described(ts.subscript(ts.symbol("E"), "T"),
                  QStringLiteral("кинетическая энергия тела в тротиловом эквиваленте")),
        described(ts.row({ts.subscript(ts.symbol("H"), "X"), ts.text(" = "), ts.symbol("H"),
                          ts.text(kDash), ts.symbol("x")}),
                  QStringLiteral("расчетная точка (высота над поверхностью)")),
        described(ts.subscript(rho, "0"), QStringLiteral("плотность атмосферы")),
        described(ts.text(QStringLiteral("μ")), QStringLiteral("молярная масса атмосферного газа")),
        described(ts.symbol("T"), QStringLiteral("абсолютная температура")),
        described(ts.symbol("g"), QStringLiteral("ускорение свободного падения")),
        described(ts.row({ts.symbol("R"), ts.text(QStringLiteral(" ≈ 8.31 Дж/(моль · К)"))}),
                  QStringLiteral("универсальная газовая постоянная")),
    };
}

} // namespace

ReferencePicture paintValuesPicture(int scale) {
    constexpr int kLeft = 9;
    constexpr int kFirstTop = 9;     // highest ink of the first line
    constexpr int kLastBottom = 230; // lowest ink of the last line

    PictureSheet sheet(QSize(353, 236), scale);
    sheet.drawFrame(QPoint(2, 3), QPoint(349, 233));

    const Typesetter ts(kTextPixelSize);
    const auto lines = notationLines(ts);
    const int firstBaseline = kFirstTop + lines.front()->ascent();
    const int lastBaseline = kLastBottom + 1 - lines.back()->descent();
    const double pitch = double(lastBaseline - firstBaseline) / double(lines.size() - 1);
    QStringList words;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int baseline = firstBaseline + static_cast<int>(std::lround(pitch * double(i)));
        sheet.place(*lines[i], kLeft, baseline);
        words.append(lines[i]->words());
    }
    return {sheet.grayscale(), words};
}

} // namespace reference_pictures
