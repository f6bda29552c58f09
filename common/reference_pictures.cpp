#include "common/reference_pictures.h"

namespace tarsilo::forms {

std::string PictureFileName(std::string_view file, int scale) {
    return std::string(file) + (scale == 2 ? "@2x.jpg" : ".jpg");
}

const PictureWords* WordsOfPicture(std::string_view control) {
    for (const ReferencePicture& picture : ReferencePictures) {
        if (picture.control != control)
            continue;
        for (const PictureWords& words : ReferencePictureWords) {
            if (words.file == picture.file)
                return &words;
        }
    }
    return nullptr;
}

} // namespace tarsilo::forms
