#include "bench/response/paint_watch.h"

#include <QCoreApplication>
#include <QEvent>

namespace tarsilo::bench {

PaintWatch::PaintWatch(const QList<QWidget*>& widgets) {
    for (QWidget* widget : widgets)
        unpainted_.append(widget);
    QCoreApplication::instance()->installEventFilter(this);
}

PaintWatch::~PaintWatch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint)
        unpainted_.removeOne(watched);
    return QObject::eventFilter(watched, event);
}

} // namespace tarsilo::bench
