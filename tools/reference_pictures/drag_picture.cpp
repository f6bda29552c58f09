#include "picture_sheet.h"
#include "reference_pictures.h"
#include "typesetter.h"

#include <QStringList>

#include <array>

namespace reference_pictures {

namespace {

struct TableRow {
    QStringList shapeLines;
    QString coefficient;
};

const std::array<TableRow, 7> kRows{{
    {{QStringLiteral("Квадратная пластина, перпендикулярная"),
      QStringLiteral("направлению потока")},
     QStringLiteral("1.28")},
    {{QStringLiteral("Диск, перпендикулярный направлению потока"),
      QStringLiteral("(короткий цилиндр)")},
     QStringLiteral("1.12")},
    {{QStringLiteral("Куб")}, QStringLiteral("1.05")},
    {{QStringLiteral("Длинный цилиндр")}, QStringLiteral("0.82")},
    {{QStringLiteral("Шар")}, QStringLiteral("0.50")},
    {{QStringLiteral("Каплевидное тело")}, QStringLiteral("0.04")},
    {{QStringLiteral("Тело наилучшего обтекания (сигарообразное с"),
      QStringLiteral("задним заостренным концом) при длине в четыре"),
      QStringLiteral("диаметра с осью по потоку")},
     QStringLiteral("0.026")},
}};

} // namespace

ReferencePicture paintDragPicture(int scale) {
    constexpr QPoint kFrameTopLeft(3, 3);
    constexpr QPoint kFrameBottomRight(350, 176);
    constexpr int kColumnRule = 292;
    // Each row lies between two of these lines: the frame's top, the row rules, the frame's bottom.
    constexpr std::array<int, 8> kRowEdges{3, 33, 63, 80, 97, 115, 132, 176};
    constexpr int kShapeLeft = 10;
    constexpr int kLinePitch = 14;

    PictureSheet sheet(QSize(354, 180), scale);
    sheet.drawFrame(kFrameTopLeft, kFrameBottomRight);
    sheet.drawVerticalRule(kColumnRule, kFrameTopLeft.y(), kFrameBottomRight.y());
    for (std::size_t i = 1; i + 1 < kRowEdges.size(); ++i)
        sheet.drawHorizontalRule(kRowEdges[i], kFrameTopLeft.x(), kFrameBottomRight.x());

    const Typesetter ts(kTextPixelSize);
    // Rows are centred on capital height and descender depth, whatever letters they hold.
    const auto reference = ts.text(QStringLiteral("Ру"));
    const double coefficientCentre = (kColumnRule + 1 + kFrameBottomRight.x()) / 2.0;
    QStringList words;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const TableRow& row = kRows[r];
        const int lineCount = static_cast<int>(row.shapeLines.size());
        const int blockHeight =
            reference->ascent() + (lineCount - 1) * kLinePitch + reference->descent();
        const int whiteRows = kRowEdges[r + 1] - kRowEdges[r] - 1;
        const int firstBaseline =
            kRowEdges[r] + 1 + (whiteRows - blockHeight) / 2 + reference->ascent();
        for (int i = 0; i < lineCount; ++i)
            sheet.place(*ts.text(row.shapeLines[i]), kShapeLeft, firstBaseline + i * kLinePitch);
        const auto coefficient = ts.text(row.coefficient);
        sheet.place(*coefficient, coefficientCentre - coefficient->width() / 2, firstBaseline);
        // A row reads as one line: the shape, then its coefficient.
        words.append(row.shapeLines.join(' ') + QStringLiteral(" \u2013 ") + coefficient->words());
    }
    return {sheet.grayscale(), words};
}

} // namespace reference_pictures
