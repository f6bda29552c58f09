#include "win32/Info.h"

#include <stdexcept>
#include <string>

#include "common/monitor_geometry.h"
#include "common/reference_pictures.h"
#include "win32/monitors.h"
#include "win32/resources.h"

namespace tarsilo::win32 {

TfInfo* fInfo = nullptr;

TfInfo::TfInfo(HWND owner)
    : Form(forms::InfoWindowDefinition, owner, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
           {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE}) {
    for (std::size_t i = 0; i < forms::ReferencePictures.size(); ++i) {
        const forms::ReferencePicture& picture = forms::ReferencePictures[i];
        pictures_[i] = {JpegPicture(ResourceBytes(forms::PictureFileName(picture.file, 1)), 1),
                        JpegPicture(ResourceBytes(forms::PictureFileName(picture.file, 2)), 2)};
        AttachPictures(Control(picture.control), &pictures_[i]);
    }
}

TfInfo::~TfInfo() {
    // The controls go before the pictures they point at.
    for (const forms::ReferencePicture& picture : forms::ReferencePictures)
        AttachPictures(Control(picture.control), nullptr);
    if (fInfo == this)
        fInfo = nullptr;
}

const PictureSet& TfInfo::Pictures(std::string_view pictureControl) const {
    for (std::size_t i = 0; i < forms::ReferencePictures.size(); ++i) {
        if (forms::ReferencePictures[i].control == pictureControl)
            return pictures_[i];
    }
    throw std::logic_error("the reference window has no picture " + std::string(pictureControl));
}

void TfInfo::Show() {
    const HWND window = Handle();
    if (!IsWindowVisible(window)) {
        // Onto the monitor of the window the user works in.
        const HWND active = GetActiveWindow();
        if (active && active != window) {
            const std::vector<Rect> monitors = MonitorRects();
            const Point corner = FollowActiveMonitor(FrameOf(window), FrameOf(active), monitors);
            SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ShowWindow(window, SW_SHOW);
    }
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

} // namespace tarsilo::win32
