#include "picture_sheet.h"

#include <QPainter>

namespace reference_pictures {

PictureSheet::PictureSheet(QSize size, int scale) : image_(size * scale, QImage::Format_RGB32) {
    image_.setDevicePixelRatio(scale);
    image_.fill(Qt::white);
}

void PictureSheet::drawFrame(QPoint topLeft, QPoint bottomRight) {
    drawHorizontalRule(topLeft.y(), topLeft.x(), bottomRight.x());
    drawHorizontalRule(bottomRight.y(), topLeft.x(), bottomRight.x());
    drawVerticalRule(topLeft.x(), topLeft.y(), bottomRight.y());
    drawVerticalRule(bottomRight.x(), topLeft.y(), bottomRight.y());
}

void PictureSheet::drawHorizontalRule(int y, int left, int right) {
    QPainter painter(&image_);
    painter.fillRect(QRect(QPoint(left, y), QPoint(right, y)), Qt::black);
}

void PictureSheet::drawVerticalRule(int x, int top, int bottom) {
    QPainter painter(&image_);
    painter.fillRect(QRect(QPoint(x, top), QPoint(x, bottom)), Qt::black);
}

void PictureSheet::place(const Box& box, double left, int baseline) {
    QPainter painter(&image_);
    box.draw(painter, QPointF(left, baseline));
}

void PictureSheet::placeFromTop(const Box& box, double left, int top) {
    place(box, left, top + box.ascent());
}

QImage PictureSheet::grayscale() const {
    return image_.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace reference_pictures
