#include "jfif_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace reference_pictures {

namespace {

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

struct Output {
    unsigned char* data = nullptr;
    unsigned long size = 0;
};

// Kept free of objects with destructors: the compressor leaves it by longjmp on an error.
bool compress(const QImage& image, int quality, int dpi, Output* output, ErrorTrap* trap) {
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&trap->manager);
    trap->manager.error_exit = escapeOnError;
    if (setjmp(trap->escape)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &output->data, &output->size);

    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    // Tables fitted to the picture keep it baseline while making the stream smaller.
    cinfo.optimize_coding = TRUE;
    cinfo.arith_code = FALSE;
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 2;
    cinfo.density_unit = 1;
    cinfo.X_density = static_cast<UINT16>(dpi);
    cinfo.Y_density = static_cast<UINT16>(dpi);

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // The compressor only reads the rows it is given.
        JSAMPROW row =
            const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QByteArray encodeJfif(const QImage& grayscale, int quality, int dpi) {
    if (grayscale.format() != QImage::Format_Grayscale8 || grayscale.isNull())
        throw std::invalid_argument("encodeJfif needs a non-empty 8-bit grayscale image");
    ErrorTrap trap{};
    Output output;
    const bool done = compress(grayscale, quality, dpi, &output, &trap);
    QByteArray stream;
    if (done)
        stream = QByteArray(reinterpret_cast<const char*>(output.data),
                            static_cast<qsizetype>(output.size));
    std::free(output.data);
    if (!done)
        throw std::runtime_error(std::string("JPEG compression failed: ") + trap.message);
    return stream;
}

} // namespace reference_pictures
