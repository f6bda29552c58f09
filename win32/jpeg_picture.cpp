#include "win32/jpeg_picture.h"

namespace tarsilo::win32 {

namespace {

bool decodesToPalette = false;

} // namespace

void FixPictureDecoderDepth(int screenBitsPerPixel) {
    constexpr int PaletteDepth = 8;
    decodesToPalette = screenBitsPerPixel <= PaletteDepth;
}

bool DecodesToPalette() {
    return decodesToPalette;
}

JpegPicture::JpegPicture(std::span<const unsigned char> stream, int devicePixelRatio)
    : stream_(stream), devicePixelRatio_(devicePixelRatio) {
    if (stream_.empty())
        return;
    if (const int code = ReadJpegHeader(stream_.data(), stream_.size(), header_))
        throw EJPEG(code);
}

void JpegPicture::Decode() {
    if (IsEmpty() || decodeCount_ > 0)
        return;
    ++decodeCount_;
    DecodedJpeg decoded;
    const int code = DecodeJpeg(stream_.data(), stream_.size(), DecodesToPalette(), decoded);
    // What was decoded before a failure is drawn all the same.
    image_ = DibPicture::FromDecoded(decoded, devicePixelRatio_);
    if (code != 0)
        throw EJPEG(code);
}

} // namespace tarsilo::win32
