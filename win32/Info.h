#pragma once
// The reference window: the notation, the formulas for both shapes and the
// drag-coefficient table as pictures, contact details and a close button. It
// has no command of its own besides closing, and closing only hides it.

#include <array>
#include <string_view>

#include "common/reference_pictures.h"
#include "win32/form.h"
#include "win32/picture_control.h"

namespace tarsilo::win32 {

class TfInfo : public Form {
public:
    // Created hidden at its designed place, owned by `owner` (the
    // application's window, not the main window: either of the two can stand
    // in front). Reads the headers of its pictures; a decoder failure there
    // raises EJPEG.
    explicit TfInfo(HWND owner = nullptr);
    ~TfInfo() override;

    // Makes a hidden window visible where it last stood, on the active
    // window's monitor; a visible one is not moved. Then raises and activates
    // it. Never blocks.
    void Show();

    // The pictures of a picture control, by the control's name.
    const PictureSet& Pictures(std::string_view pictureControl) const;

private:
    std::array<PictureSet, forms::ReferencePictures.size()> pictures_;
};

// The program's reference window, created by the application shell.
extern TfInfo* fInfo;

} // namespace tarsilo::win32
