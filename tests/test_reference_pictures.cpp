// The committed pictures of the reference window: their JFIF streams byte by byte, and what a
// decoder makes of them.

#include <QFile>
#include <QList>
#include <QRect>
#include <QTest>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

constexpr quint8 kStartOfImage = 0xD8;
constexpr quint8 kEndOfImage = 0xD9;
constexpr quint8 kApp0 = 0xE0;
constexpr quint8 kBaselineFrame = 0xC0;
constexpr quint8 kHuffmanTable = 0xC4;
constexpr quint8 kArithmeticConditioning = 0xCC;
constexpr quint8 kStartOfScan = 0xDA;

// Grey levels: a drawn line decodes darker than kDark, paper lighter than kLight.
constexpr int kDark = 96;
constexpr int kLight = 200;

// Every start-of-frame marker other than baseline: extended, progressive, lossless, arithmetic.
bool isOtherFrameMarker(quint8 marker) {
    return marker >= 0xC1 && marker <= 0xCF && marker != kHuffmanTable && marker != 0xC8 &&
           marker != kArithmeticConditioning;
}

struct Segment {
    quint8 marker;
    QByteArray payload;
};

// The marker segments of a stream and how its entropy-coded scans end.
struct StreamLayout {
    QList<Segment> segments;
    int scans = 0;
    bool endsWithEndOfImage = false;
    QString fault;
};

int bigEndian16(const QByteArray& bytes, qsizetype at) {
    return (quint8(bytes[at]) << 8) | quint8(bytes[at + 1]);
}

// Skips entropy-coded data from pos; returns the position of the next marker or -1.
qsizetype skipScanData(const QByteArray& stream, qsizetype pos) {
    while (pos + 1 < stream.size()) {
        if (quint8(stream[pos]) != 0xFF) {
            ++pos;
            continue;
        }
        const quint8 next = quint8(stream[pos + 1]);
        const bool stuffedOrRestart = next == 0x00 || (next >= 0xD0 && next <= 0xD7);
        if (!stuffedOrRestart && next != 0xFF)
            return pos;
        pos += stuffedOrRestart ? 2 : 1;
    }
    return -1;
}

StreamLayout readLayout(const QByteArray& stream) {
    StreamLayout layout;
    qsizetype pos = 2; // after the start-of-image marker
    while (true) {
        if (pos + 1 >= stream.size() || quint8(stream[pos]) != 0xFF) {
            layout.fault = QStringLiteral("no marker at offset %1").arg(pos);
            return layout;
        }
        while (pos + 1 < stream.size() && quint8(stream[pos + 1]) == 0xFF)
            ++pos; // fill bytes
        const quint8 marker = quint8(stream[pos + 1]);
        if (marker == kEndOfImage) {
            layout.endsWithEndOfImage = pos + 2 == stream.size();
            return layout;
        }
        if (pos + 4 > stream.size()) {
            layout.fault = QStringLiteral("segment header cut off at offset %1").arg(pos);
            return layout;
        }
        const int length = bigEndian16(stream, pos + 2);
        if (length < 2 || pos + 2 + length > stream.size()) {
            layout.fault = QStringLiteral("segment length %1 at offset %2").arg(length).arg(pos);
            return layout;
        }
        layout.segments.append({marker, stream.mid(pos + 4, length - 2)});
        pos += 2 + length;
        if (marker == kStartOfScan) {
            ++layout.scans;
            pos = skipScanData(stream, pos);
            if (pos < 0) {
                layout.fault = QStringLiteral("scan data runs to the end of the stream");
                return layout;
            }
        }
    }
}

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void escapeOnError(j_common_ptr cinfo) {
    auto* trap = reinterpret_cast<ErrorTrap*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, trap->message);
    std::longjmp(trap->escape, 1);
}

struct DecodedImage {
    int width = 0;
    int height = 0;
    J_COLOR_SPACE colorSpace = JCS_UNKNOWN;
    int components = 0;
    QByteArray pixels; // one byte per pixel, row after row
    QString fault;

    int at(int x, int y) const { return quint8(pixels[qsizetype(y) * width + x]); }
};

