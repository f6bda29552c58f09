#pragma once

#include <QFont>
#include <QString>

namespace reference_pictures {

// The visible ink of a text drawn with its baseline's left end at the origin.
// Rows count from the baseline, negative above it; the first inked row below the baseline is 0.
struct InkExtent {
    int top = 0;      // the highest inked row
    int bottom = 0;   // one past the lowest inked row
    double right = 0; // right edge of the rightmost inked column
};

// Measures by drawing, so that the layout agrees with the rendered, hinted glyphs.
InkExtent measureInk(const QFont& font, const QString& text);

} // namespace reference_pictures
