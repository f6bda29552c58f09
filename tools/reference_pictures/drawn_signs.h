#pragma once

#include "box.h"

namespace reference_pictures {

// Signs drawn as strokes because the font has no glyph of the needed size or shape. Each sign's
// ink lies on whole pixel rows, so that it lines up with the box it encloses.

// Square brackets pad rows higher and deeper than inner, serifs delimiterWidth long.
BoxPtr makeBrackets(BoxPtr inner, int pad, double delimiterWidth);
// Parentheses pad rows higher and deeper than inner, delimiterWidth wide.
BoxPtr makeParentheses(BoxPtr inner, int pad, double delimiterWidth);
// A radical whose bar covers the whole radicand.
BoxPtr makeSquareRoot(BoxPtr radicand, double signWidth);
// "≅": a tilde over the equals glyph, spanning its bars from barsLeft to barsRight.
BoxPtr makeCongruent(BoxPtr equals, double barsLeft, double barsRight);

} // namespace reference_pictures
