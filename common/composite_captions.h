#pragma once
// The captions of the main window that are put together from several labels
// on one line, and where each piece goes.
//
// The window definition places the pieces for its own fonts, whose letters
// were wider; with the substitute fonts a piece at its designed place would
// stand several pixels away from the text it belongs to and read as a word
// of its own. So the pieces follow the text as it is measured on the screen:
// the Greek letter right after the caption's closing blank with its baseline
// on the caption's, the rest of the caption right after the letter, and a
// lowered index the designed distance after the end of its caption's text.
// Each front end measures its texts in device pixels and moves its labels to
// the places given here.

#include <array>
#include <string_view>

#include "common/screen_geometry.h"
#include "common/window_definition.h"

namespace tarsilo {

// A caption ending in a blank, a Greek letter in a font of its own and the
// rest of the caption, each a label of its own.
struct CompositeCaption {
    std::string_view start;
    std::string_view letter;
    std::string_view continuation;
};

inline constexpr std::array<CompositeCaption, 3> CompositeCaptions = {{
    {"lRoB", "Label4", "Label5"}, // Плотность тела ρB, кг/куб. м
    {"lRo0", "Label11", "Label12"}, // Плотность газа на поверхности ρo, кг/куб. м
    {"lmu", "Label8", "Label13"}, // Молярная масса газа μ, кг/моль
}};

// A caption whose last letter takes a lowered index, a label of its own.
struct IndexedCaption {
    std::string_view caption;
    std::string_view index;
};

inline constexpr std::array<IndexedCaption, 1> IndexedCaptions = {{
    {"lCb", "Label20"}, // the B under the C of the drag coefficient
}};

// What a front end measured of a composite caption, in device pixels, all
// places in the coordinates of the labels' common parent.
struct CompositeCaptionMetrics {
    Point start;        // the start's label, where its text begins
    int startTextWidth; // the start's text without its closing blank, as drawn
    int blankWidth;     // the closing blank
    int textAscent;     // the window font's, from the top of its line
    int letterTop;      // the letter's label at its designed (scaled) top
    int letterAscent;   // the Greek-letter font's
    int letterWidth;    // the letter alone, without a blank after it, as drawn
};

struct CompositeCaptionPlaces {
    // Where the letter's line begins: its baseline on the start's, yet never
    // above the letter's designed top, which would reach into the row above.
    Point letter;
    // Where the rest begins: right after the letter, on the start's line.
    Point continuation;
    friend bool operator==(const CompositeCaptionPlaces&, const CompositeCaptionPlaces&) = default;
};

CompositeCaptionPlaces PlaceCompositeCaption(const CompositeCaptionMetrics& metrics);

// What a front end measured of an indexed caption, in device pixels.
struct IndexedCaptionMetrics {
    Point caption;        // the caption's label, where its text begins
    int captionTextWidth; // the caption's text as drawn
    int indexTop;         // the index's label at its designed (scaled) top
    int gap;              // DesignedIndexGap, scaled like the rest of the layout
};

// Where the index's label goes: `gap` after the end of the caption's text.
Point PlaceIndex(const IndexedCaptionMetrics& metrics);

// The distance, in design pixels, from the end of the caption's text (its
// self-sizing label's right edge) to the index in the window definition.
int DesignedIndexGap(const forms::WindowDefinition& window, const IndexedCaption& caption);

} // namespace tarsilo
