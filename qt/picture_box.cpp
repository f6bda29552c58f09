#include "qt/picture_box.h"

#include <QMetaObject>
#include <QPainter>
#include <QScreen>

#include "common/jpeg_error.h"
#include "common/picture_scale.h"
#include "qt/error_reporting.h"

namespace tarsilo {

// Not opaque: where the image does not reach, the parent's surface shows.
PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(JpegPicture picture, JpegPicture doubled) {
    picture_ = std::move(picture);
    doubled_ = std::move(doubled);
    update();
}

bool PictureBox::DrawsDoubled(qreal devicePixelRatio) const {
    return PictureScaleFor(devicePixelRatio) == 2 && !doubled_.IsEmpty();
}

const JpegPicture& PictureBox::PictureFor(qreal devicePixelRatio) const {
    return DrawsDoubled(devicePixelRatio) ? doubled_ : picture_;
}

JpegPicture::Display PictureBox::ScreenDisplay() const {
    constexpr int PaletteDepth = 8;
    const QScreen* own = screen();
    return own && own->depth() <= PaletteDepth ? JpegPicture::Display::Palette
                                               : JpegPicture::Display::TrueColour;
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    // Only the set this screen draws is decoded.
    JpegPicture& picture = DrawsDoubled(devicePixelRatioF()) ? doubled_ : picture_;
    try {
        picture.Decode(ScreenDisplay());
    } catch (const EJPEG& error) {
        // The dialog's nested event loop must not run while this window's
        // backing store is being painted, or the window could not repaint
        // while the dialog is open; it opens once the painting is done.
        QMetaObject::invokeMethod(
            this, [this, error] { ReportException(error, this); }, Qt::QueuedConnection);
    }
    if (picture.Image().isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture.Image());
}

} // namespace tarsilo
