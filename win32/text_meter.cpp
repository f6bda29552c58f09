#include "win32/text_meter.h"

#include <algorithm>
#include <utility>

namespace tarsilo::win32 {

namespace {

// A caption of 60 letters at 192 ppi.
constexpr int FirstCanvasWidth = 1024;
constexpr int FirstCanvasHeight = 48;

} // namespace

TextMeter::TextMeter() : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_) {
        originalBitmap_ = GetCurrentObject(dc_, OBJ_BITMAP);
        originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
    }
}

TextMeter::~TextMeter() {
    Release();
}

TextMeter::TextMeter(TextMeter&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      originalBitmap_(std::exchange(other.originalBitmap_, nullptr)),
      originalFont_(std::exchange(other.originalFont_, nullptr)),
      selectedFont_(std::exchange(other.selectedFont_, nullptr)),
      canvas_(std::exchange(other.canvas_, nullptr)),
      pixels_(std::exchange(other.pixels_, nullptr)),
      canvasWidth_(std::exchange(other.canvasWidth_, 0)),
      canvasHeight_(std::exchange(other.canvasHeight_, 0)), measured_(std::move(other.measured_)),
      ascents_(std::move(other.ascents_)) {}

TextMeter& TextMeter::operator=(TextMeter&& other) noexcept {
    if (this != &other) {
        Release();
        dc_ = std::exchange(other.dc_, nullptr);
        originalBitmap_ = std::exchange(other.originalBitmap_, nullptr);
        originalFont_ = std::exchange(other.originalFont_, nullptr);
        selectedFont_ = std::exchange(other.selectedFont_, nullptr);
        canvas_ = std::exchange(other.canvas_, nullptr);
        pixels_ = std::exchange(other.pixels_, nullptr);
        canvasWidth_ = std::exchange(other.canvasWidth_, 0);
        canvasHeight_ = std::exchange(other.canvasHeight_, 0);
        measured_ = std::move(other.measured_);
        ascents_ = std::move(other.ascents_);
    }
    return *this;
}

void TextMeter::Release() noexcept {
    if (dc_) {
        SelectObject(dc_, originalFont_);
        SelectObject(dc_, originalBitmap_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }
    selectedFont_ = nullptr;
    if (canvas_) {
        DeleteObject(canvas_);
        canvas_ = nullptr;
    }
    pixels_ = nullptr;
    canvasWidth_ = canvasHeight_ = 0;
}

SIZE TextMeter::DrawnExtent(HFONT font, const std::wstring& text) {
    auto key = std::make_pair(font, text);
    if (const auto found = measured_.find(key); found != measured_.end())
        return found->second;
    const SIZE extent = Measure(font, text);
    measured_.emplace(std::move(key), extent);
    return extent;
}

int TextMeter::Ascent(HFONT font) {
    if (const auto found = ascents_.find(font); found != ascents_.end())
        return found->second;
    TEXTMETRICW metrics{};
    if (dc_) {
        Select(font);
        GetTextMetricsW(dc_, &metrics);
    }
    ascents_.emplace(font, metrics.tmAscent);
    return metrics.tmAscent;
}

// Selecting a font realises it again, whether or not it is selected already.
void TextMeter::Select(HFONT font) {
    if (font != selectedFont_) {
        SelectObject(dc_, font);
        selectedFont_ = font;
    }
}

SIZE TextMeter::Measure(HFONT font, const std::wstring& text) {
    if (!dc_)
        return {};
    Select(font);
    SIZE extent{};
    if (text.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        return {0, metrics.tmHeight};
    }
    GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &extent);
    if (extent.cx <= 0 || extent.cy <= 0)
        return extent;
    // Room to spare for letters that reach past their advances.
    extent.cx = std::max<LONG>(extent.cx, InkEnd(text, extent.cx + 2 * extent.cy, extent.cy));
    return extent;
}

bool TextMeter::HoldsCanvas(int width, int height) {
    if (canvas_ && width <= canvasWidth_ && height <= canvasHeight_)
        return true;
    // Room for a long caption from the start, then grown to the largest text
    // so far, so that few texts need a new one.
    const int newWidth = std::max({width, canvasWidth_, FirstCanvasWidth});
    const int newHeight = std::max({height, canvasHeight_, FirstCanvasHeight});
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP canvas = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!canvas || !bits) {
        if (canvas)
            DeleteObject(canvas);
        return false;
    }
    SelectObject(dc_, canvas);
    if (canvas_)
        DeleteObject(canvas_);
    canvas_ = canvas;
    pixels_ = static_cast<const std::uint32_t*>(bits);
    canvasWidth_ = newWidth;
    canvasHeight_ = newHeight;
    return true;
}

int TextMeter::InkEnd(const std::wstring& text, int width, int height) {
    if (!HoldsCanvas(width, height))
        return 0;
    // Drawn black on white the way a label draws its caption.
    RECT area{0, 0, width, height};
    FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkMode(dc_, TRANSPARENT);
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    GdiFlush();
    for (int x = width - 1; x >= 0; --x) {
        for (int y = 0; y < height; ++y) {
            if ((pixels_[y * canvasWidth_ + x] & 0xFFFFFF) != 0xFFFFFF)
                return x + 1;
        }
    }
    return 0;
}

} // namespace tarsilo::win32
