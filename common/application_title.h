#pragma once
// The application title, made from the executable's path: the title of the
// error dialog and of the desktop's task entry.

#include <string>
#include <string_view>

namespace tarsilo {

// Which characters end a directory in a path: '/' on Linux; '\\' and '/' on
// Windows.
enum class PathStyle { Posix, Windows };

// The front end's lower-case mapping (QString::toLower, CharLowerBuffW),
// which knows more of Unicode than this library does.
using LowerCaseFunction = std::u16string (*)(std::u16string_view text);

// The file name after the last directory separator, cut at its first '.',
// with every character after the first mapped by `lowerCase`. The first
// character (a whole surrogate pair when it is one) is kept as it is.
std::u16string ApplicationTitleFromPath(std::u16string_view executablePath, PathStyle style,
                                        LowerCaseFunction lowerCase);

} // namespace tarsilo
