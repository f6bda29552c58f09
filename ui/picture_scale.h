#pragma once
// Which of the two sets of pictures a screen draws: the ordinary one, or the
// one of twice the pixel size.

#include <QtGlobal>

namespace tarsilo {

// 1 on a screen of device pixel ratio 1, 2 on any denser screen: the ratio is
// rounded up, as for Qt's own "@2x" images, and 2 is the largest set there is.
int PictureScaleFor(qreal devicePixelRatio);

} // namespace tarsilo
