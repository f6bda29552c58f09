#pragma once

#include <QByteArray>
#include <QImage>

namespace reference_pictures {

// Encodes an 8-bit grayscale image as a baseline, Huffman-coded JFIF 1.02 stream at `dpi` × `dpi`
// dots per inch. Throws std::runtime_error with the compressor's message if it fails.
QByteArray encodeJfif(const QImage& grayscale, int quality, int dpi);

} // namespace reference_pictures
