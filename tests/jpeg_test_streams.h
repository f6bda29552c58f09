#pragma once
// JPEG streams made in memory with libjpeg's compressor, and ways to break them.

#include <QByteArray>
#include <QImage>
#include <QPoint>

namespace tarsilo::testing {

enum class Colour { Grey, Rgb };

// White, with a dark block near the top-left corner and a dark bar down the
// whole height at half the width; in colour the block is red, the bar blue.
QImage TestPattern(QSize size, Colour colour);

// Points of the pattern, far enough from every edge to survive compression.
QPoint BlockPoint(QSize size);
QPoint BarBottomPoint(QSize size);
QList<QPoint> WhitePoints(QSize size);

// A baseline JFIF stream: one component for a Grayscale8 image, three else.
QByteArray CompressJpeg(const QImage& image);

// A white picture stored as four components (CMYK), which has no RGB form.
QByteArray CompressCmykJpeg(QSize size);

// The stream up to its first scan: tables and frame, but no image data.
QByteArray CutBeforeScan(const QByteArray& stream);
// The first Huffman table given more codes of length 1 than exist, keeping
// its symbol count, so that the header reads and the decoding fails.
QByteArray WithImpossibleHuffmanTable(QByteArray stream);
// A second copy of the scan after the first one, where only the end of
// image may stand: the whole image decodes before the decoder fails.
QByteArray WithSecondScan(const QByteArray& stream);

} // namespace tarsilo::testing
