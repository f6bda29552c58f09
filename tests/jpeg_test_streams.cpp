#include "jpeg_test_streams.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include <QPainter>

namespace tarsilo::testing {

namespace {

QRect Block(QSize size) {
    return QRect(size.width() / 8, size.height() / 8, size.width() / 4, size.height() / 4);
}

constexpr int BarWidth = 16;

QRect Bar(QSize size) {
    return QRect(size.width() / 2, 0, BarWidth, size.height());
}

// The offset of the first marker FF `code`.
qsizetype MarkerOffset(const QByteArray& stream, unsigned char code) {
    const char marker[] = {char(0xFF), char(code)};
    return stream.indexOf(QByteArray(marker, 2));
}

} // namespace

QImage TestPattern(QSize size, Colour colour) {
    QImage image(size, colour == Colour::Grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(Block(size), colour == Colour::Grey ? QColor(Qt::black) : QColor(Qt::red));
    painter.fillRect(Bar(size), colour == Colour::Grey ? QColor(Qt::black) : QColor(Qt::blue));
    return image;
}

QPoint BlockPoint(QSize size) {
    return Block(size).center();
}

QPoint BarBottomPoint(QSize size) {
    return QPoint(Bar(size).center().x(), size.height() - BarWidth / 2);
}

QList<QPoint> WhitePoints(QSize size) {
    const int w = size.width();
    const int h = size.height();
    return {QPoint(w / 4, h - h / 8), QPoint(w - w / 8, h / 4),
            QPoint(w / 2 + BarWidth * 2, h - BarWidth / 2)};
}

QByteArray CompressJpeg(const QImage& source) {
    const bool grey = source.format() == QImage::Format_Grayscale8;
    const QImage image = grey ? source : source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = static_cast<JDIMENSION>(image.width());
    encoder.image_height = static_cast<JDIMENSION>(image.height());
    encoder.input_components = grey ? 1 : 3;
    encoder.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    jpeg_start_compress(&encoder, TRUE);
    while (encoder.next_scanline < encoder.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(encoder.next_scanline)));
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    QByteArray stream(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return stream;
}

QByteArray CompressCmykJpeg(QSize size) {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&encoder, &buffer, &length);
    encoder.image_width = static_cast<JDIMENSION>(size.width());
    encoder.image_height = static_cast<JDIMENSION>(size.height());
    encoder.input_components = 4;
    encoder.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&encoder);
    jpeg_start_compress(&encoder, TRUE);
    QByteArray row(size.width() * 4, '\0');
    while (encoder.next_scanline < encoder.image_height) {
        JSAMPROW samples = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&encoder, &samples, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    QByteArray stream(reinterpret_cast<const char*>(buffer), qsizetype(length));
    std::free(buffer);
    return stream;
}

QByteArray CutBeforeScan(const QByteArray& stream) {
    return stream.left(MarkerOffset(stream, 0xDA));
}

QByteArray WithImpossibleHuffmanTable(QByteArray stream) {
    // After FF C4, the length (2 bytes) and the table class and number (1
    // byte) come the counts of codes of lengths 1, 2, 3 ...
    const qsizetype counts = MarkerOffset(stream, 0xC4) + 5;
    stream[counts] = char(stream[counts] + stream[counts + 2]);
    stream[counts + 2] = 0;
    return stream;
}

QByteArray WithSecondScan(const QByteArray& stream) {
    return stream.chopped(2) + stream.mid(MarkerOffset(stream, 0xDA));
}

} // namespace tarsilo::testing
