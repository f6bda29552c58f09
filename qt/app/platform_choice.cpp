#include "qt/app/platform_choice.h"

#include <cstdlib>

#include <QtGlobal>

namespace tarsilo {

namespace {

bool IsSet(const char* value) {
    return value && *value;
}

} // namespace

QByteArray PreferredPlatform(const char* qpaPlatform, const char* waylandDisplay,
                             const char* display) {
    if (IsSet(qpaPlatform) || !IsSet(waylandDisplay) || !IsSet(display))
        return {};
    return "xcb;wayland";
}

void ChoosePlatform() {
    const QByteArray platform = PreferredPlatform(
        std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace tarsilo
