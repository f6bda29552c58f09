#pragma once
// A JPEG picture: the stream as stored, its header facts read at load, and the
// image decoded once, at the first time it is needed.

#include <QByteArray>
#include <QImage>

namespace tarsilo {

class JpegPicture {
public:
    // What the screen can show: a palette of at most 256 colours, or true colour.
    enum class Display { Palette, TrueColour };

    // An empty picture.
    JpegPicture() = default;
    // Keeps the stream and reads only its header; a zero-byte stream is an
    // empty picture. A decoder failure raises EJPEG. A picture drawn for a
    // screen of `devicePixelRatio` device pixels per pixel covers its width
    // and height divided by that ratio.
    explicit JpegPicture(QByteArray stream, qreal devicePixelRatio = 1);

    bool IsEmpty() const { return stream_.isEmpty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsGrayscale() const { return grayscale_; }
    qreal DevicePixelRatio() const { return devicePixelRatio_; }
    const QByteArray& Stream() const { return stream_; }

    // Decodes the stream on the first call only. A decoder failure raises
    // EJPEG on that call; the picture keeps what was decoded before it.
    void Decode(Display display);
    // The decoded image so far: null before decoding and for an empty picture.
    const QImage& Image() const { return image_; }
    // How many times the stream has been decoded: never more than once.
    int DecodeCount() const { return decodeCount_; }

private:
    QByteArray stream_;
    int width_ = 0;
    int height_ = 0;
    bool grayscale_ = false;
    qreal devicePixelRatio_ = 1;
    QImage image_;
    int decodeCount_ = 0;
};

} // namespace tarsilo
