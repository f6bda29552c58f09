#pragma once
// The windows' design metrics and how design geometry grows on other screens.
//
// The windows were laid out at 96 pixels per inch for a window font whose
// text height is 13 pixels. A front end sets its window font to the design
// pixel height scaled by the screen's resolution, measures the font's text
// height, and scales every design rectangle by that height over a reference
// height: 13 for the designed font, or the substitute font's own height at
// 96 ppi, so that nothing scales at 96 ppi.

#include "common/screen_geometry.h"

namespace tarsilo {

inline constexpr int DesignDpi = 96;
// The window font's character height, and the Greek-letter labels' font.
inline constexpr int WindowFontPixels = 11;
inline constexpr int GreekFontPixels = 15;
// The window font's text height (the digit 0's line) at the design resolution.
inline constexpr int DesignTextHeight = 13;

// A font height of `designPixels` at 96 ppi, at `dpi`: to the nearest pixel,
// halves away from zero.
int FontPixelsAt(int designPixels, double dpi);

// Scales design pixels by measured / reference text height.
class TextHeightScale {
public:
    TextHeightScale(int measuredHeight, int referenceHeight);
    bool IsIdentity() const { return measured_ == reference_; }
    int Apply(int designPixels) const;
    // The left/top and the right/bottom edges are scaled, each to the nearest
    // pixel, so that controls that meet at design size still meet.
    Rect Apply(const Rect& design) const;
    Size Apply(Size design) const;
    int Measured() const { return measured_; }
    int Reference() const { return reference_; }

private:
    int measured_;
    int reference_;
};

} // namespace tarsilo