// Kept free of objects with destructors: the decoder leaves it by longjmp on an error.
bool decompress(const QByteArray& stream, DecodedImage* image, ErrorTrap* trap) {
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&trap->manager);
    trap->manager.error_exit = escapeOnError;
    if (setjmp(trap->escape)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(stream.constData()),
                 static_cast<unsigned long>(stream.size()));
    jpeg_read_header(&cinfo, TRUE);
    image->colorSpace = cinfo.jpeg_color_space;
    image->components = cinfo.num_components;
    cinfo.out_color_space = JCS_GRAYSCALE;
    jpeg_start_decompress(&cinfo);
    image->width = static_cast<int>(cinfo.output_width);
    image->height = static_cast<int>(cinfo.output_height);
    image->pixels.resize(qsizetype(image->width) * image->height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(image->pixels.data()) +
                       qsizetype(cinfo.output_scanline) * image->width;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

DecodedImage decode(const QByteArray& stream) {
    DecodedImage image;
    ErrorTrap trap{};
    if (!decompress(stream, &image, &trap))
        image.fault = QString::fromLocal8Bit(trap.message);
    return image;
}

QByteArray readPicture(const QString& name) {
    QFile file(QStringLiteral(TARSILO_PICTURES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestReferencePictures : public QObject {
    Q_OBJECT

private:
    static void pictureRows();

private slots:
    void startsWithJfifSegment_data() { pictureRows(); }
    void startsWithJfifSegment();
    void isBaselineHuffmanGrayscale_data() { pictureRows(); }
    void isBaselineHuffmanGrayscale();
    void decodesToFramedGrayscale_data() { pictureRows(); }
    void decodesToFramedGrayscale();
};

// The frame runs through both corners; table rules run from one side of the frame to the other.
// Each picture comes at its own size, 72 dpi, and as name@2x at twice the pixel size, 144 dpi,
// where every line is two pixels wide.
void TestReferencePictures::pictureRows() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QList<int>>("columnRules");
    QTest::addColumn<QList<int>>("rowRules");

    struct Picture {
        const char* row;
        const char* name;
        QSize size;
        QRect frame;
        QList<int> columnRules;
        QList<int> rowRules;
    };
    const Picture pictures[] = {
        {"notation", "values", QSize(353, 236), QRect(QPoint(2, 3), QPoint(349, 233)), {}, {}},
        {"ball formulas", "ball", QSize(285, 138), QRect(QPoint(2, 2), QPoint(281, 135)), {}, {}},
        {"cylinder formulas",
         "cylinder",
         QSize(284, 139),
         QRect(QPoint(2, 2), QPoint(281, 135)),
         {},
         {}},
        {"drag coefficient table",
         "drag",
         QSize(354, 180),
         QRect(QPoint(3, 3), QPoint(350, 176)),
         {292},
         {33, 63, 80, 97, 115, 132}},
    };
    const auto doubled = [](const QList<int>& lines) {
        QList<int> result;
        for (const int line : lines)
            result << 2 * line << 2 * line + 1;
        return result;
    };
    for (const Picture& p : pictures) {
        QTest::newRow(p.row) << QStringLiteral("%1.jpg").arg(QLatin1String(p.name)) << 72 << p.size
                             << p.frame << p.columnRules << p.rowRules;
        QTest::addRow("%s at 2x", p.row)
            << QStringLiteral("%1@2x.jpg").arg(QLatin1String(p.name)) << 144 << p.size * 2
            << QRect(p.frame.topLeft() * 2, p.frame.bottomRight() * 2 + QPoint(1, 1))
            << doubled(p.columnRules) << doubled(p.rowRules);
    }
}

void TestReferencePictures::startsWithJfifSegment() {
    QFETCH(QString, file);
    QFETCH(int, dpi);
    const QByteArray stream = readPicture(file);
    QVERIFY2(stream.size() > 20, qPrintable(file + " is missing or truncated"));

    QCOMPARE(quint8(stream[0]), quint8(0xFF));
    QCOMPARE(quint8(stream[1]), kStartOfImage);
    QCOMPARE(quint8(stream[2]), quint8(0xFF));
    QCOMPARE(quint8(stream[3]), kApp0);
    QVERIFY(bigEndian16(stream, 4) >= 16);
    QCOMPARE(stream.mid(6, 5), QByteArray("JFIF\0", 5));
    QCOMPARE(quint8(stream[11]), quint8(1)); // version 1.02
    QCOMPARE(quint8(stream[12]), quint8(2));
    QCOMPARE(quint8(stream[13]), quint8(1)); // dots per inch
    QCOMPARE(bigEndian16(stream, 14), dpi);
    QCOMPARE(bigEndian16(stream, 16), dpi);
}

void TestReferencePictures::isBaselineHuffmanGrayscale() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QByteArray stream = readPicture(file);
    QVERIFY2(!stream.isEmpty(), qPrintable(file + " is missing"));

    const StreamLayout layout = readLayout(stream);
    QVERIFY2(layout.fault.isEmpty(), qPrintable(layout.fault));
    QVERIFY2(layout.endsWithEndOfImage, "the stream does not end with FF D9");
    QCOMPARE(layout.scans, 1);

    int frames = 0;
    bool huffmanTables = false;
    for (const Segment& segment : layout.segments) {
        QVERIFY2(!isOtherFrameMarker(segment.marker),
                 qPrintable(QStringLiteral("frame marker FF %1 is not baseline")
                                .arg(segment.marker, 2, 16, QLatin1Char('0'))));
        QVERIFY2(segment.marker != kArithmeticConditioning, "arithmetic coding conditioning");
        huffmanTables = huffmanTables || segment.marker == kHuffmanTable;
        if (segment.marker != kBaselineFrame)
            continue;
        ++frames;
        QVERIFY(segment.payload.size() >= 6);
        QCOMPARE(quint8(segment.payload[0]), quint8(8)); // sample precision
        QCOMPARE(bigEndian16(segment.payload, 1), size.height());
        QCOMPARE(bigEndian16(segment.payload, 3), size.width());
        QCOMPARE(quint8(segment.payload[5]), quint8(1)); // components
    }
    QCOMPARE(frames, 1);
    QVERIFY2(huffmanTables, "no Huffman table segment");
}

void TestReferencePictures::decodesToFramedGrayscale() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(QRect, frame);
    QFETCH(QList<int>, columnRules);
    QFETCH(QList<int>, rowRules);
    const DecodedImage image = decode(readPicture(file));
    QVERIFY2(image.fault.isEmpty(), qPrintable(image.fault));
    QCOMPARE(image.colorSpace, JCS_GRAYSCALE);
    QCOMPARE(image.components, 1);
    QCOMPARE(QSize(image.width, image.height), size);

    const auto expectDark = [&](int x, int y) {
        if (image.at(x, y) >= kDark)
            return QStringLiteral("(%1, %2) is %3, not a line").arg(x).arg(y).arg(image.at(x, y));
        return QString();
    };
    QString fault;
    for (int x = frame.left(); x <= frame.right() && fault.isEmpty(); ++x) {
        fault = expectDark(x, frame.top());
        if (fault.isEmpty())
            fault = expectDark(x, frame.bottom());
        for (int y : rowRules)
            if (fault.isEmpty())
                fault = expectDark(x, y);
    }
    for (int y = frame.top(); y <= frame.bottom() && fault.isEmpty(); ++y) {
        fault = expectDark(frame.left(), y);
        if (fault.isEmpty())
            fault = expectDark(frame.right(), y);
        for (int x : columnRules)
            if (fault.isEmpty())
                fault = expectDark(x, y);
    }
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    // The margin outside the frame is paper all round.
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (!frame.contains(x, y) && image.at(x, y) <= kLight)
                QFAIL(qPrintable(QStringLiteral("margin pixel (%1, %2) is %3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(image.at(x, y))));

    // And there is text inside, not just lines.
    int inked = 0;
    const QRect inside = frame.adjusted(1, 1, -1, -1);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (!columnRules.contains(x) && !rowRules.contains(y) && image.at(x, y) < kDark)
                ++inked;
    QVERIFY2(inked > inside.width() * inside.height() / 50,
             qPrintable(QStringLiteral("only %1 dark pixels inside the frame").arg(inked)));
}

QTEST_APPLESS_MAIN(TestReferencePictures)
#include "test_reference_pictures.moc"
