#include "ui/picture_scale.h"

namespace tarsilo {

int PictureScaleFor(qreal devicePixelRatio) {
    return devicePixelRatio > 1 ? 2 : 1;
}

} // namespace tarsilo
