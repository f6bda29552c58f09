#pragma once
// QString holds UTF-16 code units, as the shared rules' strings do: the two
// convert without any re-encoding.

#include <string_view>

#include <QString>

namespace tarsilo {

inline std::u16string_view Utf16View(const QString& text) {
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

inline QString FromUtf16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tarsilo
