#include "common/application_title.h"

#include "common/utf16.h"

namespace tarsilo {

std::u16string ApplicationTitleFromPath(std::u16string_view executablePath, PathStyle style,
                                        LowerCaseFunction lowerCase) {
    const std::u16string_view separators = style == PathStyle::Windows ? u"\\/" : u"/";
    std::u16string_view name = executablePath;
    if (const auto separator = name.find_last_of(separators);
        separator != std::u16string_view::npos)
        name.remove_prefix(separator + 1);
    name = name.substr(0, name.find(u'.'));
    if (name.empty())
        return {};
    const std::size_t firstLength = IsHighSurrogate(name.front()) && name.size() > 1 ? 2 : 1;
    std::u16string title(name.substr(0, firstLength));
    title += lowerCase(name.substr(firstLength));
    return title;
}

} // namespace tarsilo
