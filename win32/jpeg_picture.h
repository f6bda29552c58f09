#pragma once
// A JPEG picture of the reference window: the stream as stored, its header
// read when the window is created, and the image decoded once, when the
// picture is first painted.

#include <span>

#include "common/jpeg_decoder.h"
#include "common/jpeg_error.h"
#include "win32/picture_image.h"

namespace tarsilo::win32 {

// The error a fatal decoder failure raises, the same in both front ends.
using tarsilo::EJPEG;

// Fixed once at start-up: decode into an 8-bit palette image when the screen
// shows 8 bits per pixel or fewer, else into 24-bit colour.
void FixPictureDecoderDepth(int screenBitsPerPixel);
bool DecodesToPalette();

class JpegPicture {
public:
    // An empty picture: nothing to decode or draw.
    JpegPicture() = default;
    // Keeps the stream (which must outlive the picture) and reads only its
    // header; a zero-byte stream is an empty picture. A decoder failure
    // raises EJPEG. `devicePixelRatio` is 2 for a picture of twice the pixel
    // size of its control's design.
    JpegPicture(std::span<const unsigned char> stream, int devicePixelRatio);

    bool IsEmpty() const { return stream_.empty(); }
    const JpegHeader& Header() const { return header_; }

    // Decodes the stream on the first call only. A decoder failure raises
    // EJPEG on that call; the image keeps the rows decoded before it.
    void Decode();
    const DibPicture& Image() const { return image_; }
    // How often the stream has been decoded: never more than once.
    int DecodeCount() const { return decodeCount_; }

private:
    std::span<const unsigned char> stream_;
    JpegHeader header_;
    int devicePixelRatio_ = 1;
    DibPicture image_;
    int decodeCount_ = 0;
};

} // namespace tarsilo::win32
