#include "qt/window_placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "common/monitor_geometry.h"
#include "qt/frame_extents.h"

namespace tarsilo {

namespace {

// How long a window may stay unseen while a window manager that promises to
// tell its frame has not: only against one that breaks the promise. A busy
// manager takes its time, and a short wait showed the window at its first
// place on a loaded machine, moving it a moment later.
constexpr int FrameWaitMilliseconds = 5000;

// Qt places a window that it has created by its client area.
void PlaceClientArea(QWidget* window, QMargins frame, QPoint outerCorner) {
    window->setGeometry(QRect(outerCorner + QPoint(frame.left(), frame.top()), window->size()));
}

} // namespace

QPoint DesktopCentredPosition(QSize desktop, QSize window) {
    const Point corner = DesktopCentredPosition(Size{desktop.width(), desktop.height()},
                                                Size{window.width(), window.height()});
    return {corner.x, corner.y};
}

void PlaceByFrame(QWidget* window, std::function<QPoint(QMargins frame)> outerCorner) {
    window->winId();
    if (const std::optional<QMargins> frame = KnownFrameExtents(window)) {
        PlaceClientArea(window, *frame, outerCorner(*frame));
        return;
    }
    PlaceClientArea(window, QMargins(), outerCorner(QMargins()));
    const QPointer<QWidget> guarded(window);
    const bool watched = WhenFrameExtentsSet(
        window, [guarded, outerCorner = std::move(outerCorner)](QMargins frame) {
            if (!guarded)
                return;
            const auto show = [guarded] {
                if (guarded)
                    guarded->setWindowOpacity(1);
            };
            if (frame.isNull()) {
                show();
                return;
            }
            // The move of a managed window goes through its window manager,
            // while the opacity changes at once: the window is shown once
            // the manager has moved it.
            PlaceClientArea(guarded, frame, outerCorner(frame));
            WhenPlaceAnswered(guarded, show);
        });
    if (watched) {
        // The window manager shows the window before it tells the frame; until
        // the window stands in its place it is not seen (where the window
        // manager composites).
        window->setWindowOpacity(0);
        QTimer::singleShot(FrameWaitMilliseconds, window, [guarded] {
            if (guarded)
                guarded->setWindowOpacity(1);
        });
    }
}

void CentreOnDesktop(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize desktop = screen->virtualGeometry().size();
    const QSize client = window->size();
    PlaceByFrame(window, [desktop, client](QMargins frame) {
        return DesktopCentredPosition(desktop, client.grownBy(frame));
    });
}

} // namespace tarsilo
