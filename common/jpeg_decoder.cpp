#include "common/jpeg_decoder.h"

#include <climits>
#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

#include <jerror.h>

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

// The decoder reads at most ULONG_MAX bytes (4 GiB on Windows); a longer
// stream is read as far as that, which no picture reaches.
unsigned long SourceSize(std::size_t size) {
    return size > ULONG_MAX ? ULONG_MAX : static_cast<unsigned long>(size);
}

// The two decoder runs below keep no object with a destructor alive across
// the libjpeg calls that may jump back to their setjmp; the image's storage
// is made inside a helper that returns before the next such call.

// Undecoded rows stay at zero, so a failed decoding leaves a defined image.
bool AllocateImage(DecodedJpeg& image, const jpeg_decompress_struct& decoder) noexcept {
    const bool quantised = decoder.quantize_colors;
    const int width = static_cast<int>(decoder.output_width);
    const int height = static_cast<int>(decoder.output_height);
    const int bytesPerPixel = quantised ? 1 : 3;
    // Rows padded to four bytes, as both front ends' images store them.
    const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) / 4 * 4;
    try {
        image.pixels.assign(stride * static_cast<std::size_t>(height), 0);
        image.palette.clear();
        if (quantised) {
            const bool grey = decoder.out_color_components == 1;
            for (int i = 0; i < decoder.actual_number_of_colors; ++i) {
                const std::uint32_t red = decoder.colormap[0][i];
                const std::uint32_t green = grey ? red : decoder.colormap[1][i];
                const std::uint32_t blue = grey ? red : decoder.colormap[2][i];
                image.palette.push_back(red << 16 | green << 8 | blue);
            }
        }
    } catch (const std::bad_alloc&) {
        image = DecodedJpeg{};
        return false;
    }
    image.width = width;
    image.height = height;
    image.bytesPerPixel = bytesPerPixel;
    image.stride = static_cast<int>(stride);
    return true;
}

} // namespace

int ReadJpegHeader(const unsigned char* data, std::size_t size, JpegHeader& header) {
    DecoderErrors errors;
    jpeg_decompress_struct decoder{};
    InstallErrors(errors, decoder);
    if (setjmp(errors.exit)) {
        jpeg_destroy_decompress(&decoder);
        return errors.manager.msg_code;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, data, SourceSize(size));
    jpeg_read_header(&decoder, TRUE);
    header.width = static_cast<int>(decoder.image_width);
    header.height = static_cast<int>(decoder.image_height);
    header.grayscale = decoder.jpeg_color_space == JCS_GRAYSCALE;
    jpeg_destroy_decompress(&decoder);
    return 0;
}

int DecodeJpeg(const unsigned char* data, std::size_t size, bool paletteDisplay,
               DecodedJpeg& image) {
    image = DecodedJpeg{};
    DecoderErrors errors;
    jpeg_decompress_struct decoder{};
    InstallErrors(errors, decoder);
    if (setjmp(errors.exit)) {
        jpeg_destroy_decompress(&decoder);
        return errors.manager.msg_code;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, data, SourceSize(size));
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
        JSAMPROW row =
            image.pixels.data() + static_cast<std::size_t>(decoder.output_scanline) * image.stride;
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return 0;
}

} // namespace tarsilo
