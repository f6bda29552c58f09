#include "win32/Info.h"

#include <stdexcept>
#include <string>

#include "common/monitor_geometry.h"
#include "win32/monitors.h"
#include "win32/resource_ids.h"
#include "win32/resources.h"

namespace tarsilo::win32 {

TfInfo* fInfo = nullptr;

namespace {

// Each picture control, and its picture at the design size and at twice it.
struct PictureResources {
    std::string_view control;
    int ordinary;
    int doubled;
};

constexpr std::array<PictureResources, 4> PictureControls = {{
    {"iValues", TARSILO_PICTURE_VALUES, TARSILO_PICTURE_VALUES_2X},
    {"iBall", TARSILO_PICTURE_BALL, TARSILO_PICTURE_BALL_2X},
    {"iCyl", TARSILO_PICTURE_CYLINDER, TARSILO_PICTURE_CYLINDER_2X},
    {"iCb", TARSILO_PICTURE_DRAG, TARSILO_PICTURE_DRAG_2X},
}};

} // namespace

TfInfo::TfInfo(HWND owner)
    : Form(forms::InfoWindowDefinition, owner, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
           {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE}) {
    for (std::size_t i = 0; i < PictureControls.size(); ++i) {
        const PictureResources& resources = PictureControls[i];
        pictures_[i] = {JpegPicture(ResourceBytes(resources.ordinary), 1),
                        JpegPicture(ResourceBytes(resources.doubled), 2)};
        AttachPictures(Control(resources.control), &pictures_[i]);
    }
}

TfInfo::~TfInfo() {
    // The controls go before the pictures they point at.
    for (const PictureResources& resources : PictureControls)
        AttachPictures(Control(resources.control), nullptr);
    if (fInfo == this)
        fInfo = nullptr;
}

const PictureSet& TfInfo::Pictures(std::string_view pictureControl) const {
    for (std::size_t i = 0; i < PictureControls.size(); ++i) {
        if (PictureControls[i].control == pictureControl)
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
