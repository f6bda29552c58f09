#include "win32/close_button.h"

#include <commctrl.h>

#include <map>
#include <string>

#include "win32/native_window.h"
#include "win32/resource_ids.h"

namespace tarsilo::win32 {

namespace {

constexpr int GlyphPixels = 18;
constexpr int GlyphGapPixels = 4;

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

// The glyph strip (the enabled picture and its disabled twin side by side)
// as an image list of two images of `size` pixels; the colour of the strip's
// bottom-left pixel is transparent. Made once per size.
HIMAGELIST GlyphImages(int size) {
    static std::map<int, HIMAGELIST> lists;
    if (const auto found = lists.find(size); found != lists.end())
        return found->second;
    HIMAGELIST images = nullptr;
    const BitmapHandle strip(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TARSILO_CLOSE_GLYPH), IMAGE_BITMAP,
                   0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (strip && GetObjectW(strip.get(), sizeof info, &info)) {
        const HDC screen = GetDC(nullptr);
        const HDC source = CreateCompatibleDC(screen);
        const HDC target = CreateCompatibleDC(screen);
        const HGDIOBJ oldSource = SelectObject(source, strip.get());
        const COLORREF transparent = GetPixel(source, 0, info.bmHeight - 1);
        // Pixel doubling, not smoothing: the glyph is pixel art.
        const BitmapHandle scaled(CreateCompatibleBitmap(screen, 2 * size, size));
        const HGDIOBJ oldTarget = SelectObject(target, scaled.get());
        SetStretchBltMode(target, COLORONCOLOR);
        StretchBlt(target, 0, 0, 2 * size, size, source, 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
        SelectObject(target, oldTarget);
        SelectObject(source, oldSource);
        DeleteDC(target);
        DeleteDC(source);
        ReleaseDC(nullptr, screen);
        images = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 0);
        if (images)
            ImageList_AddMasked(images, scaled.get(), transparent);
    }
    lists.emplace(size, images);
    return images;
}

void DrawFrame(HDC dc, RECT& rect, bool active, bool pushed) {
    if (active) {
        // The heavier frame of the default button: a black line around it.
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rect, -1, -1);
    }
    if (pushed && active) {
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
        InflateRect(&rect, -1, -1);
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
}

} // namespace

void DrawCloseButton(const DRAWITEMSTRUCT& item, bool active, const FormLayout& layout) {
    const HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    DrawFrame(dc, rect, active, pushed);

    const std::wstring caption = WindowText(item.hwndItem);
    const HGDIOBJ oldFont = SelectObject(dc, layout.WindowFont());
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    const int glyph = layout.Scale().Apply(GlyphPixels);
    const int gap = layout.Scale().Apply(GlyphGapPixels);
    const int shift = pushed ? 1 : 0;
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    // Glyph and caption are centred together.
    const int left = item.rcItem.left + (width - glyph - gap - text.cx) / 2 + shift;
    const int glyphTop = item.rcItem.top + (height - glyph) / 2 + shift;
    const int textTop = item.rcItem.top + (height - text.cy) / 2 + shift;
    if (const HIMAGELIST images = GlyphImages(glyph))
        ImageList_Draw(images, disabled ? 1 : 0, dc, left, glyphTop, ILD_TRANSPARENT);

    SetBkMode(dc, TRANSPARENT);
    const int textLeft = left + glyph + gap;
    const int length = static_cast<int>(caption.size());
    if (disabled) {
        // The classic engraved look of disabled text.
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        TextOutW(dc, textLeft + 1, textTop + 1, caption.c_str(), length);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    TextOutW(dc, textLeft, textTop, caption.c_str(), length);
    SelectObject(dc, oldFont);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace tarsilo::win32
