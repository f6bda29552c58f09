#pragma once
// The fonts and the geometry of a form at one screen resolution.
//
// The window font gets its design height times dpi / 96. Every design
// rectangle then grows by the font's measured text height over its height at
// 96 ppi: the designed "MS Sans Serif" is 13 pixels high there, a substitute
// font its own height, so that nothing moves at 96 ppi whichever font stands
// in. The Greek-letter font grows by the same ratio.

#include <windows.h>

#include "common/layout_scale.h"
#include "common/window_definition.h"
#include "win32/text_meter.h"
#include "win32/window_fonts.h"

namespace tarsilo::win32 {

class FormLayout {
public:
    explicit FormLayout(UINT dpi);
    FormLayout(FormLayout&&) noexcept = default;
    FormLayout& operator=(FormLayout&& other) noexcept;

    UINT Dpi() const { return dpi_; }
    const TextHeightScale& Scale() const { return scale_; }
    HFONT WindowFont() const { return windowFont_.get(); }
    HFONT GreekFont() const { return greekFont_.get(); }
    HFONT FontOf(const forms::ControlDefinition& control) const {
        return control.greekLetter ? GreekFont() : WindowFont();
    }
    // The room `text` takes drawn in one of the layout's fonts
    // (DrawnTextExtent), each text measured once.
    SIZE DrawnExtent(HFONT font, const std::wstring& text) const {
        return meter_.DrawnExtent(font, text);
    }
    // FontAscent of one of the layout's fonts, asked once.
    int Ascent(HFONT font) const { return meter_.Ascent(font); }

    // The scaled place of a control in the window's client area: each design
    // rectangle is scaled within its parent, and the parents' scaled corners
    // are added up.
    RECT ControlRect(const forms::WindowDefinition& window, int index) const;
    SIZE ClientSize(const forms::WindowDefinition& window) const;

private:
    UINT dpi_;
    FontHandle windowFont_;
    FontHandle greekFont_;
    TextHeightScale scale_;
    // Declared after the fonts, and moved before them: it lets go of the
    // fonts it holds before they are deleted.
    mutable TextMeter meter_;
};

} // namespace tarsilo::win32
