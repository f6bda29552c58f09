#pragma once
// Notices the first paint event of each of a set of widgets.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tarsilo::bench {

class PaintWatch : public QObject {
    Q_OBJECT
public:
    // Watches every event the application delivers from now on.
    explicit PaintWatch(const QList<QWidget*>& widgets);
    ~PaintWatch() override;

    // True once each widget has received a paint event. A paint event is
    // handled before the event loop goes on, so after processEvents() returns
    // the painting is done too.
    bool AllPainted() const { return unpainted_.isEmpty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QObject*> unpainted_;
};

} // namespace tarsilo::bench
