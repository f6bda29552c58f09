#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include "bench/response/window_session.h"

namespace tarsilo::bench {

void ShowAndSettle(QWidget* window, int settleMs) {
    constexpr int ExposeTimeoutMs = 5000;
    window->show();
    QElapsedTimer clock;
    clock.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           clock.elapsed() < ExposeTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // Lets the first painting and any deferred work finish before measuring.
    clock.restart();
    while (clock.elapsed() < settleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace tarsilo::bench
