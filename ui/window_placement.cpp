#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "common/monitor_geometry.h"
#include "ui/frame_extents.h"

namespace tarsilo {

QPoint DesktopCentredPosition(QSize desktop, QSize window) {
    const Point corner = DesktopCentredPosition(Size{desktop.width(), desktop.height()},
                                                Size{window.width(), window.height()});
    return {corner.x, corner.y};
}

void CentreOnDesktop(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = UnknownFrame(window);
    const QSize outer = window->frameGeometry().size().grownBy(frame);
    const QPoint corner = DesktopCentredPosition(screen->virtualGeometry().size(), outer);
    // A window without a known frame is placed by its client area.
    window->move(corner + QPoint(frame.left(), frame.top()));
}

} // namespace tarsilo
