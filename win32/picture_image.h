#pragma once
// A decoded reference picture as a GDI bitmap, and how a picture control
// draws it: at its own size from the control's top-left corner, never
// stretched or centred, cut off at the control's edges, with the parent's
// surface showing where the picture does not reach.
//
// Use: decode once (DecodeJpeg), make a DibPicture with FromDecoded, and in
// the control's WM_PAINT call Draw with the control's client rectangle as
// `clip`. Pictures of the 2x set are made with devicePixelRatio 2 and drawn
// into controls whose device size is twice the design size.

#include <windows.h>

#include "common/jpeg_decoder.h"

namespace tarsilo::win32 {

class DibPicture {
public:
    // An empty picture: draws nothing.
    DibPicture() = default;
    // A top-down DIB section of the decoded rows: 8 bits per pixel with the
    // decoder's palette as colour table, or 24-bit colour. A picture covers
    // its pixel size divided by `devicePixelRatio` in design pixels (1 for
    // the ordinary set, 2 for the set of twice the pixel size). An empty
    // decoded image gives an empty picture; a bitmap GDI cannot make raises
    // std::runtime_error.
    static DibPicture FromDecoded(const DecodedJpeg& decoded, int devicePixelRatio = 1);

    DibPicture(DibPicture&& other) noexcept;
    DibPicture& operator=(DibPicture&& other) noexcept;
    DibPicture(const DibPicture&) = delete;
    DibPicture& operator=(const DibPicture&) = delete;
    ~DibPicture();

    bool IsEmpty() const { return bitmap_ == nullptr; }
    // The size in pixels of the bitmap.
    int Width() const { return width_; }
    int Height() const { return height_; }
    int DevicePixelRatio() const { return devicePixelRatio_; }
    HBITMAP Bitmap() const { return bitmap_; }

    // Draws the picture with its top-left corner at (x, y), pixel for pixel,
    // clipped to `clip`; both in the logical coordinates of `dc` (device
    // pixels in the default mapping mode). The clipping region of `dc` is
    // left as it was.
    void Draw(HDC dc, int x, int y, const RECT& clip) const;

    // The same on a device of `deviceRatio` device pixels per design pixel:
    // the picture covers its design size times that ratio, pixel for pixel
    // when the ratio is the picture's own, else resampled (HALFTONE).
    void Draw(HDC dc, int x, int y, const RECT& clip, double deviceRatio) const;

private:
    HBITMAP bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int devicePixelRatio_ = 1;
};

} // namespace tarsilo::win32
