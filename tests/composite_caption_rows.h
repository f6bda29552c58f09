#pragma once
// Where the pieces of the composite captions and the lowered index go for
// measured texts (common/composite_captions.h): one table that the Qt suite
// and the Windows suite both run, each with its own test framework. The
// numbers are device pixels as the fonts of either build give them.

#include <string>

#include "common/composite_captions.h"
#include "common/window_definition.h"

namespace tarsilo::test {

struct CompositeCaptionRow {
    const char* name;
    CompositeCaptionMetrics metrics;
    CompositeCaptionPlaces places;
};

inline const CompositeCaptionRow CompositeCaptionRows[] = {
    // Liberation Sans at 11 pixels and Liberation Serif at 15: the letter's
    // baseline 4 pixels below its label's designed top.
    {"body density at 96 ppi",
     {.start = {104, 128},
      .startTextWidth = 80,
      .blankWidth = 3,
      .textAscent = 10,
      .letterTop = 120,
      .letterAscent = 14,
      .letterWidth = 7},
     {.letter = {187, 124}, .continuation = {194, 128}}},
    {"molar mass at 192 ppi",
     {.start = {208, 160},
      .startTextWidth = 220,
      .blankWidth = 6,
      .textAscent = 20,
      .letterTop = 144,
      .letterAscent = 27,
      .letterWidth = 16},
     {.letter = {434, 153}, .continuation = {450, 160}}},
    {"in the window's client area, as Win32 places the labels",
     {.start = {112, 232},
      .startTextWidth = 160,
      .blankWidth = 3,
      .textAscent = 11,
      .letterTop = 224,
      .letterAscent = 13,
      .letterWidth = 8},
     {.letter = {275, 230}, .continuation = {283, 232}}},
    {"a letter taller than the room above the text stays at its designed top",
     {.start = {104, 56},
      .startTextWidth = 160,
      .blankWidth = 3,
      .textAscent = 10,
      .letterTop = 48,
      .letterAscent = 20,
      .letterWidth = 8},
     {.letter = {267, 48}, .continuation = {275, 56}}},
};

struct IndexRow {
    const char* name;
    IndexedCaptionMetrics metrics;
    Point place;
};

inline const IndexRow IndexRows[] = {
    {"the designed 6 pixels after a text narrower than the design's",
     {.caption = {104, 104}, .captionTextWidth = 205, .indexTop = 112, .gap = 6},
     {315, 112}},
    {"a text wider than the design's pushes the index on",
     {.caption = {104, 104}, .captionTextWidth = 214, .indexTop = 112, .gap = 6},
     {324, 112}},
    {"at 192 ppi the gap grows with the layout, the text as measured",
     {.caption = {208, 208}, .captionTextWidth = 398, .indexTop = 224, .gap = 12},
     {618, 224}},
};

// What the main window's definition must hold for the tables of
// common/composite_captions.h to make sense: the first contradiction, or an
// empty text.
inline std::string CompositeCaptionDefinitionFault() {
    const forms::WindowDefinition& window = forms::MainWindowDefinition;
    const auto label = [&](std::string_view name) -> const forms::ControlDefinition* {
        const int index = forms::IndexOf(window, name);
        return index >= 0 && window.controls[index].kind == forms::ControlKind::Label
                   ? &window.controls[index]
                   : nullptr;
    };
    for (const CompositeCaption& caption : CompositeCaptions) {
        const forms::ControlDefinition* start = label(caption.start);
        const forms::ControlDefinition* letter = label(caption.letter);
        const forms::ControlDefinition* continuation = label(caption.continuation);
        if (!start || !letter || !continuation)
            return std::string(caption.start) + ": a piece is not a label of the main window";
        if (!std::string(start->text).ends_with(' '))
            return std::string(caption.start) + " does not end in a blank";
        if (!letter->greekLetter || start->greekLetter || continuation->greekLetter)
            return std::string(caption.letter) + " is not the only Greek letter";
        if (start->parent != letter->parent || start->parent != continuation->parent)
            return std::string(caption.start) + ": the pieces stand in different group boxes";
    }
    for (const IndexedCaption& caption : IndexedCaptions) {
        const forms::ControlDefinition* text = label(caption.caption);
        const forms::ControlDefinition* index = label(caption.index);
        if (!text || !index || text->parent != index->parent)
            return std::string(caption.index) + " is not a label beside " +
                   std::string(caption.caption);
        if (DesignedIndexGap(window, caption) != 6)
            return std::string(caption.index) + " is not 6 pixels after its caption";
        if (index->top - text->top != 8)
            return std::string(caption.index) + " is not 8 pixels lower than its caption";
    }
    return {};
}

} // namespace tarsilo::test
