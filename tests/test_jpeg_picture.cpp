// The JPEG picture: header at load, one decoding, the decoded formats, fatal
// decoder errors; and the picture control that draws it.

// jerror.h numbers its messages by the library's configuration in jpeglib.h.
#include <cstdio>

#include <jpeglib.h>

#include <jerror.h>

#include <QPainter>
#include <QTest>

#include "jpeg_test_streams.h"
#include "qt/jpeg_error.h"
#include "qt/jpeg_picture.h"
#include "qt/picture_box.h"

using tarsilo::EJPEG;
using tarsilo::JpegPicture;
using tarsilo::PictureBox;
using namespace tarsilo::testing;

Q_DECLARE_METATYPE(Colour)
Q_DECLARE_METATYPE(JpegPicture::Display)

namespace {

bool IsDark(const QColor& colour) {
    return colour.lightness() < 60;
}
bool IsWhite(const QColor& colour) {
    return colour.lightness() > 200;
}

bool IsGreyPalette(const QImage& image) {
    for (const QRgb entry : image.colorTable())
        if (qRed(entry) != qGreen(entry) || qGreen(entry) != qBlue(entry))
            return false;
    return true;
}

// The message the picture raises, or an empty text when it raises nothing.
QString DecodeError(JpegPicture& picture,
                    JpegPicture::Display display = JpegPicture::Display::TrueColour) {
    try {
        picture.Decode(display);
    } catch (const EJPEG& error) {
        return QString::fromStdString(error.Message());
    }
    return {};
}

QString Expected(int messageCode) {
    return QStringLiteral("JPEG error #%1").arg(messageCode);
}

} // namespace

class TestJpegPicture : public QObject {
    Q_OBJECT
private slots:
    void readsOnlyTheHeaderAtLoad_data();
    void readsOnlyTheHeaderAtLoad();
    void decodesOnceIntoTheScreensFormat_data();
    void decodesOnceIntoTheScreensFormat();
    void emptyStreamIsAnEmptyPicture();
    void fatalHeaderErrorAbortsTheLoad_data();
    void fatalHeaderErrorAbortsTheLoad();
    void fatalDecodingErrorIsRaisedOnce_data();
    void fatalDecodingErrorIsRaisedOnce();
    void boxDrawsAtOwnSizeFromTopLeftCutAtItsEdges_data();
    void boxDrawsAtOwnSizeFromTopLeftCutAtItsEdges();
};

void TestJpegPicture::readsOnlyTheHeaderAtLoad_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Colour>("colour");
    QTest::newRow("grey, odd width") << QSize(285, 138) << Colour::Grey;
    QTest::newRow("grey, one pixel") << QSize(1, 1) << Colour::Grey;
    QTest::newRow("colour") << QSize(354, 180) << Colour::Rgb;
}

void TestJpegPicture::readsOnlyTheHeaderAtLoad() {
    QFETCH(QSize, size);
    QFETCH(Colour, colour);
    const JpegPicture picture(CompressJpeg(TestPattern(size, colour)));
    QCOMPARE(picture.Width(), size.width());
    QCOMPARE(picture.Height(), size.height());
    QCOMPARE(picture.IsGrayscale(), colour == Colour::Grey);
    QCOMPARE(picture.DecodeCount(), 0);
    QVERIFY(picture.Image().isNull());
}

void TestJpegPicture::decodesOnceIntoTheScreensFormat_data() {
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<JpegPicture::Display>("display");
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<qreal>("devicePixelRatio");
    using D = JpegPicture::Display;
    QTest::newRow("grey on true colour")
        << Colour::Grey << D::TrueColour << QImage::Format_Indexed8 << 1.0;
    QTest::newRow("grey on a palette")
        << Colour::Grey << D::Palette << QImage::Format_Indexed8 << 1.0;
    QTest::newRow("colour on true colour")
        << Colour::Rgb << D::TrueColour << QImage::Format_RGB888 << 1.0;
    QTest::newRow("colour on a palette")
        << Colour::Rgb << D::Palette << QImage::Format_Indexed8 << 1.0;
    QTest::newRow("grey at twice the pixel size for a dense screen")
        << Colour::Grey << D::TrueColour << QImage::Format_Indexed8 << 2.0;
}

