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

// A dialog text cut to limits: one longer than maxCharacters (UTF-16 code
// units), or with more than maxLineBreaks line breaks (CR, LF, U+2028,
// U+2029), keeps its start and its end around "…" within both limits, never
// splitting a surrogate pair. A text within them is returned unchanged. The
// error dialog cuts by what fits on its screen (FittedForDialog); the fixed
// limits below serve where no screen is known.
inline constexpr int DialogTextMaxCharacters = 100;
inline constexpr int DialogTextMaxLineBreaks = 8;
std::u16string ShortenedForDialog(std::u16string_view text,
                                  std::size_t maxCharacters = DialogTextMaxCharacters,
                                  std::size_t maxLineBreaks = DialogTextMaxLineBreaks);

// The room a message box has for its text on a screen, in characters of the
// dialog font's average width: it wraps lines at blanks to `wrapColumns`, or
// to its longest unbroken run when that is wider, up to `columns`; and it has
// `lines` lines. Each front end fills it in from its screen and its box.
struct DialogTextRoom {
    std::size_t columns = 0;
    std::size_t wrapColumns = 0;
    std::size_t lines = 0;
    friend bool operator==(const DialogTextRoom&, const DialogTextRoom&) = default;
};

// Whether a text fits in the room: no unbroken run longer than `columns`, and
// at most `lines` lines once each line is wrapped at blanks.
bool FitsInDialog(std::u16string_view text, DialogTextRoom room);

// The text that the error dialog shows: the whole text when it fits in the
// room, else the longest text ShortenedForDialog makes of it that fits.
std::u16string FittedForDialog(std::u16string_view text, DialogTextRoom room);

// A code address as the "Application Error" box shows it: every hexadecimal
// digit of a pointer, upper case (16 digits on a 64-bit system).
std::u16string AddressText(const void* address);

// "Exception <class> in module <module> at <address>." and a line break, the
// message with "." appended unless it is empty or already ends in '.', and a
// final line break.
std::u16string ApplicationErrorText(std::u16string_view className, std::u16string_view moduleName,
                                    const void* address, std::u16string_view message);

} // namespace tarsilo
