#pragma once
// The baseline for the first "Инфо": a bare window with the reference window's
// size and controls (five group boxes, six labels, a push button) and the same
// four JPEG streams, each decoded by Qt's own image reader the first time it
// is painted.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QWidget>

namespace tarsilo::bench {

class LazyJpegPicture : public QWidget {
    Q_OBJECT
public:
    LazyJpegPicture(QByteArray stream, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QByteArray stream_;
    QImage image_;
};

class BaselineInfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit BaselineInfoWindow(QWidget* parent = nullptr);

    const QList<QWidget*>& Pictures() const { return pictures_; }
    void Show();

private:
    QList<QWidget*> pictures_;
};

} // namespace tarsilo::bench
