#include "win32/close_button.h"

#include <map>
#include <memory>
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
// at `size` pixels a picture, with its mask: the colour of the strip's
// bottom-left pixel is transparent; there the mask is white and the
// pictures black, so that the pictures are drawn in two raster operations,
// with gdi32 alone.
struct GlyphStrip {
    BitmapHandle pictures;
    BitmapHandle mask;
    int size = 0;
};

// A memory device context with one bitmap selected, for the length of a
// drawing.
class BitmapContext {
public:
    BitmapContext(HDC compatibleWith, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(compatibleWith)), previous_(SelectObject(dc_, bitmap)) {}
    ~BitmapContext() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    BitmapContext(const BitmapContext&) = delete;
    BitmapContext& operator=(const BitmapContext&) = delete;
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

std::unique_ptr<GlyphStrip> MakeGlyphStrip(int size) {
    const BitmapHandle strip(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TARSILO_CLOSE_GLYPH), IMAGE_BITMAP,
                   0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!strip || !GetObjectW(strip.get(), sizeof info, &info))
        return nullptr;
    const HDC screen = GetDC(nullptr);
    auto glyphs = std::make_unique<GlyphStrip>();
    glyphs->size = size;
    glyphs->pictures.reset(CreateCompatibleBitmap(screen, 2 * size, size));
    glyphs->mask.reset(CreateBitmap(2 * size, size, 1, 1, nullptr));
    if (glyphs->pictures && glyphs->mask) {
        const BitmapContext source(screen, strip.get());
        const BitmapContext pictures(screen, glyphs->pictures.get());
        const BitmapContext mask(screen, glyphs->mask.get());
        const COLORREF transparent = GetPixel(source.Dc(), 0, info.bmHeight - 1);
        // Pixel doubling, not smoothing: the glyph is pixel art.
        SetStretchBltMode(pictures.Dc(), COLORONCOLOR);
        StretchBlt(pictures.Dc(), 0, 0, 2 * size, size, source.Dc(), 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
        // Colour to monochrome: the background colour becomes white, the
        // rest black.
        SetBkColor(pictures.Dc(), transparent);
        BitBlt(mask.Dc(), 0, 0, 2 * size, size, pictures.Dc(), 0, 0, SRCCOPY);
        // Monochrome to colour: white becomes the background colour (black),
        // black the text colour (white); ANDed, the transparent pixels go black.
        SetBkColor(pictures.Dc(), RGB(0, 0, 0));
        SetTextColor(pictures.Dc(), RGB(255, 255, 255));
        BitBlt(pictures.Dc(), 0, 0, 2 * size, size, mask.Dc(), 0, 0, SRCAND);
    } else {
        glyphs.reset();
    }
    ReleaseDC(nullptr, screen);
    return glyphs;
}

// Made once per size.
const GlyphStrip* Glyphs(int size) {
    static std::map<int, std::unique_ptr<GlyphStrip>> strips;
    auto found = strips.find(size);
    if (found == strips.end())
        found = strips.emplace(size, MakeGlyphStrip(size)).first;
    return found->second.get();
}

// Draws picture `index` of the strip with its top-left corner at (x, y),
// the transparent pixels leaving the button's face as it was.
void DrawGlyph(HDC dc, const GlyphStrip& glyphs, int index, int x, int y) {
    const int size = glyphs.size;
    const BitmapContext mask(dc, glyphs.mask.get());
    const BitmapContext pictures(dc, glyphs.pictures.get());
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF background = SetBkColor(dc, RGB(255, 255, 255));
    // A hole of black where the picture is opaque, then the picture into it.
    BitBlt(dc, x, y, size, size, mask.Dc(), index * size, 0, SRCAND);
    BitBlt(dc, x, y, size, size, pictures.Dc(), index * size, 0, SRCPAINT);
    SetBkColor(dc, background);
    SetTextColor(dc, text);
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
    if (const GlyphStrip* glyphs = Glyphs(glyph))
        DrawGlyph(dc, *glyphs, disabled ? 1 : 0, left, glyphTop);

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
