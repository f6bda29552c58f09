// The desktop icons: the committed files against the window icon and against
// what the generator draws now.

#include <algorithm>
#include <cstdlib>

#include <QImage>
#include <QTest>

#include "tools/icons/icon_design.h"
#include "tools/icons/icon_sizes.h"

using tarsilo::icons::DrawIcon;
using tarsilo::icons::Edges;

namespace {

const QColor Cyan(0x00, 0xFF, 0xFF);
const QColor Black(0x00, 0x00, 0x00);
const QColor Red(0xFF, 0x00, 0x00);

QImage WindowIcon() {
    return QImage(QStringLiteral(TARSILO_WINDOW_ICON)).convertToFormat(QImage::Format_RGB32);
}

QImage CommittedIcon(int size) {
    return QImage(QStringLiteral(TARSILO_ICONS_DIR "/%1x%1/apps/" TARSILO_APP_ID ".png").arg(size))
        .convertToFormat(QImage::Format_RGB32);
}

int DifferingPixels(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    }
    return differing;
}

// The largest difference of one colour channel over the whole picture.
int LargestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// The colour at a point of the 32-unit design grid, read at `size` pixels.
QColor ColourAt(const QImage& icon, QPointF design) {
    const qreal scale = qreal(icon.width()) / tarsilo::icons::DesignGrid;
    return icon.pixelColor(int(design.x() * scale), int(design.y() * scale));
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT
private slots:
    void smallestIconIsTheWindowIcon() {
        const QImage windowIcon = WindowIcon();
        QCOMPARE(windowIcon.size(), QSize(32, 32));
        const QImage committed = CommittedIcon(32);
        QCOMPARE(committed.size(), windowIcon.size());
        QCOMPARE(DifferingPixels(committed, windowIcon), 0);
    }

    void outlineFollowsTheWindowIcon() {
        // Drawn without smoothing at 32 pixels the outline sets the window
        // icon's pixels; the one stray red pixel under the arrow's point is
        // left out of the design.
        const QImage drawn = DrawIcon(32, Edges::PixelExact);
        QVERIFY2(DifferingPixels(drawn, WindowIcon()) <= 1,
                 qPrintable(QString::number(DifferingPixels(drawn, WindowIcon()))));
    }

    void committedIconIsWhatTheGeneratorDraws_data() {
        QTest::addColumn<int>("size");
        for (const int size : tarsilo::icons::DrawnSizes)
            QTest::addRow("%dx%d", size, size) << size;
    }
    void committedIconIsWhatTheGeneratorDraws() {
        QFETCH(int, size);
        const QImage committed = CommittedIcon(size);
        QCOMPARE(committed.size(), QSize(size, size));
        // Smoothing may round a channel differently on another processor.
        QVERIFY(LargestChannelDifference(committed, DrawIcon(size)) <= 2);
    }

    void designLandmarks_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QColor>("colour");
        const struct {
            const char* name;
            QPointF point;
            QColor colour;
        } landmarks[] = {
            {"border, top left", {0.2, 0.2}, Black},
            {"border, bottom right", {31.8, 31.8}, Black},
            {"background, upper left", {4.0, 4.0}, Cyan},
            {"background, lower right", {26.0, 26.0}, Cyan},
            {"arrow's upper end, top right", {25.5, 4.8}, Red},
            {"step to the right", {21.5, 14.5}, Red},
            {"arrow's point, bottom left", {6.8, 26.2}, Red},
            {"inside the head", {9.5, 24.0}, Red},
            {"gap beside the upper barb", {11.0, 19.6}, Cyan},
            {"right of the lower stroke", {22.0, 20.0}, Cyan},
        };
        for (const int size : {32, 48, 64, 128, 256}) {
            for (const auto& landmark : landmarks) {
                QTest::addRow("%d px, %s", size, landmark.name)
                    << size << landmark.point << landmark.colour;
            }
        }
    }
    void designLandmarks() {
        QFETCH(int, size);
        QFETCH(QPointF, point);
        QFETCH(QColor, colour);
        QCOMPARE(ColourAt(CommittedIcon(size), point), colour);
    }
};

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