void TestJpegPicture::decodesOnceIntoTheScreensFormat() {
    QFETCH(Colour, colour);
    QFETCH(JpegPicture::Display, display);
    QFETCH(QImage::Format, format);
    QFETCH(qreal, devicePixelRatio);
    // An odd width pads every row of the decoded image: a decoder that
    // ignored the padding would slant the bar.
    const QSize size(285, 139);
    JpegPicture picture(CompressJpeg(TestPattern(size, colour)), devicePixelRatio);

    for (int paint = 0; paint < 3; ++paint)
        picture.Decode(display);
    QCOMPARE(picture.DecodeCount(), 1);

    const QImage& image = picture.Image();
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), format);
    // The decoded image itself draws at the picture's ratio.
    QCOMPARE(image.devicePixelRatio(), devicePixelRatio);
    if (format == QImage::Format_Indexed8) {
        QVERIFY(image.colorCount() > 1);
        QVERIFY(image.colorCount() <= 236);
        QCOMPARE(IsGreyPalette(image), colour == Colour::Grey);
    }
    const QColor block = image.pixelColor(BlockPoint(size));
    const QColor bar = image.pixelColor(BarBottomPoint(size));
    if (colour == Colour::Grey) {
        QVERIFY2(IsDark(block), qPrintable(block.name()));
        QVERIFY2(IsDark(bar), qPrintable(bar.name()));
    } else {
        QVERIFY2(block.red() > 180 && block.green() < 80 && block.blue() < 80,
                 qPrintable(block.name()));
        QVERIFY2(bar.blue() > 180 && bar.red() < 80 && bar.green() < 80, qPrintable(bar.name()));
    }
    for (const QPoint& point : WhitePoints(size))
        QVERIFY2(IsWhite(image.pixelColor(point)), qPrintable(image.pixelColor(point).name()));
}

void TestJpegPicture::emptyStreamIsAnEmptyPicture() {
    JpegPicture picture{QByteArray()};
    QVERIFY(picture.IsEmpty());
    QCOMPARE(picture.Width(), 0);
    QCOMPARE(DecodeError(picture), QString());
    QCOMPARE(picture.DecodeCount(), 0);
    QVERIFY(picture.Image().isNull());
}

void TestJpegPicture::fatalHeaderErrorAbortsTheLoad_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("messageCode");
    const QByteArray valid = CompressJpeg(TestPattern(QSize(64, 48), Colour::Grey));
    QTest::newRow("not a JPEG stream")
        << QByteArray("GIF89a, not a JPEG stream") << int(JERR_NO_SOI);
    QTest::newRow("tables and frame but no scan") << CutBeforeScan(valid) << int(JERR_SOF_NO_SOS);
    QTest::newRow("start of image only") << valid.left(2) << int(JERR_NO_IMAGE);
}

void TestJpegPicture::fatalHeaderErrorAbortsTheLoad() {
    QFETCH(QByteArray, stream);
    QFETCH(int, messageCode);
    try {
        JpegPicture picture(stream);
        QFAIL("the header was accepted");
    } catch (const EJPEG& error) {
        QCOMPARE(QString::fromStdString(error.Message()), Expected(messageCode));
        QCOMPARE(error.ClassName(), "EJPEG");
    }
}

