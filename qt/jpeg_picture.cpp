#include "qt/jpeg_picture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include <jerror.h>

#include <QList>

#include "common/jpeg_decoder.h"
#include "common/jpeg_error.h"

namespace tarsilo {

namespace {

const unsigned char* Bytes(const QByteArray& stream) {
    return reinterpret_cast<const unsigned char*>(stream.constData());
}

// The decoded rows as a QImage: 8-bit indexed with the decoder's palette, or
// 24-bit colour. Null when nothing was decoded, or when Qt cannot hold it.
QImage ToImage(const DecodedJpeg& decoded) {
    if (decoded.width <= 0 || decoded.height <= 0)
        return {};
    const bool indexed = decoded.bytesPerPixel == 1;
    QImage image(decoded.width, decoded.height,
                 indexed ? QImage::Format_Indexed8 : QImage::Format_RGB888);
    if (image.isNull())
        return image;
    if (indexed) {
        QList<QRgb> palette;
        palette.reserve(static_cast<qsizetype>(decoded.palette.size()));
        for (const std::uint32_t entry : decoded.palette)
            palette.append(qRgb(entry >> 16 & 0xFF, entry >> 8 & 0xFF, entry & 0xFF));
        image.setColorTable(palette);
    }
    const auto rowBytes =
        static_cast<std::size_t>(std::min<qsizetype>(decoded.stride, image.bytesPerLine()));
    for (int y = 0; y < decoded.height; ++y)
        std::memcpy(image.scanLine(y),
                    decoded.pixels.data() + static_cast<std::size_t>(y) * decoded.stride, rowBytes);
    return image;
}

} // namespace

JpegPicture::JpegPicture(QByteArray stream, qreal devicePixelRatio)
    : stream_(std::move(stream)), devicePixelRatio_(devicePixelRatio) {
    if (IsEmpty())
        return;
    JpegHeader header;
    if (const int code =
            ReadJpegHeader(Bytes(stream_), static_cast<std::size_t>(stream_.size()), header))
        throw EJPEG(code);
    width_ = header.width;
    height_ = header.height;
    grayscale_ = header.grayscale;
}

void JpegPicture::Decode(Display display) {
    if (IsEmpty() || decodeCount_ > 0)
        return;
    ++decodeCount_;
    DecodedJpeg decoded;
    int code = DecodeJpeg(Bytes(stream_), static_cast<std::size_t>(stream_.size()),
                          display == Display::Palette, decoded);
    // What was decoded before a failure stays to be drawn.
    image_ = ToImage(decoded);
    if (image_.isNull() && decoded.width > 0 && code == 0)
        code = JERR_OUT_OF_MEMORY;
    image_.setDevicePixelRatio(devicePixelRatio_);
    if (code)
        throw EJPEG(code);
}

} // namespace tarsilo
