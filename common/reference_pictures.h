#pragma once
// The pictures of the reference window: which control shows which picture, and each picture in
// words for screen readers. The words are generated with the pictures from the pieces they are
// typeset with (tools/reference_pictures), so the two cannot disagree.

#include <array>
#include <string>
#include <string_view>

namespace tarsilo::forms {

struct PictureWords {
    std::string_view file;        // "values" for values.jpg and values@2x.jpg
    std::string_view name;        // what a screen reader calls the picture
    std::string_view description; // what it shows, a line of text for each line (or row)
};

// Generated: common/reference_picture_words.cpp.
extern const std::array<PictureWords, 4> ReferencePictureWords;

struct ReferencePicture {
    std::string_view control; // "iValues"
    std::string_view file;
};

inline constexpr std::array<ReferencePicture, 4> ReferencePictures{{
    {"iValues", "values"},
    {"iBall", "ball"},
    {"iCyl", "cylinder"},
    {"iCb", "drag"},
}};

// The file of a picture at a scale of 1 or 2: "values.jpg", "values@2x.jpg".
std::string PictureFileName(std::string_view file, int scale);

// The words of the picture a control shows; null for a control that shows none.
const PictureWords* WordsOfPicture(std::string_view control);

} // namespace tarsilo::forms
