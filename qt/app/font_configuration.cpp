#include "qt/app/font_configuration.h"

#include <system_error>

#include <fontconfig/fontconfig.h>

namespace tarsilo {

FontConfigurationPreload::FontConfigurationPreload() {
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // Without a second thread the toolkit reads it when it needs it.
    }
}

FontConfigurationPreload::~FontConfigurationPreload() {
    Wait();
}

void FontConfigurationPreload::Wait() {
    if (reader_.joinable())
        reader_.join();
}

} // namespace tarsilo
