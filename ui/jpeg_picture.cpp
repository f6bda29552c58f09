#include "ui/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include <jerror.h>

#include <QList>

#include "ui/jpeg_error.h"

namespace tarsilo {

namespace {

constexpr int QuantisedColours = 236;

// libjpeg reports a fatal error through error_exit, which must not return: it
// jumps back into the function that runs the decoder.
struct DecoderErrors {
    jpeg_error_mgr manager;
    std::jmp_buf exit;
};

[[noreturn]] void JumpBackToCaller(j_common_ptr decoder) {
    std::longjmp(reinterpret_cast<DecoderErrors*>(decoder->err)->exit, 1);
}

// Warnings and trace messages mean nothing to the user.
void DiscardMessage(j_common_ptr, int) {}
void DiscardOutput(j_common_ptr) {}

void InstallErrors(DecoderErrors& errors, jpeg_decompress_struct& decoder) {
    decoder.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBackToCaller;
    errors.manager.emit_message = DiscardMessage;
    errors.manager.output_message = DiscardOutput;
}

const unsigned char* Bytes(const QByteArray& stream) {
    return reinterpret_cast<const unsigned char*>(stream.constData());
}

struct Header {
    int width = 0;
    int height = 0;
    bool grayscale = false;
};

// The two decoder runs below keep no object with a destructor alive across
// the libjpeg calls that may jump back to their setjmp; anything Qt builds is
// made and dropped inside a helper that returns before the next such call.
// Both return 0, or the decoder's message code after a fatal error.

int ReadHeader(const unsigned char* data, unsigned long size, Header& header) {
    DecoderErrors errors;
    jpeg_decompress_struct decoder{};
    InstallErrors(errors, decoder);
    if (setjmp(errors.exit)) {
        jpeg_destroy_decompress(&decoder);
        return errors.manager.msg_code;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, data, size);
    jpeg_read_header(&decoder, TRUE);
    header.width = static_cast<int>(decoder.image_width);
    header.height = static_cast<int>(decoder.image_height);
    header.grayscale = decoder.jpeg_color_space == JCS_GRAYSCALE;
    jpeg_destroy_decompress(&decoder);
    return 0;
}

// Undecoded rows stay at zero, so a failed decoding leaves a defined image.
bool AllocateImage(QImage& image, const jpeg_decompress_struct& decoder) {
    const auto format = decoder.quantize_colors ? QImage::Format_Indexed8 : QImage::Format_RGB888;
    image = QImage(static_cast<int>(decoder.output_width), static_cast<int>(decoder.output_height),
                   format);
    if (image.isNull())
        return false;
    image.fill(0);
    if (!decoder.quantize_colors)
        return true;
    QList<QRgb> palette(decoder.actual_number_of_colors);
    const bool grey = decoder.out_color_components == 1;
    for (int i = 0; i < decoder.actual_number_of_colors; ++i) {
        const int red = decoder.colormap[0][i];
        palette[i] =
            grey ? qRgb(red, red, red) : qRgb(red, decoder.colormap[1][i], decoder.colormap[2][i]);
    }
    image.setColorTable(palette);
    return true;
}

int DecodeImage(const unsigned char* data, unsigned long size, bool paletteDisplay, QImage& image) {
    DecoderErrors errors;
    jpeg_decompress_struct decoder{};
    InstallErrors(errors, decoder);
    if (setjmp(errors.exit)) {
        jpeg_destroy_decompress(&decoder);
        return errors.manager.msg_code;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, data, size);
    jpeg_read_header(&decoder, TRUE);
    decoder.scale_num = 1;
    decoder.scale_denom = 1;
    decoder.do_block_smoothing = TRUE;
    decoder.dct_method = JDCT_ISLOW;
    const bool grayscale = decoder.jpeg_color_space == JCS_GRAYSCALE;
    // Colour always comes out as three components, so that a four-component
    // (CMYK) stream fails in the decoder instead of overrunning the rows.
    if (!grayscale)
        decoder.out_color_space = JCS_RGB;
    if (paletteDisplay || grayscale) {
        decoder.quantize_colors = TRUE;
        decoder.desired_number_of_colors = QuantisedColours;
        // 236 evenly spaced greys are close enough to 256 that dithering only
        // adds noise to the text (and most of the decoding time).
        if (grayscale)
            decoder.dither_mode = JDITHER_NONE;
    }
    jpeg_start_decompress(&decoder);
    if (!AllocateImage(image, decoder))
        ERREXIT(&decoder, JERR_OUT_OF_MEMORY);
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(decoder.output_scanline));
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return 0;
}

} // namespace

JpegPicture::JpegPicture(QByteArray stream, qreal devicePixelRatio)
    : stream_(std::move(stream)), devicePixelRatio_(devicePixelRatio) {
    if (IsEmpty())
        return;
    Header header;
    if (const int code =
            ReadHeader(Bytes(stream_), static_cast<unsigned long>(stream_.size()), header))
        throw EJPEG(code);
    width_ = header.width;
    height_ = header.height;
    grayscale_ = header.grayscale;
}

void JpegPicture::Decode(Display display) {
    if (IsEmpty() || decodeCount_ > 0)
        return;
    ++decodeCount_;
    const int code = DecodeImage(Bytes(stream_), static_cast<unsigned long>(stream_.size()),
                                 display == Display::Palette, image_);
    image_.setDevicePixelRatio(devicePixelRatio_);
    if (code)
        throw EJPEG(code);
}

} // namespace tarsilo
