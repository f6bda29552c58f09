#include "common/composite_captions.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tarsilo {

CompositeCaptionPlaces PlaceCompositeCaption(const CompositeCaptionMetrics& metrics) {
    const int letterLeft = metrics.start.x + metrics.startTextWidth + metrics.blankWidth;
    const int baseline = metrics.start.y + metrics.textAscent;
    const int letterTop = std::max(metrics.letterTop, baseline - metrics.letterAscent);
    return {{letterLeft, letterTop}, {letterLeft + metrics.letterWidth, metrics.start.y}};
}

Point PlaceIndex(const IndexedCaptionMetrics& metrics) {
    return {metrics.caption.x + metrics.captionTextWidth + metrics.gap, metrics.indexTop};
}

int DesignedIndexGap(const forms::WindowDefinition& window, const IndexedCaption& caption) {
    const int captionIndex = forms::IndexOf(window, caption.caption);
    const int indexIndex = forms::IndexOf(window, caption.index);
    if (captionIndex < 0 || indexIndex < 0)
        throw std::logic_error("the window " + std::string(window.name) + " has no caption " +
                               std::string(caption.caption) + " with an index");
    const forms::ControlDefinition& designed = window.controls[captionIndex];
    return window.controls[indexIndex].left - (designed.left + designed.width);
}

} // namespace tarsilo
