#pragma once
// The texts of the two error boxes, in UTF-16 as both front ends show them
// (QString, Win32 wide strings).

#include <cstddef>
#include <string>
#include <string_view>

namespace tarsilo {

// The error dialog's text: the message with "." appended when it is not
// empty and the code of its last character is above that of '.'.
std::u16string ErrorDialogText(std::u16string_view message);

// A dialog text that fits on the screen: one longer than maxCharacters (UTF-16
// code units), or with more than maxLineBreaks line breaks (CR, LF, U+2028,
// U+2029), keeps its start and its end around "…" within both limits, never
// splitting a surrogate pair. A text within them is returned unchanged.
// A message box widens to its longest unbroken run of characters and, on a
// screen up to 1024 pixels wide, then overflows it; 100 characters keep the
// quoted part of a conversion error to about 60.
inline constexpr int DialogTextMaxCharacters = 100;
inline constexpr int DialogTextMaxLineBreaks = 8;
std::u16string ShortenedForDialog(std::u16string_view text,
                                  std::size_t maxCharacters = DialogTextMaxCharacters,
                                  std::size_t maxLineBreaks = DialogTextMaxLineBreaks);

// A code address as the "Application Error" box shows it: every hexadecimal
// digit of a pointer, upper case (16 digits on a 64-bit system).
std::u16string AddressText(const void* address);

// "Exception <class> in module <module> at <address>." and a line break, the
// message with "." appended unless it is empty or already ends in '.', and a
// final line break.
std::u16string ApplicationErrorText(std::u16string_view className, std::u16string_view moduleName,
                                    const void* address, std::u16string_view message);

} // namespace tarsilo
