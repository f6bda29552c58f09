#include "common/reference_pictures.h"

namespace tarsilo::forms {

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
