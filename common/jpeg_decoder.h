#pragma once
// The reference pictures' decoder: libjpeg with the options both front ends
// use, without any toolkit. Each front end turns the decoded rows into an
// image of its own (QImage, a DIB section).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarsilo {

struct JpegHeader {
    int width = 0;
    int height = 0;
    bool grayscale = false;
};

// A decoded picture: rows top to bottom, each `stride` bytes (a multiple of
// 4), `bytesPerPixel` 1 (indices into `palette`) or 3 (red, green, blue).
// Rows the decoder did not reach before a fatal error stay zero.
struct DecodedJpeg {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    int stride = 0;
    std::vector<std::uint32_t> palette; // 0xRRGGBB per index
    std::vector<unsigned char> pixels;  // stride * height bytes
};

// Reads only the header (an image is required, not tables alone). Returns 0,
// or the decoder's message code after a fatal error.
int ReadJpegHeader(const unsigned char* data, std::size_t size, JpegHeader& header);

// Decodes the whole stream at full size with block smoothing and the accurate
// integer transform. A grayscale stream, or any stream for a display of 256
// colours or fewer (`paletteDisplay`), comes out quantised to at most 236
// colours with the decoder's colour map as palette; any other as 24-bit
// colour. Returns 0, or the decoder's message code after a fatal error.
int DecodeJpeg(const unsigned char* data, std::size_t size, bool paletteDisplay,
               DecodedJpeg& image);

} // namespace tarsilo
