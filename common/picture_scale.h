#pragma once
// Which of the two sets of reference pictures a screen draws: the ordinary
// one, or the one of twice the pixel size.

namespace tarsilo {

// 1 on a screen of device pixel ratio 1 (or less), 2 on any denser screen:
// the ratio is rounded up, as for "@2x" images, and 2 is the largest set
// there is.
int PictureScaleFor(double devicePixelRatio);

} // namespace tarsilo
