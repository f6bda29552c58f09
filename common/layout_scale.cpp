#include "common/layout_scale.h"

#include <cmath>

namespace tarsilo {

int FontPixelsAt(int designPixels, double dpi) {
    return static_cast<int>(std::lround(designPixels * dpi / DesignDpi));
}

// A reference height of 0 or less would divide by zero; nothing scales then.
TextHeightScale::TextHeightScale(int measuredHeight, int referenceHeight)
    : measured_(referenceHeight > 0 ? measuredHeight : referenceHeight),
      reference_(referenceHeight) {}

int TextHeightScale::Apply(int designPixels) const {
    if (IsIdentity())
        return designPixels;
    return static_cast<int>(std::lround(double(designPixels) * measured_ / reference_));
}

Rect TextHeightScale::Apply(const Rect& design) const {
    const int left = Apply(design.left);
    const int top = Apply(design.top);
    const int right = Apply(design.Right());
    const int bottom = Apply(design.Bottom());
    return {left, top, right - left, bottom - top};
}

Size TextHeightScale::Apply(Size design) const {
    return {Apply(design.width), Apply(design.height)};
}

} // namespace tarsilo
