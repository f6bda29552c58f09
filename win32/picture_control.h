#pragma once
// The picture control: a child window that draws one JPEG picture at its own
// size from its top-left corner, cut off at its edges; where the picture does
// not reach, the button-face surface of the group box shows. It holds the
// picture at its design size and, optionally, at twice that pixel size,
// which it draws where the layout is scaled above 1.

#include <windows.h>

#include "win32/jpeg_picture.h"

namespace tarsilo::win32 {

// The window class of picture controls, registered on first use.
const wchar_t* PictureControlClass();

struct PictureSet {
    JpegPicture ordinary;
    JpegPicture doubled; // may be empty
};

// Gives the control its pictures; the set must outlive the control.
void AttachPictures(HWND control, PictureSet* pictures);

// The picture the control draws at its form's present scale.
const JpegPicture* PictureShownBy(HWND control);

} // namespace tarsilo::win32
