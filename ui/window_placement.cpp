#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/frame_extents.h"

namespace tarsilo {

QPoint DesktopCentredPosition(QSize desktop, QSize window) {
    const int left = (desktop.width() - window.width()) / 2;
    const int top = (desktop.height() - window.height()) / 2;
    return {std::max(left, 0), std::max(top, 0)};
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
