// The picture leaf of the Win32 front end: decoded rows into a DIB section,
// drawn at their own size from a corner and cut at the control's edges; and
// the decoder itself, fatal errors included, as built for Windows.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

#include <jerror.h>

#include "common/jpeg_decoder.h"
#include "win32/picture_image.h"

using tarsilo::DecodedJpeg;
using tarsilo::win32::DibPicture;

namespace {

constexpr COLORREF Surface = RGB(255, 0, 255);

// A 32-bit top-down bitmap in a memory device context, filled with Surface.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(Surface);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    bool IsValid() const { return bitmap_ && bits_ && dc_; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const auto pixel = static_cast<const std::uint32_t*>(bits_)[y * width_ + x];
        return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_;
    int height_;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

std::string Colour(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// Every pixel differs from its neighbours; rows are padded past an odd width.
DecodedJpeg IndexedPattern(int width, int height) {
    DecodedJpeg image;
    image.width = width;
    image.height = height;
    image.bytesPerPixel = 1;
    image.stride = (width + 3) / 4 * 4;
    image.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x804020, 0x2040C0};
    image.pixels.assign(static_cast<std::size_t>(image.stride) * height, 0xEE);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.pixels[y * image.stride + x] = static_cast<unsigned char>((x + 2 * y) % 7);
    return image;
}

DecodedJpeg ColourPattern(int width, int height) {
    DecodedJpeg image;
    image.width = width;
    image.height = height;
    image.bytesPerPixel = 3;
    image.stride = (3 * width + 3) / 4 * 4;
    image.pixels.assign(static_cast<std::size_t>(image.stride) * height, 0xEE);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* pixel = &image.pixels[y * image.stride + 3 * x];
            pixel[0] = static_cast<unsigned char>(10 + 20 * x); // red
            pixel[1] = static_cast<unsigned char>(30 + 40 * y); // green
            pixel[2] = 200;                                     // blue
        }
    }
    return image;
}

COLORREF PixelOf(const DecodedJpeg& image, int x, int y) {
    const unsigned char* pixel = &image.pixels[y * image.stride + x * image.bytesPerPixel];
    if (image.bytesPerPixel == 3)
        return RGB(pixel[0], pixel[1], pixel[2]);
    const std::uint32_t rgb = image.palette[pixel[0]];
    return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

// A baseline JFIF stream of a grey (one component) or CMYK (four) image:
// white with a black square at the top left of a quarter of each side.
std::vector<unsigned char> Compress(int width, int height, int components) {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = static_cast<JDIMENSION>(width);
    encoder.image_height = static_cast<JDIMENSION>(height);
    encoder.input_components = components;
    encoder.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_CMYK;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    jpeg_start_compress(&encoder, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * components);
    while (encoder.next_scanline < encoder.image_height) {
        const int y = static_cast<int>(encoder.next_scanline);
        for (int x = 0; x < width; ++x) {
            const bool ink = x < width / 4 && y < height / 4;
            for (int c = 0; c < components; ++c)
                row[x * components + c] = ink && components == 1 ? 0 : 255;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&encoder, rows, 1);
    }
    jpeg_finish_compress(&encoder);
    std::vector<unsigned char> stream(buffer, buffer + size);
    jpeg_destroy_compress(&encoder);
    std::free(buffer);
    return stream;
}

struct DrawCase {
    const char* name;
    int x, y;  // where the picture's corner goes
    RECT clip; // the picture control
};

// Inside the control and the picture: the picture's pixel; elsewhere the surface.
void CheckDrawn(const Canvas& canvas, const DecodedJpeg& image, const DrawCase& c) {
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const POINT point{x, y};
            const RECT picture{c.x, c.y, c.x + image.width, c.y + image.height};
            const bool drawn = PtInRect(&c.clip, point) && PtInRect(&picture, point);
            const COLORREF expected = drawn ? PixelOf(image, x - c.x, y - c.y) : Surface;
            if (canvas.At(x, y) != expected) {
                FAIL_CHECK(std::string(c.name), " at ", x, ", ", y, ": ", Colour(canvas.At(x, y)),
                           " instead of ", Colour(expected));
                return;
            }
        }
    }
}

const DrawCase DrawCases[] = {
    {"control larger than the picture: the surface shows", 3, 2, {3, 2, 16, 12}},
    {"control one column narrower: the last column is cut", 3, 2, {3, 2, 3 + 8, 2 + 5}},
    {"control smaller both ways", 3, 2, {3, 2, 8, 5}},
    {"picture from the canvas corner", 0, 0, {0, 0, 9, 5}},
    {"control not reached by the picture", 3, 2, {14, 10, 18, 14}},
};

} // namespace

TEST_CASE("a picture is drawn at its own size from the corner, cut at the control's edges") {
    const DecodedJpeg images[] = {IndexedPattern(9, 5), ColourPattern(9, 5)};
    for (const DecodedJpeg& image : images) {
        const DibPicture picture = DibPicture::FromDecoded(image);
        REQUIRE_FALSE(picture.IsEmpty());
        CHECK(picture.Width() == image.width);
        CHECK(picture.Height() == image.height);
        for (const DrawCase& c : DrawCases) {
            CAPTURE(image.bytesPerPixel);
            Canvas canvas(20, 14);
            REQUIRE(canvas.IsValid());
            picture.Draw(canvas.Dc(), c.x, c.y, c.clip);
            CheckDrawn(canvas, image, c);
        }
    }
}

