#include "qt/app/application_title.h"

#include "common/application_title.h"
#include "qt/utf16_text.h"

namespace tarsilo {

namespace {

std::u16string LowerCase(std::u16string_view text) {
    return FromUtf16(text).toLower().toStdU16String();
}

} // namespace

QString ApplicationTitleFromPath(const QString& executablePath) {
    // Qt gives the path with '/' on every platform.
    return FromUtf16(
        ApplicationTitleFromPath(Utf16View(executablePath), PathStyle::Posix, LowerCase));
}

} // namespace tarsilo