void TestJpegPicture::fatalDecodingErrorIsRaisedOnce_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("messageCode");
    QTest::addColumn<JpegPicture::Display>("display");
    QTest::addColumn<bool>("wholeImageDecoded");
    using D = JpegPicture::Display;
    const QByteArray valid = CompressJpeg(TestPattern(QSize(96, 64), Colour::Grey));
    const QByteArray cmyk = CompressCmykJpeg(QSize(40, 24));
    QTest::newRow("impossible Huffman table, nothing decoded")
        << WithImpossibleHuffmanTable(valid) << int(JERR_BAD_HUFF_TABLE) << D::TrueColour << false;
    QTest::newRow("CMYK has no RGB form")
        << cmyk << int(JERR_CONVERSION_NOTIMPL) << D::TrueColour << false;
    QTest::newRow("CMYK has no RGB form, on a palette")
        << cmyk << int(JERR_CONVERSION_NOTIMPL) << D::Palette << false;
    QTest::newRow("second scan after the image, all decoded")
        << WithSecondScan(valid) << int(JERR_EOI_EXPECTED) << D::TrueColour << true;
}

void TestJpegPicture::fatalDecodingErrorIsRaisedOnce() {
    QFETCH(QByteArray, stream);
    QFETCH(int, messageCode);
    QFETCH(JpegPicture::Display, display);
    QFETCH(bool, wholeImageDecoded);
    JpegPicture picture(stream);
    QCOMPARE(picture.DecodeCount(), 0);

    QCOMPARE(DecodeError(picture, display), Expected(messageCode));
    QCOMPARE(DecodeError(picture, display), QString());
    QCOMPARE(picture.DecodeCount(), 1);

    // What was decoded before the failure stays to be drawn.
    QCOMPARE(picture.Image().isNull(), !wholeImageDecoded);
    if (wholeImageDecoded)
        QVERIFY(IsDark(picture.Image().pixelColor(BarBottomPoint(picture.Image().size()))));
}

void TestJpegPicture::boxDrawsAtOwnSizeFromTopLeftCutAtItsEdges_data() {
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QSize>("boxSize");
    QTest::newRow("image smaller than the box") << QSize(285, 138) << QSize(289, 145);
    QTest::newRow("image one column wider") << QSize(354, 180) << QSize(353, 185);
    QTest::newRow("image larger both ways") << QSize(120, 90) << QSize(100, 70);
}

void TestJpegPicture::boxDrawsAtOwnSizeFromTopLeftCutAtItsEdges() {
    QFETCH(QSize, imageSize);
    QFETCH(QSize, boxSize);
    const QColor surface(Qt::magenta);
    const QPoint boxAt(10, 20);
    QWidget parent;
    parent.setAutoFillBackground(true);
    parent.setPalette(QPalette(surface));
    parent.resize(boxAt.x() + boxSize.width() + 20, boxAt.y() + boxSize.height() + 20);
    auto* box = new PictureBox(&parent);
    box->setGeometry(QRect(boxAt, boxSize));
    // A black outermost ring shows whether the image is cut or shifted.
    QImage source = TestPattern(imageSize, Colour::Grey);
    QPainter(&source).drawRect(0, 0, imageSize.width() - 1, imageSize.height() - 1);
    box->SetPicture(JpegPicture(CompressJpeg(source)));

    const QImage shot = parent.grab().toImage();
    const QImage& image = box->Picture().Image();
    QCOMPARE(image.size(), imageSize);
    const QRect drawn = QRect(boxAt, imageSize).intersected(QRect(boxAt, boxSize));
    for (int y = boxAt.y() - 5; y < boxAt.y() + boxSize.height() + 5; ++y) {
        for (int x = boxAt.x() - 5; x < boxAt.x() + boxSize.width() + 5; ++x) {
            const QColor expected =
                drawn.contains(x, y) ? image.pixelColor(QPoint(x, y) - boxAt) : surface;
            if (shot.pixelColor(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("at %1, %2: %3 instead of %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(shot.pixelColor(x, y).name(), expected.name())));
        }
    }
}

QTEST_MAIN(TestJpegPicture)
#include "test_jpeg_picture.moc"