TEST_CASE("the set of twice the pixel size covers the design size times the device's ratio") {
    struct Row {
        const char* name;
        int pictureRatio;
        double deviceRatio;
        int coveredWidth, coveredHeight;
    };
    const Row rows[] = {
        {"ordinary set on an ordinary screen", 1, 1.0, 8, 6},
        {"doubled set on a doubled screen: pixel for pixel", 2, 2.0, 8, 6},
        {"doubled set on an ordinary screen: half", 2, 1.0, 4, 3},
        {"doubled set at one and a half", 2, 1.5, 6, 5},
    };
    const DecodedJpeg image = ColourPattern(8, 6);
    for (const Row& row : rows) {
        CAPTURE(row.name);
        const DibPicture picture = DibPicture::FromDecoded(image, row.pictureRatio);
        CHECK(picture.DevicePixelRatio() == row.pictureRatio);
        Canvas canvas(12, 10);
        REQUIRE(canvas.IsValid());
        picture.Draw(canvas.Dc(), 1, 1, RECT{0, 0, 12, 10}, row.deviceRatio);
        for (int y = 0; y < canvas.Height(); ++y) {
            for (int x = 0; x < canvas.Width(); ++x) {
                const bool covered =
                    x >= 1 && y >= 1 && x < 1 + row.coveredWidth && y < 1 + row.coveredHeight;
                CAPTURE(x);
                CAPTURE(y);
                CHECK((canvas.At(x, y) != Surface) == covered);
            }
        }
        if (row.pictureRatio == row.deviceRatio)
            CHECK(canvas.At(1 + 7, 1 + 5) == PixelOf(image, 7, 5));
    }
}

TEST_CASE("nothing to draw: an empty or malformed decoded image gives an empty picture") {
    DecodedJpeg shortRows = IndexedPattern(9, 5);
    shortRows.stride = 4;
    DecodedJpeg missingRows = ColourPattern(9, 5);
    missingRows.pixels.resize(missingRows.pixels.size() - 1);
    DecodedJpeg oddDepth = IndexedPattern(9, 5);
    oddDepth.bytesPerPixel = 2;
    for (const DecodedJpeg& image : {DecodedJpeg{}, shortRows, missingRows, oddDepth}) {
        const DibPicture picture = DibPicture::FromDecoded(image);
        CHECK(picture.IsEmpty());
        Canvas canvas(4, 4);
        picture.Draw(canvas.Dc(), 0, 0, RECT{0, 0, 4, 4});
        CHECK(canvas.At(0, 0) == Surface);
    }
}

TEST_CASE("a moved picture keeps its bitmap, the one moved from is empty") {
    DibPicture first = DibPicture::FromDecoded(IndexedPattern(3, 3));
    const HBITMAP bitmap = first.Bitmap();
    DibPicture second = std::move(first);
    CHECK(first.IsEmpty());
    CHECK(second.Bitmap() == bitmap);
    DibPicture third = DibPicture::FromDecoded(ColourPattern(2, 2));
    third = std::move(second);
    CHECK(third.Bitmap() == bitmap);
    CHECK(third.Width() == 3);
}

TEST_CASE("the decoder built for Windows: pictures, and fatal errors reported by their code") {
    SUBCASE("a grey picture decodes to its palette and draws") {
        const std::vector<unsigned char> stream = Compress(33, 20, 1);
        tarsilo::JpegHeader header;
        REQUIRE(tarsilo::ReadJpegHeader(stream.data(), stream.size(), header) == 0);
        CHECK(header.width == 33);
        CHECK(header.height == 20);
        CHECK(header.grayscale);
        DecodedJpeg decoded;
        REQUIRE(tarsilo::DecodeJpeg(stream.data(), stream.size(), false, decoded) == 0);
        CHECK(decoded.bytesPerPixel == 1);
        CHECK(decoded.palette.size() <= 236);
        const DibPicture picture = DibPicture::FromDecoded(decoded);
        Canvas canvas(40, 24);
        picture.Draw(canvas.Dc(), 2, 2, RECT{2, 2, 2 + 33, 2 + 20});
        CHECK(GetRValue(canvas.At(2 + 2, 2 + 2)) < 60);
        CHECK(GetRValue(canvas.At(2 + 30, 2 + 17)) > 200);
        CHECK(canvas.At(1, 1) == Surface);
    }
    struct Broken {
        const char* name;
        std::vector<unsigned char> stream;
        int header;
        int decoding;
    };
    const std::string notJpeg = "GIF89a, not a JPEG stream";
    const Broken rows[] = {
        {"not a JPEG stream", {notJpeg.begin(), notJpeg.end()}, JERR_NO_SOI, JERR_NO_SOI},
        {"start of image only", {0xFF, 0xD8}, JERR_NO_IMAGE, JERR_NO_IMAGE},
        {"CMYK has no RGB form", Compress(16, 8, 4), 0, JERR_CONVERSION_NOTIMPL},
    };
    for (const Broken& row : rows) {
        CAPTURE(row.name);
        tarsilo::JpegHeader header;
        CHECK(tarsilo::ReadJpegHeader(row.stream.data(), row.stream.size(), header) == row.header);
        DecodedJpeg decoded;
        CHECK(tarsilo::DecodeJpeg(row.stream.data(), row.stream.size(), true, decoded) ==
              row.decoding);
        CHECK(DibPicture::FromDecoded(decoded).IsEmpty());
    }
}
