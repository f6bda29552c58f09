#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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
    window->move(
        DesktopCentredPosition(screen->virtualGeometry().size(), window->frameGeometry().size()));
}

} // namespace tarsilo
