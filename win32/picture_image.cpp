#include "win32/picture_image.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tarsilo::win32 {

namespace {

constexpr int MaxPaletteEntries = 256;

// DIB rows are padded to whole 32-bit words.
std::size_t DibStride(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

// The header and, for 8 bits per pixel, the colour table behind it.
struct DibHeader {
    BITMAPINFOHEADER header;
    RGBQUAD colours[MaxPaletteEntries];
};

DibHeader MakeHeader(const DecodedJpeg& decoded, int bitsPerPixel) {
    DibHeader dib{};
    dib.header.biSize = sizeof(BITMAPINFOHEADER);
    dib.header.biWidth = decoded.width;
    // Negative: the rows run from the top down, as the decoder writes them.
    dib.header.biHeight = -decoded.height;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    dib.header.biCompression = BI_RGB;
    if (bitsPerPixel == 8) {
        const std::size_t count = std::min<std::size_t>(decoded.palette.size(), MaxPaletteEntries);
        dib.header.biClrUsed = static_cast<DWORD>(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t rgb = decoded.palette[i];
            dib.colours[i] =
                RGBQUAD{static_cast<BYTE>(rgb & 0xFF), static_cast<BYTE>(rgb >> 8 & 0xFF),
                        static_cast<BYTE>(rgb >> 16 & 0xFF), 0};
        }
    }
    return dib;
}

// Copies the decoded rows into the DIB's; 24-bit pixels go from red, green,
// blue to the DIB's blue, green, red.
void CopyRows(const DecodedJpeg& decoded, unsigned char* bits, std::size_t dibStride) {
    const std::size_t rowBytes =
        static_cast<std::size_t>(decoded.width) * static_cast<std::size_t>(decoded.bytesPerPixel);
    for (int y = 0; y < decoded.height; ++y) {
        const unsigned char* from =
            decoded.pixels.data() + static_cast<std::size_t>(y) * decoded.stride;
        unsigned char* to = bits + static_cast<std::size_t>(y) * dibStride;
        if (decoded.bytesPerPixel == 1) {
            std::memcpy(to, from, rowBytes);
            continue;
        }
        for (std::size_t i = 0; i < rowBytes; i += 3) {
            to[i] = from[i + 2];
            to[i + 1] = from[i + 1];
            to[i + 2] = from[i];
        }
    }
}

bool IsComplete(const DecodedJpeg& decoded) {
    if (decoded.width <= 0 || decoded.height <= 0)
        return false;
    if (decoded.bytesPerPixel != 1 && decoded.bytesPerPixel != 3)
        return false;
    const auto rowBytes = static_cast<std::size_t>(decoded.width) * decoded.bytesPerPixel;
    return decoded.stride >= 0 && static_cast<std::size_t>(decoded.stride) >= rowBytes &&
           decoded.pixels.size() >=
               static_cast<std::size_t>(decoded.stride) * static_cast<std::size_t>(decoded.height);
}

// A memory device context holding `bitmap` for as long as it lives.
class SelectedBitmap {
public:
    SelectedBitmap(HDC compatibleWith, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(compatibleWith)),
          previous_(dc_ ? SelectObject(dc_, bitmap) : nullptr) {}
    ~SelectedBitmap() {
        if (!dc_)
            return;
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace

DibPicture DibPicture::FromDecoded(const DecodedJpeg& decoded, int devicePixelRatio) {
    DibPicture picture;
    picture.devicePixelRatio_ = std::max(devicePixelRatio, 1);
    if (!IsComplete(decoded))
        return picture;
    const int bitsPerPixel = decoded.bytesPerPixel * 8;
    const DibHeader dib = MakeHeader(decoded, bitsPerPixel);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&dib),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap)
            DeleteObject(bitmap);
        throw std::runtime_error("Cannot make a bitmap for a picture");
    }
    CopyRows(decoded, static_cast<unsigned char*>(bits), DibStride(decoded.width, bitsPerPixel));
    // GDI may still be writing to the section's memory from earlier calls.
    GdiFlush();
    picture.bitmap_ = bitmap;
    picture.width_ = decoded.width;
    picture.height_ = decoded.height;
    return picture;
}

DibPicture::DibPicture(DibPicture&& other) noexcept
    : bitmap_(std::exchange(other.bitmap_, nullptr)), width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      devicePixelRatio_(std::exchange(other.devicePixelRatio_, 1)) {}

DibPicture& DibPicture::operator=(DibPicture&& other) noexcept {
    if (this != &other) {
        if (bitmap_)
            DeleteObject(bitmap_);
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        devicePixelRatio_ = std::exchange(other.devicePixelRatio_, 1);
    }
    return *this;
}

DibPicture::~DibPicture() {
    if (bitmap_)
        DeleteObject(bitmap_);
}

void DibPicture::Draw(HDC dc, int x, int y, const RECT& clip) const {
    if (IsEmpty())
        return;
    RECT picture{x, y, x + width_, y + height_};
    RECT shown{};
    if (!IntersectRect(&shown, &picture, &clip))
        return;
    const SelectedBitmap source(dc, bitmap_);
    if (!source.Dc())
        return;
    BitBlt(dc, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top,
           source.Dc(), shown.left - x, shown.top - y, SRCCOPY);
}

void DibPicture::Draw(HDC dc, int x, int y, const RECT& clip, double deviceRatio) const {
    if (IsEmpty() || !(deviceRatio > 0))
        return;
    const double scale = deviceRatio / devicePixelRatio_;
    const int width = static_cast<int>(std::lround(width_ * scale));
    const int height = static_cast<int>(std::lround(height_ * scale));
    if (width == width_ && height == height_) {
        Draw(dc, x, y, clip);
        return;
    }
    RECT picture{x, y, x + width, y + height};
    RECT shown{};
    if (!IntersectRect(&shown, &picture, &clip))
        return;
    const SelectedBitmap source(dc, bitmap_);
    if (!source.Dc())
        return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, x, y, width, height, source.Dc(), 0, 0, width_, height_, SRCCOPY);
    RestoreDC(dc, saved);
}

} // namespace tarsilo::win32
