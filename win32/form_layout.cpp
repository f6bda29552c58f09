#include "win32/form_layout.h"

#include <utility>

namespace tarsilo::win32 {

namespace {

FontHandle WindowFontAt(UINT dpi) {
    return CreateFaceFont(WindowFontFace(), FontPixelsAt(WindowFontPixels, dpi));
}

// The window font's text height over its height at the design resolution,
// the height the layout was drawn for. That one is measured once, and only
// when the screen has another resolution.
TextHeightScale ScaleFor(UINT dpi, HFONT windowFont) {
    const int measured = TextHeight(windowFont);
    static const int reference =
        dpi == DesignDpi ? measured : TextHeight(WindowFontAt(DesignDpi).get());
    return {measured, reference};
}

} // namespace

FormLayout::FormLayout(UINT dpi)
    : dpi_(dpi), windowFont_(WindowFontAt(dpi)), scale_(ScaleFor(dpi, windowFont_.get())) {
    greekFont_ = CreateFaceFont(GreekLetterFontFace(), scale_.Apply(GreekFontPixels));
}

FormLayout& FormLayout::operator=(FormLayout&& other) noexcept {
    meter_ = std::move(other.meter_);
    dpi_ = other.dpi_;
    windowFont_ = std::move(other.windowFont_);
    greekFont_ = std::move(other.greekFont_);
    scale_ = other.scale_;
    return *this;
}

RECT FormLayout::ControlRect(const forms::WindowDefinition& window, int index) const {
    const forms::ControlDefinition& control = window.controls[index];
    const Rect scaled =
        scale_.Apply(Rect{control.left, control.top, control.width, control.height});
    RECT rect{scaled.left, scaled.top, scaled.Right(), scaled.Bottom()};
    if (control.parent >= 0) {
        const RECT parent = ControlRect(window, control.parent);
        OffsetRect(&rect, parent.left, parent.top);
    }
    return rect;
}

SIZE FormLayout::ClientSize(const forms::WindowDefinition& window) const {
    const Size size = scale_.Apply(Size{window.clientWidth, window.clientHeight});
    return {size.width, size.height};
}

} // namespace tarsilo::win32
