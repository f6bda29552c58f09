#pragma once
// The fonts of both windows: the window font ("MS Sans Serif", 11 pixels at
// 96 ppi) and the font of the Greek-letter labels (a serif font that has ρ and
// μ, 15 pixels), each replaced by a font that is installed and draws the
// windows' letters where the designed one is missing.

#include <windows.h>

#include <memory>
#include <string>

namespace tarsilo::win32 {

struct FontFace {
    std::wstring name;
    BYTE charSet = DEFAULT_CHARSET;
};

// Chosen once per process, on first use.
const FontFace& WindowFontFace();
const FontFace& GreekLetterFontFace();

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A regular font of that face whose characters are `pixels` high (the cell
// height less the internal leading, as a point size is measured).
FontHandle CreateFaceFont(const FontFace& face, int pixels);

// The height of the text line of the digit 0 in the font.
int TextHeight(HFONT font);

// The width and height of `text` drawn in the font on one line.
SIZE TextExtent(HFONT font, const std::wstring& text);

// The room `text` takes when a control draws it: its extent, widened where
// the drawn letters reach further than their advances add up to (Wine draws
// some sizes of its fonts a few pixels wider than it measures them). A form
// measures through its layout's TextMeter, which remembers its results.
SIZE DrawnTextExtent(HFONT font, const std::wstring& text);

// The distance from the top of the font's line to its baseline.
int FontAscent(HFONT font);

} // namespace tarsilo::win32
