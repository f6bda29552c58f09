#include "common/picture_scale.h"

namespace tarsilo {

int PictureScaleFor(double devicePixelRatio) {
    return devicePixelRatio > 1 ? 2 : 1;
}

} // namespace tarsilo
