#pragma once
// Measures the room texts take when a control draws them: the extent GDI
// reports, widened where the drawn letters reach further. Wine measures a
// text with the advances of its smoothed glyphs but draws small sizes of
// some fonts with the advances of their monochrome glyphs, which are a pixel
// wider here and there (up to 5 pixels on a 40-letter caption). The drawn
// end is found by drawing the text into a bitmap and looking for the last
// column with ink.
//
// One meter keeps its memory device context and bitmap for every text it
// measures, and remembers each font's results, so that a caption measured
// once (when the window is laid out, then on every change of a label) costs
// nothing the next time. The fonts must outlive the meter.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace tarsilo::win32 {

class TextMeter {
public:
    TextMeter();
    ~TextMeter();
    TextMeter(TextMeter&& other) noexcept;
    TextMeter& operator=(TextMeter&& other) noexcept;
    TextMeter(const TextMeter&) = delete;
    TextMeter& operator=(const TextMeter&) = delete;

    // The width and height of `text` on one line in `font`, as a control
    // draws it; for an empty text, no width and the font's line height.
    SIZE DrawnExtent(HFONT font, const std::wstring& text);
    // The distance from the top of the font's line to its baseline.
    int Ascent(HFONT font);

private:
    SIZE Measure(HFONT font, const std::wstring& text);
    void Select(HFONT font);
    // The right-most column with ink of `text` drawn from the left edge of a
    // white area of `width` x `height` pixels; 0 when nothing is drawn.
    int InkEnd(const std::wstring& text, int width, int height);
    bool HoldsCanvas(int width, int height);
    void Release() noexcept;

    HDC dc_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    HFONT selectedFont_ = nullptr;
    HBITMAP canvas_ = nullptr;
    const std::uint32_t* pixels_ = nullptr;
    int canvasWidth_ = 0;
    int canvasHeight_ = 0;
    std::map<std::pair<HFONT, std::wstring>, SIZE> measured_;
    std::map<HFONT, int> ascents_;
};

} // namespace tarsilo::win32
